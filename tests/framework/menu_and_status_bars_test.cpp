#include "framework/menu_shortcuts.h"
#include "framework/status_bar.h"
#include "widget_tests.h"

#include <QMainWindow>
#include <QMenuBar>

// Ctrl+X is the menu's, not the focused field's "cut"; Ctrl+A still selects.
TEST(MenuShortcutPriority, MenuShortcutWinsOverTextFields) {
    QMainWindow main;
    QAction* exit = main.menuBar()->addMenu("&File")->addAction("Esci");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    auto* edit = new QLineEdit;
    main.setCentralWidget(edit);
    new MenuShortcutPriority(main.menuBar());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QSignalSpy spy(exit, &QAction::triggered);
    edit->setFocus();
    QTest::keyClicks(edit, "abc");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(edit->text() + "|" + edit->selectedText(), "abc|abc");
}

// Panels wider together than the window, as on the graph tab.
TEST(ModeStatusBar, PanelModeNeverWidensTheWindow) {
    QMainWindow window;
    auto* bar = new ModeStatusBar({{"Uno:", 200, Qt::AlignLeft}, {"Due:", 160, Qt::AlignLeft},
                                   {"Tre:", 160, Qt::AlignHCenter}, {"Quattro:", 240, Qt::AlignLeft}},
                                  &window);
    window.setStatusBar(bar);
    window.setCentralWidget(new QWidget);
    window.resize(700, 594);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bar->setSimplePanel(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.width(), 700);
    EXPECT_LT(window.minimumSizeHint().width(), 700);
    EXPECT_EQ(bar->panel(3)->width(), 240); // cut off by the edge, not squeezed
    EXPECT_GT(bar->panel(3)->x(), bar->panel(2)->x() + 160);
    EXPECT_FALSE(bar->panel(0)->visibleRegion().isEmpty());
    bar->setSimplePanel(true);
    EXPECT_FALSE(bar->panel(0)->isVisibleTo(&window));
}
