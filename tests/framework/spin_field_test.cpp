#include "framework/spin_field.h"
#include "widget_tests.h"

#include <QContextMenuEvent>
#include <QTimer>

using Kind = SpinField::Kind;

// A shown, active window so that focus moves for real.
struct Window {
    QWidget widget;
    SpinField* field;
    QLineEdit* other = new QLineEdit(&widget);
    Window(Kind kind, double minimum, double maximum) : field(new SpinField(kind, &widget)) {
        field->setDecimalSeparator(',');
        field->setRange(minimum, maximum);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
        field->setFocus();
    }
};

// Once the focus leaves, the field shows the value its text reads as, clamped.
TEST(SpinField, TextSettlesToItsClampedValueWhenFocusLeaves) {
    struct Case { Kind kind; double minimum, maximum; const char* text; double value; const char* after; };
    const Case cases[] = {{Kind::Decimal, -99, 99, "-150,5", -150.5, "-99"},
                          {Kind::Decimal, -99, 99, "12,50", 12.5, "12,50"},
                          {Kind::Integer, 5, 59, "1x", 5, "5"},  // not a number: the minimum
                          {Kind::Integer, 5, 59, "99999999999", 2147483647, "59"},  // a number, past 32 bits
                          {Kind::Integer, 0, 0, "777", 777, "777"}}; // equal bounds: no range
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Window w(c.kind, c.minimum, c.maximum);
        QSignalSpy spy(w.field, &SpinField::changedByUser);
        w.field->fillText(c.text);
        EXPECT_EQ(w.field->value(), c.value);
        w.other->setFocus();
        EXPECT_EQ(w.field->text(), c.after);
        EXPECT_EQ(spy.count(), QString(c.text) == c.after ? 0 : 1);
    }
}

// The field's own context menu (to paste, say) is no leaving: the text being typed stays.
TEST(SpinField, OwnContextMenuKeepsTheTextBeingTyped) {
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
    EXPECT_EQ(during, QString());
}

// Steps stop at the bound; the length limit stops typing only: a longer filled text
// shows and may be shortened.
TEST(SpinField, StepsAndTypedLengthLimit) {
    Window w(Kind::Integer, 0, 24);
    QSignalSpy spy(w.field, &SpinField::changedByUser);
    w.field->fill(23.7); // no change, and cut rather than rounded: the first step changes
    w.field->stepBy(1);
    w.field->stepBy(1);
    EXPECT_EQ(w.field->text() + "|" + QString::number(spy.count()), "24|1");

    Window d(Kind::Decimal, 0, 99);
    d.field->fill(12.5);
    d.field->stepBy(-3);
    EXPECT_EQ(d.field->text(), "12,47");
    d.field->setMaxTypedLength(4);
    d.field->fillText(QString());
    QTest::keyClicks(d.field, "12,345");
    EXPECT_EQ(d.field->text(), "12,3");
    d.field->fill(12.345);
    d.field->edit()->end(false);
    QTest::keyClick(d.field, Qt::Key_Backspace);
    QTest::keyClicks(d.field, "9");
    EXPECT_EQ(d.field->text(), "12,34");
}
