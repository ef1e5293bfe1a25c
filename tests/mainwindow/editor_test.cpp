#include "form_fixture.h"
#include "user_wheel.h"

class EditorTest : public FormFixture {
    Q_OBJECT

private slots:
    // Showing a dive, another and it again writes nothing back, not even bar 123.45 shown as
    // 123; values outside a combo box's list show as no item.
    void fillShowsTheStoredTextsAndWritesNothing() {
        Clogbook lb = dives_on({1, 2});
        lb.corrente = 1;
        lb.set_bar(123.45);
        lb.set_muta(2);
        lb.set_alt(-1);
        lb.set_meteo(7);
        lb.set_punto("Secca \xe8 Punta");  // a Windows-1252 "è"
        lb.set_compagni("Anna\r\nBruno");
        load(lb);
        for (int row : {1, 0, 1}) form->ListBox1->setCurrentIndex(form->ListBox1->model()->index(row, 0));
        QCOMPARE((QStringList{form->bar->text(), form->muta->currentText(), form->alt->currentText(),
                              QString::number(form->meteo->currentIndex()), form->punto->text(),
                              form->compagni->toPlainText()}),
                 (QStringList{"123", "Monopezzo", "", "-1", "Secca è Punta", "Anna\nBruno"}));
        QVERIFY(dive(1) == lb.immersioni[1]);
    }

    void changeHandlersWriteTheCurrentDive() {
        show_active();
        QLineEdit* date = form->Data->edit();
        date->setFocus();
        for (auto [at, text] : std::initializer_list<std::pair<int, const char*>>{{0, "15"}, {3, "04"}}) {
            date->setCursorPosition(at);
            QTest::keyClicks(date, text);
        }
        // A piece with a blank inside is reported and leaves the dive's date as it was.
        date->setCursorPosition(4);
        QTest::keyClick(date, Qt::Key_Delete);
        QCOMPARE(errors.messages, std::vector<QString>{"'0 ' is not a valid integer value"});
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        int typed = 0;
        for (SpinField* f : {form->ora_imm, form->min_imm, form->ora_int, form->min_int, form->ora_dur, form->min_dur,
                             form->lbomb, form->bar, form->prof, form->t_acqua, form->t_aria})
            retype(f->edit(), QString::number(++typed));
        form->muta->setCurrentIndex(2);
        form->PageControl2->setCurrentWidget(form->Imm_data_luogo);
        retype(form->posto, "Ustica");
        form->PageControl2->setCurrentWidget(form->imm_descrizioni);
        form->commenti->setFocus();
        QTest::keyClicks(form->commenti, "ok");
        const Timmersione& d = dive(0);
        QCOMPARE((QList<double>{double(d.giorno), double(d.mese), double(d.ora_imm), double(d.min_imm), double(d.ora_int),
                                double(d.min_int), double(d.ora_dur), double(d.min_dur), double(d.lbomb), d.bar,
                                d.prof, d.t_acqua, d.t_aria, double(d.muta)}),
                 (QList<double>{15, 4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 2}));
        QCOMPARE(d.posto + d.commenti, std::string("Usticaok"));
    }

    // Entering the list sorts it by date; the click then lands on the sorted list.
    void focusEntrySortsAndTheClickedItemBecomesCurrent() {
        load(dives_on({5, 3, 1, 2}));
        show_active();
        form->posto->setFocus();
        click_item(1);
        QCOMPARE(items(), (QStringList{" 1 - 1", " 2 - 2", " 3 - 3", " 4 - 5"}));
        QCOMPARE(form->posto->text(), QString("2"));
        QCOMPARE(form->ListBox1->selectionModel()->selectedIndexes(), QModelIndexList{form->ListBox1->currentIndex()});
    }

    // An item keeps its text until the list is rebuilt, whatever the editor writes into
    // its dive meanwhile; typing in the list finds an item by its start.
    void itemsKeepTheirTextUntilTheNextRebuild() {
        Clogbook lb = dives_on({1, 2, 3});
        lb.corrente = 2;
        lb.set_profilo("\x01");
        load(lb);
        show_active();
        click_item(1);
        retype(form->posto, "Elba");
        QCOMPARE(items(), (QStringList{" 1 - 1", " 2 - 2", "* 3 - 3"}));
        click_item(0);
        QCOMPARE(items(), (QStringList{" 1 - 1", " 2 - Elba", "* 3 - 3"}));
        QTest::keyClick(form->ListBox1, '*');
        QCOMPARE(form->logbook().corrente, 2u);
    }

    // An error box or another program takes the focus; a click into the list then
    // focuses it only as the window comes back, and that is an entry too.
    void clickIntoTheListOfAnInactiveWindowEntersIt() {
        load(dives_on({5, 1}));
        show_active();
        form->posto->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->ListBox1->setFocus(Qt::MouseFocusReason);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QVERIFY(form->ListBox1->hasFocus());
        QCOMPARE(items(), (QStringList{" 1 - 1", " 2 - 5"}));
    }

    // The user clicks into the list and turns the wheel over fields on the way: no dive
    // changes; the field clicked into takes the wheel. Tab and Shift+Tab leave a memo
    // instead of storing a tab character.
    void wheelOverUnfocusedFieldsAndTabInMemosChangeNoDive() {
        show_active();
        click_item(0);
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        const Timmersione before = dive(0);
        for (QWidget* field : std::initializer_list<QWidget*>{form->lbomb, form->prof, form->ora_dur, form->muta})
            user_wheel(field, 1);
        QVERIFY(form->ListBox1->hasFocus());
        QVERIFY(dive(0) == before);
        QTest::mouseClick(form->lbomb->edit(), Qt::LeftButton);
        user_wheel(form->lbomb, 1);
        QCOMPARE(dive(0).lbomb, before.lbomb + 1);
        form->PageControl2->setCurrentWidget(form->Imm_data_luogo);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            form->compagni->setFocus();
            QTest::keyClick(form->compagni, key);
            QVERIFY(!form->compagni->hasFocus());
        }
        QCOMPARE(dive(0).compagni, std::string());
    }

    // A text longer than its field shows its start, whatever the field showed before.
    void longTextsShowTheirStartAfterAFill() {
        Clogbook lb = dives_on({1, 2});
        lb.corrente = 1;
        lb.set_punto("Punta del Faro, parete est oltre la seconda boa gialla");
        load(lb);
        show_active();
        QLineEdit* punto = form->punto;
        for (int row : {1, 0, 1}) {
            click_item(row);
            punto->grab();  // the scrolling of the text is settled when it is painted
            QCOMPARE(punto->cursorPositionAt(QPoint(punto->contentsMargins().left() + 3, punto->height() / 2)), 0);
        }
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
