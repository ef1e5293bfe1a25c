#include "framework/menu_shortcuts.h"
#include "framework/status_bar.h"
#include "widget_tests.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class MenuAndStatusBarsTest : public QObject {
    Q_OBJECT
private slots:
    void menuShortcutWinsOverTextFieldsOnlyWithThePriority()
    {
        for (const bool guarded : {true, false}) {
            QMainWindow main;
            QAction* exit = main.menuBar()->addMenu("&File")->addAction("Esci");
            exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
            auto* edit = new QLineEdit;
            auto* memo = new QPlainTextEdit;
            auto* central = new QWidget;
            auto* layout = new QVBoxLayout(central);
            layout->addWidget(edit);
            layout->addWidget(memo);
            main.setCentralWidget(central);
            if (guarded)
                new MenuShortcutPriority(main.menuBar());
            main.show();
            QVERIFY(QTest::qWaitForWindowActive(&main));

            QSignalSpy spy(exit, &QAction::triggered);
            for (QWidget* field : {static_cast<QWidget*>(edit), static_cast<QWidget*>(memo)}) {
                field->setFocus();
                QTest::keyClicks(field, "abc");
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); // not a menu key
                QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
            }
            const QString left = guarded ? "abc" : ""; // selected, but cut only without it
            QCOMPARE(spy.count(), guarded ? 2 : 0);
            QCOMPARE(edit->text(), left);
            QCOMPARE(memo->toPlainText(), left);
            QCOMPARE(memo->textCursor().selectedText(), left);
        }
    }

    void statusBarPanelModeNeverWidensTheWindow()
    {
        // Panels wider together than the window, as on the graph tab.
        QMainWindow window;
        auto* bar = new ModeStatusBar({{"Uno:", 200, Qt::AlignLeft}, {"Due:", 160, Qt::AlignLeft},
                                       {"Tre:", 160, Qt::AlignHCenter}, {"Quattro:", 240, Qt::AlignLeft},
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

static RegisterWidgetTest<MenuAndStatusBarsTest> registered;

#include "menu_and_status_bars_test.moc"
