#pragma once

// Key preview: a window sees every key pressed in it before the focused control,
// which still gets the key.

#include <QObject>
#include <functional>

class QWidget;

class KeyPreview : public QObject {
public:
    KeyPreview(QWidget* window, std::function<void(int key)> on_key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void(int)> on_key_;
};
