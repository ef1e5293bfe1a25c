#include "framework/painter_canvas.h"
#include "widget_tests.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

// What reaches the painter; what it then puts on pixels is Qt's business.
class PainterCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void penReachesThePainterAndSurvivesTexts()
    {
        QImage image(200, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        PainterCanvas canvas(&painter, QColor(240, 240, 240), Qt::darkGray);
        canvas.setPenColour(colours::navy);
        canvas.setPenWidth(3);
        canvas.setPenStyle(PenStyle::dash_dot);
        canvas.moveTo(0, 0);
        canvas.lineTo(10, 10);
        QCOMPARE(painter.pen().color(), QColor(0, 0, 128));
        QCOMPARE(painter.pen().width(), 3);
        QCOMPARE(painter.pen().style(), Qt::DashDotLine);

        // A text is written in the text colour; the next line has the pen back.
        canvas.textOut(5, 5, "DECO");
        QCOMPARE(painter.pen().color(), QColor(Qt::darkGray));
        canvas.lineTo(20, 10);
        QCOMPARE(painter.pen().color(), QColor(0, 0, 128));
        QCOMPARE(painter.pen().width(), 3);

        canvas.setPenStyle(PenStyle::solid);
        canvas.setPenWidth(1);
        canvas.rectangle(0, 0, 50, 50);
        QCOMPARE(painter.pen().style(), Qt::SolidLine);
        QCOMPARE(painter.pen().width(), 1);
        QCOMPARE(painter.brush().style(), Qt::NoBrush);
    }

    void fontInPointsOfTheDeviceAndItsHeight()
    {
        for (const int dpi : {96, 600}) {
            QImage image(100, 100, QImage::Format_RGB32);
            image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
            image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
            QPainter painter(&image);
            PainterCanvas canvas(&painter, Qt::white);
            canvas.setFontFace("Times New Roman");
            canvas.setFontSize(8);
            canvas.setFontBold(true);
            const int height = canvas.textHeight("5");
            QCOMPARE(painter.font().pointSize(), 8);
            QVERIFY(painter.font().bold());
            QCOMPARE(height, QFontMetrics(painter.font(), &image).height());
            // 8 points are about 11 pixels at 96 dpi and 67 at 600.
            QVERIFY2(height > dpi * 8 / 72 && height < dpi * 8 / 72 * 2, qPrintable(QString::number(height)));
        }
    }
};

static RegisterWidgetTest<PainterCanvasTest> registered;
#include "painter_canvas_test.moc"
