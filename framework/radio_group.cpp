#include "framework/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    // Three items fit a group 57 pixels high only without spacing.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 0, 2, 1);
    column->setSpacing(0);
    for (const QString& text : items) {
        auto* b = new QRadioButton(text, this);
        group_->addButton(b, int(items_.size()));
        column->addWidget(b);
        items_.push_back(b);
    }
    setItemIndex(0);
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && size_t(index) < items_.size()) items_[size_t(index)]->setChecked(true);
}
