#include "framework/status_bar.h"
#include "widget_tests.h"

#include <QMainWindow>
#include <QTest>

class StatusBarTest : public QObject {
    Q_OBJECT

private slots:
    void panelModeNeverWidensTheWindow()
    {
        // Panels wider together than the window, as on the graph tab.
        QMainWindow window;
        auto* bar = new ModeStatusBar({{"Uno:", 200, Qt::AlignLeft},
                                       {"Due:", 160, Qt::AlignLeft},
                                       {"Tre:", 160, Qt::AlignHCenter},
                                       {"Quattro:", 240, Qt::AlignLeft},
                                       {" ", 50, Qt::AlignLeft}},
                                      &window);
        window.setStatusBar(bar);
        window.setCentralWidget(new QWidget);
        window.resize(750, 594);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        bar->setSimplePanel(false);
        QCoreApplication::processEvents();
        QCOMPARE(window.width(), 750);
        QVERIFY(window.minimumSizeHint().width() < 750);
        // The panels keep their widths and order; the last ones run past the edge.
        QCOMPARE(bar->panel(0)->width(), 200);
        QCOMPARE(bar->panel(3)->width(), 240);
        for (int i = 1; i < bar->panelCount(); ++i)
            QVERIFY(bar->panel(i)->x() >= bar->panel(i - 1)->x() + bar->panel(i - 1)->width());
        QVERIFY(bar->panel(4)->isVisibleTo(&window));
        QVERIFY(!bar->panel(0)->visibleRegion().isEmpty());

        bar->setSimplePanel(true);
        QVERIFY(!bar->panel(0)->isVisibleTo(&window));
        QCOMPARE(window.width(), 750);
    }
};

static RegisterWidgetTest<StatusBarTest> registered;

#include "status_bar_test.moc"
