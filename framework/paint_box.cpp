#include "framework/paint_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "framework/painter_canvas.h"

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The owner paints every pixel it needs; the rest keeps the window's colour.
    setAutoFillBackground(true);
}

void PaintBox::draw_picture(QPainter& painter) {
    PainterCanvas canvas(&painter, palette().color(QPalette::Window), palette().color(QPalette::WindowText));
    onPaint(canvas);
}

void PaintBox::keep_picture() {
    std::string key = pictureKey();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!picture_.isNull() && picture_.size() == pixels && picture_.devicePixelRatio() == ratio &&
        key == picture_key_)
        return;
    picture_ = QPixmap(pixels);
    picture_.setDevicePixelRatio(ratio);
    QPainter painter(&picture_);
    // What the background fill puts under a direct paint.
    painter.fillRect(rect(), palette().brush(backgroundRole()));
    draw_picture(painter);
    picture_key_ = std::move(key);
}

void PaintBox::paintEvent(QPaintEvent* event) {
    if (!onPaint) return;
    QPainter painter(this);
    if (pictureKey) {
        keep_picture();
        // Only the strips asked for: a moved marker uncovers two narrow ones.
        for (const QRect& r : event->region()) painter.drawPixmap(r, picture_, QRectF(r.topLeft() * picture_.devicePixelRatio(), r.size() * picture_.devicePixelRatio()));
    } else {
        draw_picture(painter);
    }
    if (onPainted) onPainted();
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (onMouseMove) onMouseMove(at.x(), at.y());
}

void PaintBox::changeEvent(QEvent* event) {
    const QEvent::Type t = event->type();
    if (t == QEvent::PaletteChange || t == QEvent::FontChange || t == QEvent::StyleChange ||
        t == QEvent::LocaleChange)
        forget_picture();
    QWidget::changeEvent(event);
}
