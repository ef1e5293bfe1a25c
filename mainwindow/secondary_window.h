#pragma once

// A window created at start-up and kept for the whole run, hidden until shown,
// shown without modality and brought to the front.

#include <QDialog>
#include <QWidget>

inline void bring_to_front(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    SecondaryWindow(const QString& caption, QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {
        setWindowTitle(caption);
    }
    void mostra() { bring_to_front(this); }
};

// The small dialogs: Enter presses their default button. They take the main window's
// font and are shown modeless like every other secondary window.
class SecondaryDialog : public QDialog {
    Q_OBJECT
public:
    SecondaryDialog(const QString& caption, QWidget* parent = nullptr) : QDialog(parent) {
        setWindowTitle(caption);
        if (parent) setFont(parent->font());
    }
    void mostra() { bring_to_front(this); }
};
