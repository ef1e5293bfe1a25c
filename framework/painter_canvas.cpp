#include "framework/painter_canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include "framework/codec.h"

namespace {

// Where the Windows faces are missing, faces of the same kind and width.
void install_font_substitutes() {
    static const bool installed = [] {
        QFont::insertSubstitution("SmallFont", "DejaVu Sans");
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
        return true;
    }();
    (void)installed;
}

// Labels are plain ASCII, which reads the same in Windows-1252 and needs no converter.
QString shown_text(const std::string& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return decode_1252(bytes);
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QRect between(int left, int top, int right, int bottom) {
    // Right and bottom are excluded, as everywhere on the Canvas.
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

QPen painter_pen(Rgb colour, int width, PenStyle style) {
    return QPen(QColor(colour.red, colour.green, colour.blue), width,
                style == PenStyle::dash_dot ? Qt::DashDotLine : Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

PainterCanvas::PainterCanvas(QPainter* painter, QColor background, QColor text)
    : painter_(painter), background_(background), text_(text) {
    install_font_substitutes();
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

void PainterCanvas::use_pen() {
    if (!pen_changed_) return;
    painter_->setPen(painter_pen(pen_colour_, pen_width_, pen_style_));
    pen_changed_ = false;
}

void PainterCanvas::use_font() {
    if (!font_changed_) return;
    painter_->setFont(font_);
    font_changed_ = false;
}

void PainterCanvas::fillBackground(int left, int top, int right, int bottom) {
    painter_->fillRect(between(left, top, right, bottom), background_);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom) {
    use_pen();
    painter_->setBrush(background_);
    // The outline runs through the outermost pixels, centred on them like the pen of a line.
    painter_->drawRect(QRectF(left, top, right - left - 1, bottom - top - 1));
    painter_->setBrush(Qt::NoBrush);
}

void PainterCanvas::moveTo(int x, int y) { at_ = QPoint(x, y); }

void PainterCanvas::lineTo(int x, int y) {
    use_pen();
    const QPoint to(x, y);
    painter_->drawLine(at_, to);
    at_ = to;
}

void PainterCanvas::textOut(int x, int y, const std::string& text) {
    use_font();
    const QString shown = shown_text(text);
    const QFontMetrics metrics = painter_->fontMetrics();
    painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()), background_);
    painter_->setPen(text_);
    painter_->drawText(x, y + metrics.ascent(), shown);
    pen_changed_ = true;
}

int PainterCanvas::textHeight(const std::string&) {
    use_font();
    return painter_->fontMetrics().height();
}

int PainterCanvas::textWidth(const std::string& text) {
    use_font();
    return painter_->fontMetrics().horizontalAdvance(shown_text(text));
}

void PainterCanvas::setPenColour(Rgb colour) {
    pen_changed_ = pen_changed_ || colour != pen_colour_;
    pen_colour_ = colour;
}

void PainterCanvas::setPenWidth(int pixels) {
    pen_changed_ = pen_changed_ || pixels != pen_width_;
    pen_width_ = pixels;
}

void PainterCanvas::setPenStyle(PenStyle style) {
    pen_changed_ = pen_changed_ || style != pen_style_;
    pen_style_ = style;
}

void PainterCanvas::setFontFace(const std::string& face) {
    font_.setFamily(shown_text(face));
    font_changed_ = true;
}

void PainterCanvas::setFontSize(int points) {
    if (points > 0) font_.setPointSize(points);
    font_changed_ = true;
}

void PainterCanvas::setFontBold(bool bold) {
    font_.setBold(bold);
    font_changed_ = true;
}
