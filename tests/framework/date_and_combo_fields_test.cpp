#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "widget_tests.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class DateAndComboFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void dateTypingOverwritesAndEmitsPerRealChange()
    {
        DateField field;
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        QSignalSpy spy(&field, &DateField::changedByUser);
        field.fill(1, 2, 1999);
        QCOMPARE(field.text(), QString(" 1/ 2/1999"));
        QCOMPARE(spy.count(), 0);

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
        for (int i = 0; i < 2; ++i) // the same date again changes nothing
            emit field.calendar()->clicked(QDate(2003, 7, 9));
        QCOMPARE(field.text(), QString(" 9/ 7/2003"));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!field.calendar()->isVisible());
    }

    void calendarOpensWithAltDownAndEscClosesItUnchanged()
    {
        QWidget window;
        auto* field = new DateField(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->fill(1, 2, 1999);
        QSignalSpy spy(field, &DateField::changedByUser);
        field->edit()->setFocus();

        QTest::keyClick(field->edit(), Qt::Key_Down, Qt::AltModifier);
        QVERIFY(field->calendar()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // to the 2nd
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!field->calendar()->isVisible());
        QCOMPARE(field->text(), QString(" 1/ 2/1999"));
        QCOMPARE(spy.count(), 0);
        QVERIFY(field->edit()->hasFocus());

        // Enter takes the date moved to.
        QTest::keyClick(field->edit(), Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!field->calendar()->isVisible());
        QCOMPARE(field->text(), QString(" 2/ 2/1999"));
        QCOMPARE(spy.count(), 1);
        QVERIFY(field->edit()->hasFocus());
    }

    void comboFillSelectsOrEmptiesWithoutChange()
    {
        ComboField box;
        box.addItems({"Sereno", "Nuvolo", "Nebbia", "Pioggia"});
        QSignalSpy spy(&box, &ComboField::changedByUser);
        box.fill(3);
        QCOMPARE(box.currentText() + QString::number(box.index()), QString("Pioggia3"));
        for (int outside : {-1, 4, 1000}) {
            box.fill(outside);
            QCOMPARE(box.currentText() + QString::number(box.index()), QString("-1"));
        }
        QCOMPARE(spy.count(), 0);
    }

    void comboTypedTextIsNoEntryUnlessExactAndPickingIsAChange()
    {
        ComboField box;
        box.addItems({"Sereno", "Nebbia", "Neve"});
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.fill(0);
        QSignalSpy spy(&box, &ComboField::changedByUser);
        box.lineEdit()->selectAll();
        QTest::keyClicks(box.lineEdit(), "Nev");
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(box.count(), 3); // Enter adds no entry
        QCOMPARE(box.currentText() + QString::number(box.index()), QString("Nev-1"));
        QTest::keyClicks(box.lineEdit(), "e");
        QCOMPARE(box.index(), 2);
        QCOMPARE(spy.count(), 4);
        box.setCurrentIndex(1); // what the drop-down list does
        QCOMPARE(box.index(), 1);
        QCOMPARE(spy.count(), 5);
    }
};

static RegisterWidgetTest<DateAndComboFieldsTest> registered;

#include "date_and_combo_fields_test.moc"
