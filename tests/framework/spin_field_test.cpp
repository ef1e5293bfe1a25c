#include "framework/spin_field.h"
#include "widget_tests.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class SpinFieldTest : public QObject {
    Q_OBJECT

    // A shown, active window so that focus moves for real.
    struct Window {
        QWidget widget;
        SpinField* field;
        QLineEdit* other;
        explicit Window(SpinField::Kind kind)
        {
            auto* layout = new QVBoxLayout(&widget);
            field = new SpinField(kind);
            field->setDecimalSeparator(',');
            other = new QLineEdit;
            layout->addWidget(field);
            layout->addWidget(other);
            widget.show();
            widget.activateWindow();
        }
    };

private slots:
    void fillRaisesNoChange()
    {
        Window w(SpinField::Kind::Decimal);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->fill(12.5);
        QCOMPARE(w.field->text(), QString("12,5"));
        w.field->fill(20);
        QCOMPARE(w.field->text(), QString("20"));
        w.field->fillText(QStringLiteral("abc"));
        QCOMPARE(spy.count(), 0);
    }

    void typingOutOfRangeIsKeptUntilFocusLeaves()
    {
        Window w(SpinField::Kind::Integer);
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        w.field->setRange(0, 24);
        w.field->fill(0);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->setFocus();
        w.field->edit()->selectAll();
        QTest::keyClicks(w.field, "30");
        QCOMPARE(w.field->text(), QString("30"));
        QCOMPARE(w.field->value(), 30.0);
        QCOMPARE(spy.count(), 2); // "3", then "30"
        w.other->setFocus();
        QCOMPARE(w.field->text(), QString("24"));
        QCOMPARE(w.field->value(), 24.0);
        QCOMPARE(spy.count(), 3);
    }

    void clampsToLowerBoundAndLeavesInRangeAlone()
    {
        Window w(SpinField::Kind::Decimal);
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        w.field->setRange(-99, 99);
        w.field->fillText(QStringLiteral("-150,5"));
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->setFocus();
        w.other->setFocus();
        QCOMPARE(w.field->text(), QString("-99"));
        QCOMPARE(spy.count(), 1);
        w.field->fillText(QStringLiteral("12,25"));
        w.field->setFocus();
        w.other->setFocus();
        QCOMPARE(w.field->text(), QString("12,25"));
        QCOMPARE(spy.count(), 1);
    }

    void equalBoundsNeverClamp()
    {
        Window w(SpinField::Kind::Integer);
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        w.field->fillText(QStringLiteral("777"));
        w.field->setFocus();
        w.other->setFocus();
        QCOMPARE(w.field->text(), QString("777"));
    }

    void nonNumberReadsAsMinimum()
    {
        Window w(SpinField::Kind::Decimal);
        w.field->setRange(-99, 99);
        for (const char* text : {"", "abc", "12.5", "-"}) {
            w.field->fillText(QString::fromLatin1(text));
            QCOMPARE(w.field->value(), -99.0);
        }
        w.field->fillText(QStringLiteral("12,5"));
        QCOMPARE(w.field->value(), 12.5);

        Window i(SpinField::Kind::Integer);
        i.field->setRange(0, 400);
        i.field->fillText(QStringLiteral("12,5"));
        QCOMPARE(i.field->value(), 0.0);
    }

    void emptiedByUserEmitsAndStaysEmpty()
    {
        Window w(SpinField::Kind::Integer);
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        w.field->setRange(0, 59);
        w.field->fill(5);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->setFocus();
        w.field->edit()->selectAll();
        QTest::keyClick(w.field, Qt::Key_Delete);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(w.field->value(), 0.0);
        w.other->setFocus();
        QCOMPARE(w.field->text(), QString());
    }

    void stepsByOneOrHundredthWithinRange()
    {
        Window w(SpinField::Kind::Integer);
        w.field->setRange(0, 24);
        w.field->fill(23);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->stepBy(1);
        QCOMPARE(w.field->text(), QString("24"));
        w.field->stepBy(1);
        QCOMPARE(w.field->text(), QString("24"));
        QCOMPARE(spy.count(), 1); // the step at the bound changes nothing

        Window d(SpinField::Kind::Decimal);
        d.field->setRange(0, 99);
        d.field->fill(12.5);
        d.field->stepBy(1);
        QCOMPARE(d.field->text(), QString("12,51"));
        d.field->stepBy(-3);
        QCOMPARE(d.field->text(), QString("12,48"));
    }

    void typedLengthLimitOnlyStopsTyping()
    {
        Window w(SpinField::Kind::Decimal);
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        w.field->setRange(0, 99);
        w.field->setMaxTypedLength(4);
        w.field->fillText(QString());
        w.field->setFocus();
        QTest::keyClicks(w.field, "12,345");
        QCOMPARE(w.field->text(), QString("12,3"));

        w.field->fill(12.345);
        QCOMPARE(w.field->text(), QString("12,345"));
        w.field->edit()->end(false);
        QTest::keyClick(w.field, Qt::Key_Backspace);
        QCOMPARE(w.field->text(), QString("12,34"));
        QTest::keyClicks(w.field, "9");
        QCOMPARE(w.field->text(), QString("12,34"));
    }
};

static RegisterWidgetTest<SpinFieldTest> registered;

#include "spin_field_test.moc"
