#pragma once

// Text fields claim standard keys such as Ctrl+X before shortcuts see them. Installed
// for a menu bar, this lets every shortcut of the bar's actions win over the focused
// widget of the bar's window; other keys reach the widget as usual.

#include <QObject>

class QMenuBar;

class MenuShortcutPriority : public QObject {
    Q_OBJECT
public:
    // Owned by the menu bar; watches the application's events from now on.
    explicit MenuShortcutPriority(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isMenuShortcut(QKeyCombination key) const;

    QMenuBar* bar_;
};
