// Undo and redo through the window: random changes of every kind taken back and done
// again byte for byte, the menu's names and keys, and the windows following an undo.

#include <random>

#include "form_fixture.h"
#include "import_writers.h"

class UndoTest : public FormFixture {
    Q_OBJECT

    std::string saved() {
        const auto p = *dir / "saved.qvl";
        form->logbook().Scrivi(p);
        return read_bytes(p);
    }

    // Makes `row` current as a click would, but without the focus entering the list,
    // whose sort is no step of its own.
    void show_dive(uint32_t row) {
        form->ListBox1->selectionModel()->setCurrentIndex(form->ListBox1->model()->index(int(row), 0),
                                                          QItemSelectionModel::ClearAndSelect);
    }

    static void type_into(QWidget* field, const QString& text) {
        field->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) memo->selectAll();
        QTest::keyClicks(field, text);
    }

    void undo_key() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }

    // Dives on days 4, 1 and 3 of May with all their flags and numbers a file may hold
    // (not base_num + position), the first two with a profile.
    static Clogbook three_dives() {
        Clogbook lb = dives_on({4, 1, 3});
        for (lb.corrente = 0; lb.corrente < 3; ++lb.corrente) {
            lb.attuale().nimm = 40 - 7 * int32_t(lb.corrente);
            lb.set_tipo(0x54, 1);
            lb.set_attivita(0x22, 0x10);
            lb.set_altro("altro");
            lb.set_prof(10 + lb.corrente);
            if (lb.corrente < 2) lb.set_profilo(std::string(60, char(10 + 20 * lb.corrente)));
        }
        lb.corrente = 0;
        return lb;
    }

    void random_change(std::mt19937& rng, const QString& other, const QString& download) {
        const uint32_t n = form->logbook().num_imm;
        if (n > 0) show_dive(rng() % n);
        const QString number = QString::number(rng() % 24);
        QWidget* const fields[] = {form->posto, form->commenti, form->prof->edit(), form->ora_imm->edit()};
        switch (rng() % 14) {
        case 0: case 1: case 2: case 3: type_into(fields[rng() % 4], number); break;
        case 4:
            form->Data->edit()->setFocus();
            form->Data->edit()->setCursorPosition(0);
            QTest::keyClicks(form->Data->edit(), QString::number(10 + rng() % 18));
            break;
        case 5:
            form->b_tipoClick();
            Tipo->RadioGroup2->findChildren<QRadioButton*>().at(int(rng() % 3))->click();
            Tipo->close();
            break;
        case 6:
            form->b_attClick();
            att->CheckBox[rng() % 12]->click();
            QTest::keyClicks(att->altro, number);
            att->close();
            break;
        case 7: run(&TMainForm::Inserisci1Click); break;
        case 8:
            for (uint32_t k = 0; k < n; ++k)
                if (rng() % 3 == 0)
                    form->ListBox1->selectionModel()->select(form->ListBox1->model()->index(int(k), 0),
                                                             QItemSelectionModel::Select);
            run(&TMainForm::Cancella1Click);
            break;
        case 9: form->rinumera(int32_t(rng() % 50) - 10); break;
        case 10:
            question->answers = {rng() % 2 == 0};
            files->open = {other};
            files->save = {std::nullopt};
            run(&TMainForm::Merge1Click);
            break;
        case 11:
            files->open = {rng() % 2 ? other : download};
            files->save = {std::nullopt};  // the import's save dialog, cancelled
            if (files->open.front() == download) run(&TMainForm::ConvertidaDataTrak1Click);
            else run(&TMainForm::Carica1Click), files->save.clear();
            break;
        case 12: form->Annulla1->trigger(); break;  // the history stays a path back to the start
        case 13: form->Ripeti1->trigger(); break;
        }
    }

