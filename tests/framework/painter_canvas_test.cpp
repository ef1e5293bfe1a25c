#include "framework/painter_canvas.h"
#include "widget_tests.h"

#include <QImage>
#include <QPainter>

// What reaches the painter; what it then puts on pixels is Qt's business.
TEST(PainterCanvas, PenSurvivesTextsAndFontPointsScaleWithTheDevice) {
    QImage image(100, 100, QImage::Format_RGB32); // 600 dpi, as a printer
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    QPainter painter(&image);
    PainterCanvas canvas(&painter, Qt::white, Qt::darkGray);
    canvas.setPenColour(colours::navy);
    canvas.setPenWidth(3);
    canvas.setPenStyle(PenStyle::dash_dot);
    canvas.lineTo(10, 10);
    canvas.textOut(5, 5, "DECO");
    EXPECT_EQ(painter.pen().color(), QColor(Qt::darkGray));
    canvas.lineTo(20, 10);
    EXPECT_EQ(painter.pen().color(), QColor(0, 0, 128));
    EXPECT_EQ(painter.pen().width(), 3);
    EXPECT_EQ(painter.pen().style(), Qt::DashDotLine);

    canvas.setFontSize(8);
    const int height = canvas.textHeight("5");
    // 8 points are about 67 pixels at 600 dpi, 11 at the screen's 96.
    EXPECT_GT(height, 600 * 8 / 72);
    EXPECT_LT(height, 600 * 8 / 72 * 2);
}
