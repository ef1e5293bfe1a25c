#pragma once

// A paint area: its owner draws on a Canvas at every paint and hears every mouse
// movement, also while a drag that started here goes outside it.
//
// With a picture key the drawing is kept as an image: a paint shows the kept image
// again while the key, the size and the look (palette, font, style) stay the same, and
// asks the owner to draw only when one of them has changed. A marker moved over the
// area then costs a copy of the strips it uncovers instead of a whole drawing.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

class Canvas;

class PaintBox : public QWidget {
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(Canvas&)> onPaint;
    // After every paint, whether the picture was drawn anew or shown again.
    std::function<void()> onPainted;
    std::function<void(int x, int y)> onMouseMove;
    // Whatever the picture depends on beyond the size and the look; empty: no keeping.
    std::function<std::string()> pictureKey;

    // The next paint draws the picture anew; nothing is repainted now.
    void forget_picture() { picture_ = QPixmap(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void draw_picture(QPainter& painter);
    // Draws the picture into picture_ unless the kept one still holds.
    void keep_picture();

    QPixmap picture_;
    std::string picture_key_;
};
