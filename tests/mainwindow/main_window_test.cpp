#include <QAction>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "form_fixture.h"
#include "framework/status_bar.h"
#include "framework/text_fields.h"

namespace {

// A native logbook on disk with one dive per day given (January 2020), place = tag.
void write_logbook(const std::filesystem::path& p, std::initializer_list<int> days, const std::string& tag) {
    Clogbook lb(uint32_t(days.size()));
    uint32_t n = 0;
    for (int d : days) {
        lb.corrente = n;
        lb.set_nimm();
        lb.set_data(d, 1, 2020);
        lb.set_posto(tag);
        ++n;
    }
    lb.Scrivi(p);
}

}  // namespace

class MainWindowTest : public QObject, FormFixture {
    Q_OBJECT

private slots:
    void init() { set_up(); }
    void cleanup() { tear_down(); }

    void startState() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->size(), QSize(750, 594));
        QCOMPARE(form->logbook().num_imm, 1u);
        QCOMPARE(form->logbook().immersioni[0].nimm, 1);
        QCOMPARE(items(), QStringList{" 1 - "});
        QCOMPARE(form->windowTitle(), QString("Quorvel >>> untitled.qvl"));
        QVERIFY(form->StatusBar1->simplePanel());
        QCOMPARE(form->StatusBar1->simpleText(), QString());
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_data_luogo);
        QCOMPARE(form->StatusBar1->panel(5)->text(), QString("Imm.n°:"));
        QVERIFY(Form_Logo->isHidden() && FStat->isHidden() && Tipo->isHidden());
        QCOMPARE(FRinumera->windowTitle(), QString("Rinumera Immersioni"));
    }

    void menuCaptionsAndShortcuts() {
        QStringList got;
        for (QAction* menu : form->menuBar()->actions()) {
            got << menu->text();
            for (QAction* a : menu->menu()->actions()) got << a->text() + "=" + a->shortcut().toString();
        }
        QCOMPARE(got, (QStringList{"File", "Nuovo=Ctrl+F1", "Carica=F3", "Converti da Quorvel 1.0=Ctrl+F4",
                                   "Converti da DataTrak=F4", "Merge=Shift+F4", "Salva=F2", "Salva come=Ctrl+F2",
                                   "Esporta in UDDF...=", "Esporta in CSV...=", "=", "&Exit=Ctrl+X",
                                   "Immersioni", "&Inserisci=Shift+F10", "Ca&ncella=Ctrl+F10",
                                   "Stam&pa=Ctrl+P", "&Rinumera=Ctrl+R", "Statistiche=Ctrl+T", "Help",
                                   "A&bout=F1"}));
    }

    // Without a profile only the change of outer tab is refused: the focus moves on.
    void focusLeavesTheOuterTabRowWithoutAProfile() {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTabBar* bar = form->PageControl1->tabBar();
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            bar->setFocus(Qt::TabFocusReason);
            QTest::keyClick(bar, key);
            QVERIFY2(!bar->hasFocus(), qPrintable(QKeySequence(key).toString()));
        }
        bar->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_End}) QTest::keyClick(bar, key);
        QTest::keyClick(bar, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
        QVERIFY(bar->hasFocus());
    }

    // Centred on the screen, with a picture whether or not Logo200.gif could be read; any key closes it.
    void aboutBoxIsCentredAndClosesWithAnyKey() {
        QVERIFY(!Form_Logo->findChild<QLabel*>("Image1")->pixmap().isNull());
        form->show();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A}) {
            run(&TMainForm::About1Click);
            QVERIFY(Form_Logo->isVisible());
            const QPoint off = Form_Logo->frameGeometry().center() - form->screen()->availableGeometry().center();
            QVERIFY2(off.manhattanLength() <= 2, qPrintable(QString("%1,%2 off the centre").arg(off.x()).arg(off.y())));
            QTest::keyClick(Form_Logo, key);
            QVERIFY(Form_Logo->isHidden());
        }
    }

    // However small the window is made, the list shows its items and every editor field
    // stays within its tab.
    void shrinkingKeepsTheListAndTheEditorUsable() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->resize(100, 100);
        QApplication::processEvents();
        const int item_width = form->ListBox1->fontMetrics().horizontalAdvance("* 9999 - Portofino");
        QVERIFY2(form->ListBox1->viewport()->width() >= item_width, qPrintable(QString::number(form->ListBox1->width())));
        const QRect editor = QRect(form->PageControl2->mapTo(form.get(), QPoint()), form->PageControl2->size());
        QVERIFY(form->rect().contains(editor));
        for (auto [tab, panel] : {std::pair{form->Imm_data_luogo, form->Panel2}, std::pair{form->Imm_dati, form->Panel3},
                                  std::pair{form->imm_descrizioni, form->Panel4}}) {
            form->PageControl2->setCurrentWidget(tab);
            QApplication::processEvents();
            for (QWidget* field : panel->findChildren<QWidget*>()) {
                if (!field->isVisibleTo(form.get())) continue;  // a combo box's closed drop-down list
                const QRect in_panel(field->mapTo(panel, QPoint()), field->size());
                QVERIFY2(panel->rect().contains(in_panel), field->metaObject()->className());
            }
        }
        QVERIFY(form->commenti->height() >= 3 * form->commenti->fontMetrics().height());
    }

    void graphTabRefusedWithoutProfile() {
        form->show();
        QTabBar* bar = form->PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
        QVERIFY(form->StatusBar1->simplePanel());

        form->logbook().set_profilo("\x05\x06");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        QVERIFY(!form->StatusBar1->simplePanel());

        // Returning from a command does not run the tab-change step.
        run(&TMainForm::Statistiche1Click);
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
        QVERIFY(!form->StatusBar1->simplePanel());
        QVERIFY(FStat->isVisible());
    }

    void saveAndLoadRoundTrip() {
        form->logbook().set_posto("Elba");
        script.salva = {q(*dir / "a.qvl")};
        run(&TMainForm::SalvaCome1Click);
        QCOMPARE(form->nomefile, q(*dir / "a.qvl"));
        QCOMPARE(form->windowTitle(), "Quorvel >>> " + q(*dir / "a.qvl"));

        run(&TMainForm::Nuovo1Click);
        QCOMPARE(items(), QStringList{" 1 - "});
        script.apri = {q(*dir / "a.qvl")};
        run(&TMainForm::Carica1Click);
        QCOMPARE(script.apri_filters.back(), 1);
        QCOMPARE(script.apri_names.back(), QString("*.qvl"));
        QCOMPARE(items(), QStringList{" 1 - Elba"});
        QVERIFY(errors.messages.empty());

        // Save goes to nomefile without a dialog.
        form->logbook().set_posto("Ustica");
        run(&TMainForm::Salva1Click);
        Clogbook back(1);
        back.Leggi(*dir / "a.qvl");
        QCOMPARE(back.immersioni[0].posto, std::string("Ustica"));
        QCOMPARE(script.salva_shown, 1);
    }

    void cancelledDialogsChangeNothing() {
        form->logbook().set_posto("x");
        script.apri = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
        script.answers = {true};
        script.salva = {std::nullopt};
        for (auto h : {&TMainForm::Carica1Click, &TMainForm::ConvertidaQuorvel101Click,
                       &TMainForm::ConvertidaDataTrak1Click, &TMainForm::Merge1Click, &TMainForm::SalvaCome1Click})
            run(h);
        QCOMPARE(form->logbook().immersioni[0].posto, std::string("x"));
        QCOMPARE(form->nomefile, QString("untitled.qvl"));
        QCOMPARE(script.apri_filters, (std::vector<int>{1, 1, 2, 1}));
        QVERIFY(errors.messages.empty());
        QCOMPARE(dir->entry_count(), size_t(0));
    }

    void failedReadsAndSaveKeepLogbookAndName() {
        const auto truncated = *dir / "t.qvl";
        write_logbook(truncated, {1, 2, 3}, "t");
        std::string bytes = read_bytes(truncated);
        write_bytes(truncated, bytes.substr(0, bytes.size() - 10));
        write_bytes(*dir / "short.log", "abc");
        write_bytes(*dir / "foreign.qvl", std::string("\xff\xff\xff\x7f garbage", 12));

        form->logbook().set_posto("keep");
        script.answers = {true};
        script.apri = {q(*dir / "missing.qvl"), q(truncated), q(*dir / "foreign.qvl"), q(truncated),
                       q(*dir / "short.log"), q(truncated)};
        script.salva = {q(*dir / "no" / "such" / "x.qvl")};
        for (auto h : {&TMainForm::Carica1Click, &TMainForm::Carica1Click, &TMainForm::Carica1Click,
                       &TMainForm::ConvertidaQuorvel101Click, &TMainForm::ConvertidaDataTrak1Click,
                       &TMainForm::Merge1Click, &TMainForm::SalvaCome1Click})
            run(h);
        QCOMPARE(errors.messages.size(), size_t(7));
        QVERIFY(errors.messages[0].startsWith("Cannot open file"));
        QCOMPARE(errors.messages[1], QString("Stream read error"));
        QCOMPARE(form->logbook().num_imm, 1u);
        QCOMPARE(form->logbook().immersioni[0].posto, std::string("keep"));
        QCOMPARE(form->nomefile, QString("untitled.qvl"));
        QCOMPARE(script.salva_shown, 1);
    }

    void mergeYesAndNo() {
        write_logbook(*dir / "a.qvl", {1, 5, 9, 20}, "a");
        write_logbook(*dir / "b.qvl", {3, 5}, "b");
        script.apri = {q(*dir / "a.qvl"), q(*dir / "b.qvl")};
        run(&TMainForm::Carica1Click);
        script.answers = {true};
        script.salva = {q(*dir / "m.qvl")};
        run(&TMainForm::Merge1Click);
        QCOMPARE(script.questions, std::vector<QString>{"ATTENZIONE|Unisco solo le immersioni diverse?"});
        QCOMPARE(script.apri_names.back(), QString());
        QCOMPARE(items(), (QStringList{" 1 - a", " 2 - b", " 3 - a", " 4 - a", " 5 - a"}));
        QCOMPARE(form->logbook().corrente, 4u);
        QCOMPARE(form->nomefile, q(*dir / "m.qvl"));
        QCOMPARE(peek_count(*dir / "m.qvl"), 5u);

        script.answers = {false};
        script.apri = {q(*dir / "b.qvl")};
        script.salva = {std::nullopt};
        run(&TMainForm::Merge1Click);
        QCOMPARE(items().mid(0, 4), (QStringList{" 1 - a", " 2 - b", " 3 - b", " 4 - b"}));
        QCOMPARE(form->logbook().num_imm, 7u);
        QCOMPARE(form->nomefile, q(*dir / "m.qvl"));
    }

    void dataTrakImportWithCancelledSaveIsUntitled() {
        write_logbook(*dir / "old.qvl", {1}, "old");
        script.apri = {q(*dir / "old.qvl")};
        run(&TMainForm::Carica1Click);
        const std::string before = read_bytes(*dir / "old.qvl");

        // A DataTrak file of zero dives: the 12-byte header only.
        write_bytes(*dir / "dt.log", std::string(12, '\0'));
        script.apri = {q(*dir / "dt.log")};
        script.salva = {std::nullopt};
        run(&TMainForm::ConvertidaDataTrak1Click);
        QCOMPARE(script.apri_filters.back(), 2);
        QCOMPARE(script.apri_names.back(), QString("*.log"));
        QCOMPARE(script.salva_shown, 1);
        QCOMPARE(form->nomefile, QString("untitled.qvl"));
        QCOMPARE(read_bytes(*dir / "old.qvl"), before);
    }

    void closingWithCancelledSaveWritesNothing() {
        form->show();
        script.salva = {std::nullopt};
        QVERIFY(form->close());
        QCOMPARE(script.salva_shown, 1);
        QCOMPARE(dir->entry_count(), size_t(0));
    }

private:
    static uint32_t peek_count(const std::filesystem::path& p) {
        const std::string b = read_bytes(p);
        return uint8_t(b[0]) | uint8_t(b[1]) << 8 | uint8_t(b[2]) << 16 | uint32_t(uint8_t(b[3])) << 24;
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
