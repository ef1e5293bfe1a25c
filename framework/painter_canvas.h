#pragma once

// The Canvas over a QPainter: the screen's paint events and the printer draw through
// it alike, so nothing here assumes a widget. Sizes are device pixels, fonts are set
// in points and so scale with the device's resolution.

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>

#include "framework/core/canvas.h"

class QPainter;

// The QPen for a Canvas pen. Square ends: round ones cost ten times as much to draw in
// widths of 2 and 3 pixels, and the graph draws thousands of such lines whenever its
// picture is made anew.
QPen painter_pen(Rgb colour, int width, PenStyle style);

class PainterCanvas : public Canvas {
public:
    // `background` fills rectangles and the cell behind each text; texts are written
    // in `text` colour, whatever the pen.
    PainterCanvas(QPainter* painter, QColor background, QColor text = Qt::black);

    void fillBackground(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, const std::string& text) override;
    int textHeight(const std::string& text) override;
    int textWidth(const std::string& text) override;

    void setPenColour(Rgb colour) override;
    void setPenWidth(int pixels) override;
    void setPenStyle(PenStyle style) override;

    void setFontFace(const std::string& face) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;

private:
    // Pen and font reach the painter only when used and changed: the graph sets its
    // pen far more often than it draws with a new one.
    void use_pen();
    void use_font();

    QPainter* painter_;
    QColor background_;
    QColor text_;
    Rgb pen_colour_{};
    int pen_width_ = 1;
    PenStyle pen_style_ = PenStyle::solid;
    QFont font_;
    bool pen_changed_ = true;
    bool font_changed_ = true;
    QPoint at_;
};
