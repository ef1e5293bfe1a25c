#include "framework/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

void tab_lands_on_checked(QButtonGroup* group) {
    // Qt keeps Tab on the button focused last and moves the choice with the arrows only
    // from a checked button: the checked one must be the one Tab reaches, and take the
    // focus where the group holds it (also in a hidden window, for its next showing).
    auto follow = [group](QAbstractButton* checked) {
        for (QAbstractButton* b : group->buttons())
            b->setFocusPolicy(b == checked ? Qt::StrongFocus : Qt::ClickFocus);
        auto* focused = qobject_cast<QAbstractButton*>(checked->window()->focusWidget());
        if (focused && focused != checked && group->buttons().contains(focused)) checked->setFocus(Qt::OtherFocusReason);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [follow](QAbstractButton* b, bool on) {
        if (on) follow(b);
    });
    if (QAbstractButton* checked = group->checkedButton()) follow(checked);
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    for (const QString& text : items) {
        auto* b = new QRadioButton(text, this);
        // An item without caption is read with the group's.
        if (text.isEmpty()) b->setAccessibleName(caption);
        group_->addButton(b, int(items_.size()));
        items_.push_back(b);
    }
    tab_lands_on_checked(group_);
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
