#include "framework/menu_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

bool actions_hold(const QList<QAction*>& actions, QKeyCombination key)
{
    for (const QAction* action : actions) {
        if (!action->isEnabled())
            continue;
        for (const QKeySequence& sequence : action->shortcuts())
            if (sequence.count() == 1 && sequence[0] == key)
                return true;
        if (const QMenu* menu = action->menu(); menu && actions_hold(menu->actions(), key))
            return true;
    }
    return false;
}

} // namespace

MenuShortcutPriority::MenuShortcutPriority(QMenuBar* bar) : QObject(bar), bar_(bar)
{
    qApp->installEventFilter(this);
}

bool MenuShortcutPriority::isMenuShortcut(QKeyCombination key) const
{
    const QKeyCombination plain(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key());
    return actions_hold(bar_->actions(), plain);
}

bool MenuShortcutPriority::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != bar_->window())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isMenuShortcut(key->keyCombination()))
        return false;
    // Unaccepted and kept from the widget: the shortcut map takes the key.
    event->ignore();
    return true;
}