private slots:
    // Every step taken back gives the file as loaded; every step done again, the file as
    // it was before the undos.
    void randomChangesComeBackByteForByteBothWays() {
        const auto other = *dir / "other.qvl";
        dives_on({2, 9}).Scrivi(other);
        DataTrakDive downloaded;
        downloaded.giorni = 153000;
        downloaded.posto = "Ustica";
        write_bytes(*dir / "dl.log", datatrak_bytes({}, {downloaded, downloaded}));
        show_active();
        for (unsigned seed = 1; seed <= 10; ++seed) {
            load(three_dives());
            const std::string original = saved();
            const QString original_name = form->nomefile;
            form->forget_history();
            std::mt19937 rng(seed);
            for (int i = 0; i < 25; ++i) random_change(rng, q(other), q(*dir / "dl.log"));
            while (form->Ripeti1->isEnabled()) form->Ripeti1->trigger();  // the end of the road
            const std::string changed = saved();
            const QString changed_name = form->nomefile;
            QVERIFY(changed != original);
            while (form->Annulla1->isEnabled()) form->Annulla1->trigger();
            QVERIFY2(saved() == original, qPrintable(QString("seed %1").arg(seed)));
            QCOMPARE(form->nomefile, original_name);
            while (form->Ripeti1->isEnabled()) form->Ripeti1->trigger();
            QVERIFY2(saved() == changed, qPrintable(QString("seed %1").arg(seed)));
            QCOMPARE(form->nomefile, changed_name);
        }
        QVERIFY(errors.messages.empty());
    }

    // The keys work inside a field; the items name their step; keystrokes into one field
    // of one dive are one step until the focus leaves it or another dive is shown.
    void keysAndNamesAndWhatOneStepIs() {
        QCOMPARE(form->Annulla1->text(), QString("Annulla"));
        QVERIFY(!form->Annulla1->isEnabled() && !form->Ripeti1->isEnabled());
        const QList<QAction*> items = form->menuBar()->findChild<QMenu*>("Immersioni1")->actions();
        QVERIFY(items.at(0) == form->Annulla1 && items.at(1) == form->Ripeti1 && items.at(2)->isSeparator());
        load(three_dives());
        QCOMPARE(form->Annulla1->text(), QString("Annulla Carica"));
        show_active();
        show_dive(1);
        type_into(form->posto, "abc");
        QCOMPARE(form->Annulla1->text(), QString("Annulla modifica di Luogo dell'Immersione"));
        undo_key();
        QCOMPARE(form->posto->text(), QString("1"));
        QCOMPARE(dive(1).posto, std::string("1"));
        QCOMPARE(form->Ripeti1->text(), QString("Ripeti modifica di Luogo dell'Immersione"));
        QTest::keyClick(form->posto, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(dive(1).posto, std::string("abc"));
        undo_key();
        QTest::keyClick(form->posto, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->posto->text(), QString("abc"));

        type_into(form->punto, "x");      // the focus left posto
        type_into(form->posto, "de");
        show_dive(2);
        show_dive(1);                     // another dive was shown
        QTest::keyClicks(form->posto, "f");
        for (const char* expected : {"de", "abc", "abc", "1"}) {
            undo_key();
            QCOMPARE(form->posto->text(), QString(expected));
        }
        QCOMPARE(dive(1).punto, std::string());
        type_into(form->posto, "g");  // a new change: nothing left to redo
        QVERIFY(!form->Ripeti1->isEnabled());
        // The step finds its dive after the sort on entering the list has moved it.
        run(&TMainForm::ListBox1Enter);
        QCOMPARE(dive(0).posto, std::string("g"));
        undo_key();
        QCOMPARE(form->logbook().corrente, 0u);
        QCOMPARE(dive(0).posto, std::string("1"));
        QCOMPARE(form->ListBox1->currentIndex().row(), 0);
        QVERIFY(errors.messages.empty());
    }

    // After an undo the current dive is the one the step touched, and the editor, the
    // list, the flag dialogs, the graph and the statistics show the logbook as it is.
    void everyWindowFollowsAnUndo() {
        load(three_dives());
        show_active();
        show_dive(0);
        form->b_tipoClick();
        Tipo->RadioGroup1->findChildren<QRadioButton*>().at(0)->click();  // gas: air
        QCOMPARE(dive(0).gas, 0);
        show_dive(2);
        QCOMPARE(Tipo->RadioGroup1->itemIndex(), 1);
        form->Annulla1->trigger();
        QCOMPARE(form->logbook().corrente, 0u);
        QCOMPARE(form->ListBox1->currentIndex().row(), 0);
        QCOMPARE(dive(0).gas, 1);
        QCOMPARE(Tipo->RadioGroup1->itemIndex(), 1);
        QCOMPARE(form->posto->text(), QString("4"));
        Tipo->close();

        show_dive(1);
        run(&TMainForm::Cancella1Click);
        form->Statistiche1Click();
        QCOMPARE(FStat->findChild<QLabel*>("RxLabel34")->text(), QString("2"));
        form->Annulla1->trigger();
        QCOMPARE(FStat->findChild<QLabel*>("RxLabel34")->text(), QString("3"));
        QCOMPARE(form->posto->text(), QString("1"));
        FStat->close();

        type_into(form->prof->edit(), "30");
        show_dive(0);
        form->ListBox1DblClick();
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        show_dive(1);  // the editor moves on, the graph stays on dive 0
        form->Annulla1->trigger();
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        QCOMPARE(form->imm_grafico, 1u);
        QVERIFY(form->StatusBar1->panel(2)->text().contains("11"));
        QVERIFY(errors.messages.empty());
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
