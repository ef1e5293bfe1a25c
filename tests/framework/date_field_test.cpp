#include "framework/date_field.h"
#include "widget_tests.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class DateFieldTest : public QObject {
    Q_OBJECT
private slots:
    void fillPlacesBlanksAndRaisesNoChange()
    {
        DateField field;
        QSignalSpy spy(&field, &DateField::changedByUser);
        field.fill(1, 2, 1999);
        QCOMPARE(field.text(), QString(" 1/ 2/1999"));
        field.fill(31, 12, 2024);
        QCOMPARE(field.text(), QString("31/12/2024"));
        field.fill(0, 0, 0);
        QCOMPARE(field.text(), QString(" 0/ 0/   0"));
        QCOMPARE(spy.count(), 0);
    }

    void typingOverwritesAndEmitsPerRealChange()
    {
        DateField field;
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        field.fill(1, 2, 1999);
        QSignalSpy spy(&field, &DateField::changedByUser);
        field.edit()->setFocus();
        field.edit()->setCursorPosition(0);
        QTest::keyClicks(field.edit(), "05");
        QCOMPARE(field.text(), QString("05/ 2/1999"));
        QCOMPARE(spy.count(), 2);
        field.edit()->setCursorPosition(6);
        QTest::keyClicks(field.edit(), "1"); // same digit: no change
        QCOMPARE(spy.count(), 2);
        field.edit()->setCursorPosition(10);
        QTest::keyClick(field.edit(), Qt::Key_Backspace);
        QCOMPARE(field.text(), QString("05/ 2/199 "));
        QCOMPARE(spy.count(), 3);
        QTest::keyClicks(field.edit(), "x");
        QCOMPARE(field.text(), QString("05/ 2/199 "));
        QCOMPARE(spy.count(), 3);
    }

    void calendarSetsTheWholeDateOnce()
    {
        DateField field;
        field.fill(1, 2, 1999);
        QSignalSpy spy(&field, &DateField::changedByUser);
        field.showCalendar();
        QCOMPARE(field.calendar()->selectedDate(), QDate(1999, 2, 1));
        emit field.calendar()->clicked(QDate(2003, 7, 9));
        QCOMPARE(field.text(), QString(" 9/ 7/2003"));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!field.calendar()->isVisible());
        emit field.calendar()->clicked(QDate(2003, 7, 9));
        QCOMPARE(spy.count(), 1);
    }
};

static RegisterWidgetTest<DateFieldTest> registered;

#include "date_field_test.moc"
