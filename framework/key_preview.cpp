#include "framework/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, std::function<void(int key)> on_key)
    : QObject(window), window_(window), on_key_(std::move(on_key)) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Only the key's first delivery: to the focused control, or to the window
        // itself when nothing has the focus (an unused key travels on to the parents).
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : window_;
        if (watched == first && first->window() == window_) on_key_(static_cast<QKeyEvent*>(event)->key());
    }
    return false;
}
