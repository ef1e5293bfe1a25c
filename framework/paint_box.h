#pragma once

// A paint area: its owner draws on a Canvas at every paint and hears every mouse
// movement, also while a drag that started here goes outside it.

#include <QColor>
#include <QWidget>
#include <functional>

class Canvas;

class PaintBox : public QWidget {
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(Canvas&)> onPaint;
    std::function<void(int x, int y)> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
