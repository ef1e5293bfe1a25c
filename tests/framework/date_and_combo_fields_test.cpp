#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "widget_tests.h"

#include <QCalendarWidget>

// Alt+Down opens the calendar on the field's date; Esc closes it unchanged, Enter takes
// the date moved to, and the focus returns to the field either way.
TEST(DateField, CalendarKeys) {
    QWidget window;
    auto* field = new DateField(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->fill(1, 2, 1999);
    QSignalSpy spy(field, &DateField::changedByUser);
    field->edit()->setFocus();
    struct Step { Qt::Key closing; bool moveOn; const char* text; int changes; };
    const Step steps[] = {{Qt::Key_Escape, true, " 1/ 2/1999", 0},
                          {Qt::Key_Return, true, " 2/ 2/1999", 1},
                          {Qt::Key_Return, false, " 2/ 2/1999", 1}}; // the same date is no change
    for (const Step& step : steps) {
        QTest::keyClick(field->edit(), Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(field->calendar()->isVisible());
        if (step.moveOn)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // to the 2nd
        QTest::keyClick(QApplication::focusWidget(), step.closing);
        EXPECT_FALSE(field->calendar()->isVisible());
        EXPECT_EQ(field->text(), step.text);
        EXPECT_EQ(spy.count(), step.changes);
        EXPECT_TRUE(field->edit()->hasFocus());
    }
}

TEST(ComboField, IndexFollowsTheExactTextOnly) {
    ComboField box;
    box.addItems({"Sereno", "Nebbia", "Neve"});
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.fill(0);
    QSignalSpy spy(&box, &ComboField::changedByUser);
    box.lineEdit()->selectAll();
    QTest::keyClicks(box.lineEdit(), "Nev");
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(box.count(), 3); // Enter adds no entry
    EXPECT_EQ(box.index(), -1);
    QTest::keyClicks(box.lineEdit(), "e");
    EXPECT_EQ(box.index(), 2);
    EXPECT_EQ(spy.count(), 4);
}
