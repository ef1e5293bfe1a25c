#include "framework/spin_field.h"
#include "widget_tests.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

class SpinFieldTest : public QObject {
    Q_OBJECT
    using Kind = SpinField::Kind;

    // A shown, active window so that focus moves for real.
    struct Window {
        QWidget widget;
        SpinField* field;
        QLineEdit* other = new QLineEdit;
        Window(Kind kind, double minimum, double maximum) : field(new SpinField(kind))
        {
            field->setDecimalSeparator(',');
            field->setRange(minimum, maximum);
            auto* layout = new QVBoxLayout(&widget);
            layout->addWidget(field);
            layout->addWidget(other);
            widget.show();
            widget.activateWindow();
            (void)QTest::qWaitForWindowActive(&widget);
            field->setFocus();
        }
        void leave() { other->setFocus(); }
    };

private slots:
    void typedTextOutsideTheRangeIsKeptUntilFocusLeaves()
    {
        Window w(Kind::Integer, 0, 24);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->edit()->selectAll();
        QTest::keyClicks(w.field, "30");
        QCOMPARE(w.field->text(), QString("30"));
        QCOMPARE(w.field->value(), 30.0);
        QCOMPARE(spy.count(), 2); // "3", then "30"
        w.leave();
        QCOMPARE(w.field->text(), QString("24"));
        QCOMPARE(spy.count(), 3);
    }

    // What a text reads as, and what the field shows once the focus leaves: the value it
    // reads as, clamped; fillText() is no change.
    void textReadsAsItsNumberOrTheMinimumAndFocusLossShowsThatValue()
    {
        struct Case { Kind kind; double minimum, maximum; const char* text; double value; const char* after; };
        const Case cases[] = {{Kind::Decimal, -99, 99, "-150,5", -150.5, "-99"},
                              {Kind::Decimal, -99, 99, "150", 150, "99"},
                              {Kind::Decimal, -99, 99, "12,25", 12.25, "12,25"},
                              {Kind::Decimal, -99, 99, "12,50", 12.5, "12,50"},
                              {Kind::Decimal, -99, 99, "12.5", -99, "-99"},
                              {Kind::Decimal, -99, 99, "abc", -99, "-99"},
                              {Kind::Decimal, -99, 99, "-", -99, "-99"},
                              {Kind::Integer, 5, 59, "", 5, "5"},
                              {Kind::Integer, 5, 400, "12,5", 5, "5"},
                              {Kind::Integer, 0, 24, "1O", 0, "0"},
                              {Kind::Integer, 0, 0, "777", 777, "777"}}; // equal bounds: no range
        for (const Case& c : cases) {
            Window w(c.kind, c.minimum, c.maximum);
            QSignalSpy spy(w.field, &SpinField::changedByUser);
            w.field->fillText(QString::fromLatin1(c.text));
            QCOMPARE(w.field->value(), c.value);
            w.leave();
            QCOMPARE(w.field->text(), QString::fromLatin1(c.after));
            QCOMPARE(spy.count(), QString(c.text) == c.after ? 0 : 1);
        }
    }

    // The field's own context menu (to paste, say) is no leaving: the text being typed stays.
    void ownContextMenuKeepsTheTextBeingTyped()
    {
        Window w(Kind::Integer, 5, 59);
        w.field->fillText(QString());
        QString during = "menu never shown";
        QTimer::singleShot(0, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                during = w.field->text();
                menu->close();
            }
        });
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), w.field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.field, &menu);
        QCOMPARE(during, QString());
    }

    void fillIsNoChangeAndStepsGoByOneOrHundredthWithinRange()
    {
        Window w(Kind::Integer, 0, 24);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->fill(23.7);
        QCOMPARE(w.field->text(), QString("23")); // cut, not rounded
        QCOMPARE(spy.count(), 0);
        w.field->stepBy(1);
        w.field->stepBy(1);
        QCOMPARE(w.field->text(), QString("24"));
        QCOMPARE(spy.count(), 1); // the step at the bound changes nothing

        Window d(Kind::Decimal, 0, 99);
        d.field->fill(12.5);
        QCOMPARE(d.field->text(), QString("12,5"));
        d.field->stepBy(1);
        QCOMPARE(d.field->text(), QString("12,51"));
        d.field->stepBy(-3);
        QCOMPARE(d.field->text(), QString("12,48"));
    }

    void typedLengthLimitOnlyStopsTyping()
    {
        Window w(Kind::Decimal, 0, 99);
        w.field->setMaxTypedLength(4);
        w.field->fillText(QString());
        QTest::keyClicks(w.field, "12,345");
        QCOMPARE(w.field->text(), QString("12,3"));

        w.field->fill(12.345);
        QCOMPARE(w.field->text(), QString("12,345"));
        w.field->edit()->end(false);
        QTest::keyClick(w.field, Qt::Key_Backspace);
        QTest::keyClicks(w.field, "9");
        QCOMPARE(w.field->text(), QString("12,34"));
    }
};

static RegisterWidgetTest<SpinFieldTest> registered;

#include "spin_field_test.moc"
