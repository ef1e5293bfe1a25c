#include "framework/menu_shortcuts.h"
#include "widget_tests.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class MenuShortcutsTest : public QObject {
    Q_OBJECT

    struct Window {
        QMainWindow main;
        QAction* exit;
        QLineEdit* edit = new QLineEdit;
        QPlainTextEdit* memo = new QPlainTextEdit;
        explicit Window(bool guarded)
        {
            exit = main.menuBar()->addMenu("&File")->addAction("Esci");
            exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
            auto* central = new QWidget;
            auto* layout = new QVBoxLayout(central);
            layout->addWidget(edit);
            layout->addWidget(memo);
            main.setCentralWidget(central);
            if (guarded)
                new MenuShortcutPriority(main.menuBar());
            main.show();
        }
    };

private slots:
    void menuShortcutWinsOverTextFields()
    {
        Window w(true);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QSignalSpy spy(w.exit, &QAction::triggered);
        for (QWidget* field : {static_cast<QWidget*>(w.edit), static_cast<QWidget*>(w.memo)}) {
            field->setFocus();
            QTest::keyClicks(field, "abc");
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); // not a menu key
            QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(spy.count(), 2);
        QCOMPARE(w.edit->text(), QString("abc")); // selected, but not cut
        QCOMPARE(w.memo->toPlainText(), QString("abc"));
    }

    void withoutItTheFieldTakesTheKey()
    {
        Window w(false);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QSignalSpy spy(w.exit, &QAction::triggered);
        w.edit->setFocus();
        QTest::keyClicks(w.edit, "abc");
        w.edit->selectAll();
        QTest::keyClick(w.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(w.edit->text(), QString());
    }
};

static RegisterWidgetTest<MenuShortcutsTest> registered;

#include "menu_shortcuts_test.moc"
