#include "framework/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "framework/painter_canvas.h"

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The owner paints every pixel it needs; the rest keeps the window's colour.
    setAutoFillBackground(true);
}

void PaintBox::paintEvent(QPaintEvent*) {
    if (!onPaint) return;
    QPainter painter(this);
    PainterCanvas canvas(&painter, palette().color(QPalette::Window), palette().color(QPalette::WindowText));
    onPaint(canvas);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (onMouseMove) onMouseMove(at.x(), at.y());
}
