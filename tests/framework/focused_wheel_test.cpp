#include "framework/combo_field.h"
#include "framework/spin_field.h"
#include "user_wheel.h"
#include "widget_tests.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

// Over a field the user is not in, the wheel scrolls the page and edits nothing; in the
// field the user works in, it steps the field and the page stays.
TEST(FocusedWheel, TurnsAFieldOnlyWhileItHasTheFocusAndElseScrolls)
{
    QScrollArea area;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* other = new QLineEdit;
    auto* spin = new SpinField(SpinField::Kind::Integer);
    spin->setRange(0, 99);
    auto* combo = new ComboField;
    combo->addItems({"Nessuna", "Mutino"});
    layout->addSpacing(1000);
    for (QWidget* w : {static_cast<QWidget*>(other), static_cast<QWidget*>(spin), static_cast<QWidget*>(combo)})
        layout->addWidget(w);
    layout->addSpacing(1000);
    area.setWidget(page);
    area.resize(300, 400);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    area.ensureWidgetVisible(spin, 0, 150);
    spin->fill(15);
    combo->fill(1);
    QScrollBar* scroll = area.verticalScrollBar();
    for (QWidget* field : {static_cast<QWidget*>(spin), static_cast<QWidget*>(combo)}) {
        other->setFocus();
        const int before = scroll->value();
        user_wheel(field, 1);
        EXPECT_LT(scroll->value(), before);
        EXPECT_TRUE(other->hasFocus());
        field->setFocus();
        const int focused = scroll->value();
        user_wheel(field, 1);
        EXPECT_EQ(scroll->value(), focused);
    }
    EXPECT_EQ(spin->text() + "|" + combo->currentText(), "16|Nessuna");
}
