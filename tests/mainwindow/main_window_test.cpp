#include "export/uddf_export.h"
#include "form_fixture.h"

class MainWindowTest : public FormFixture {
    Q_OBJECT

private slots:
    // Without a profile a click cannot show the graph, but Tab and Shift+Tab move on.
    void focusLeavesTheOuterTabRowWithoutAProfile() {
        show_active();
        QTabBar* bar = form->PageControl1->tabBar();
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            bar->setFocus(Qt::TabFocusReason);
            QTest::keyClick(bar, key);
            QVERIFY2(!bar->hasFocus(), qPrintable(QKeySequence(key).toString()));
        }
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
    }

    void aboutBoxIsCentredAndClosesWithAnyKey() {
        form->show();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_A}) {
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
        show_active();
        form->resize(100, 100);
        QApplication::processEvents();
        QVERIFY(form->ListBox1->viewport()->width() >= form->ListBox1->fontMetrics().horizontalAdvance("* 9999 - Portofino"));
        for (QWidget* panel : {form->Panel2, form->Panel3, form->Panel4}) {
            form->PageControl2->setCurrentWidget(panel->parentWidget());
            QApplication::processEvents();
            QVERIFY(form->rect().contains(QRect(panel->mapTo(form.get(), QPoint()), panel->size())));
            for (QWidget* field : panel->findChildren<QWidget*>()) {
                if (!field->isVisibleTo(form.get())) continue;  // a combo box's closed drop-down list
                QVERIFY2(panel->rect().contains(QRect(field->mapTo(panel, QPoint()), field->size())),
                         field->metaObject()->className());
            }
        }
        QVERIFY(form->commenti->height() >= 3 * form->commenti->fontMetrics().height());
    }

    // Save as names the window; Save then writes there without asking; New forgets the name.
    void saveAsSaveNewAndLoad() {
        const QString a = q(*dir / "a.qvl");
        files->save = {a};
        run(&TMainForm::SalvaCome1Click);
        QCOMPARE(form->windowTitle(), "Quorvel >>> " + a);
        form->logbook().set_posto("Ustica");
        run(&TMainForm::Salva1Click);
        run(&TMainForm::Nuovo1Click);
        QCOMPARE(form->windowTitle(), QString("Quorvel >>> untitled.qvl"));
        files->open = {a};
        run(&TMainForm::Carica1Click);
        QCOMPARE(items(), QStringList{" 1 - Ustica"});
        QCOMPARE(form->nomefile, a);
        // Closing offers a save; cancelled, nothing is written.
        form->show();
        files->save = {std::nullopt};
        QVERIFY(form->close());
        QVERIFY(files->save.empty() && errors.messages.empty());
        QCOMPARE(dir->entry_count(), size_t(1));
    }

    // Merged with a copy of itself: "only the different dives?" answered Yes keeps the
    // count, No keeps both of each pair, the other file's first.
    void mergeAsksWhetherToDropEqualDives() {
        for (auto [only_different, items_after] :
             {std::pair{true, QStringList{" 1 - 1", " 2 - 2"}}, std::pair{false, QStringList{" 1 - 9", " 2 - 1", " 3 - 9", " 4 - 2"}}}) {
            load(dives_on({1, 2}));
            Clogbook other = dives_on({1, 2});
            for (other.corrente = 0; other.corrente < 2; ++other.corrente) other.set_posto("9");
            other.Scrivi(*dir / "other.qvl");
            question->answers = {only_different};
            files->open = {q(*dir / "other.qvl")};
            files->save = {std::nullopt};
            run(&TMainForm::Merge1Click);
            QCOMPARE(items(), items_after);
        }
    }

    // Cancelled dialogs, then files that cannot be read or written: the logbook and its
    // name stay, and nothing is written. Every reader goes through the same fresh logbook.
    void cancelledOrFailedCommandsKeepLogbookAndName() {
        const auto truncated = *dir / "t.qvl";
        dives_on({1, 2, 3}).Scrivi(truncated);
        std::filesystem::resize_file(truncated, std::filesystem::file_size(truncated) - 10);
        form->logbook().set_posto("keep");
        question->answers = {std::nullopt, true, true};  // Esc at the first merge: no file asked for
        files->open = {std::nullopt, std::nullopt, std::nullopt, q(truncated), q(truncated)};
        files->save = {std::nullopt, q(*dir / "no" / "such" / "x.qvl")};
        for (auto h : {&TMainForm::Merge1Click, &TMainForm::Carica1Click, &TMainForm::ConvertidaDataTrak1Click, &TMainForm::Merge1Click,
                       &TMainForm::SalvaCome1Click, &TMainForm::Carica1Click, &TMainForm::Merge1Click,
                       &TMainForm::SalvaCome1Click})
            run(h);
        QCOMPARE(errors.messages, (std::vector<QString>{"Stream read error", "Stream read error",
                                                        "Cannot create file " + q(*dir / "no" / "such" / "x.qvl")}));
        QCOMPARE(form->logbook().num_imm, 1u);
        QCOMPARE(form->logbook().attuale().posto, std::string("keep"));
        QCOMPARE(form->nomefile, QString("untitled.qvl"));
        QVERIFY(files->save.empty());
        QCOMPARE(dir->entry_count(), size_t(1));
    }

    // An import has no file until saved: a later Save must not overwrite the logbook open before.
    void dataTrakImportWithCancelledSaveIsUntitled() {
        load(dives_on({1}));
        write_bytes(*dir / "dt.log", std::string(12, '\0'));  // the header of zero dives
        files->open = {q(*dir / "dt.log")};
        files->save = {std::nullopt};
        run(&TMainForm::ConvertidaDataTrak1Click);
        QVERIFY(files->save.empty() && errors.messages.empty());
        QCOMPARE(form->nomefile, QString("untitled.qvl"));
    }

    // "Importa da UDDF...": a failure keeps the logbook and its name; a success takes its
    // place untitled and offers the save dialog at once.
    void uddfImportReplacesTheLogbookOnlyOnSuccess() {
        load(dives_on({1, 2}));
        Clogbook other = dives_on({7, 8, 9});
        other.set_compagni("Anna Rossi");
        esporta_uddf(other, *dir / "a.uddf", "2026-12-07T15:04:05");
        write_bytes(*dir / "bad.uddf", "<uddf><profiledata><repetitiongroup><dive>");  // breaks off
        files->open = {std::nullopt, q(*dir / "bad.uddf"), q(*dir / "missing.uddf"), q(*dir / "a.uddf"),
                       q(*dir / "a.uddf")};
        files->save = {q(*dir / "saved.qvl"), std::nullopt};
        const QStringList before = items();
        const QString name = form->nomefile;
        for (int i = 0; i < 3; ++i) form->ImportadaUDDF1->trigger();  // cancelled, broken, missing
        QCOMPARE(errors.messages, (std::vector<QString>{"Stream read error", "Cannot open file " + q(*dir / "missing.uddf")}));
        QCOMPARE(items(), before);
        QCOMPARE(form->nomefile, name);

        form->ImportadaUDDF1->trigger();
        QCOMPARE(items(), (QStringList{" 1 - 7", " 2 - 8", " 3 - 9"}));
        QCOMPARE(form->nomefile, q(*dir / "saved.qvl"));
        QCOMPARE(form->logbook().immersioni[0].compagni, std::string("Anna Rossi"));
        Clogbook saved(3);
        saved.Leggi(*dir / "saved.qvl");
        QCOMPARE(saved.immersioni[2].posto, std::string("9"));

        form->ImportadaUDDF1->trigger();  // the save dialog cancelled: the import stays, untitled
        QCOMPARE(items().size(), 3);
        QCOMPARE(form->nomefile, QString("untitled.qvl"));
        QVERIFY(files->open.empty() && files->save.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
