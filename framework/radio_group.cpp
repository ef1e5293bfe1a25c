#include "framework/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    for (const QString& text : items) {
        auto* b = new QRadioButton(text, this);
        group_->addButton(b, int(items_.size()));
        items_.push_back(b);
    }
    setItemIndex(0);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && size_t(index) < items_.size()) items_[size_t(index)]->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    // Items 14 pixels apart from just under the caption, as in the small dialogs, where
    // three items share a group 57 pixels high; a layout would want more room.
    for (size_t i = 0; i < items_.size(); ++i) items_[i]->setGeometry(8, 13 + 14 * int(i), width() - 12, 15);
}
