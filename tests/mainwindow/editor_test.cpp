#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "form_fixture.h"
#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "framework/spin_field.h"
#include "framework/status_bar.h"
#include "framework/text_fields.h"
#include "user_wheel.h"

namespace {

// One dive per (day, hour, minute, place) in March 2021.
struct When {
    int day, hour, minute;
    const char* place;
    bool profile = false;
};

Clogbook logbook_of(std::initializer_list<When> dives) {
    Clogbook lb(uint32_t(dives.size()));
    uint32_t i = 0;
    for (const When& w : dives) {
        lb.corrente = i++;
        lb.set_nimm();
        lb.set_data(w.day, 3, 2021);
        lb.set_orario(w.hour, w.minute);
        lb.set_posto(w.place);
        if (w.profile) lb.set_profilo("\x14\x01\x02");
    }
    lb.corrente = 0;
    return lb;
}

// A dive with every field away from its default.
Clogbook full_dive() {
    Clogbook lb(2);
    lb.corrente = 1;
    lb.set_nimm();
    lb.set_data(1, 2, 1999);
    lb.set_orario(9, 5);
    lb.set_intervallo(1, 30);
    lb.set_durata(0, 47);
    lb.set_lbomb(15);
    lb.set_bar(123.45);
    lb.set_prof(12.5);
    lb.set_t_acqua(-3.25);
    lb.set_t_aria(30);
    lb.set_muta(2);
    lb.set_alt(-1);
    lb.set_meteo(7);
    lb.set_computer(63);
    lb.set_posto("Elba");
    lb.set_punto("Secca \xe8 Punta");  // a Windows-1252 "è"
    lb.set_compagni("Anna\r\nBruno");
    lb.set_commenti("ok");
    lb.set_altro("Nord");
    lb.set_tipo(0x04, 1);
    lb.set_attivita(0, 0x10);
    lb.set_allarmi(1, 0);
    return lb;
}

void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Typing characters that have no key of their own, one key event each.
void type_unicode(QWidget* w, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&c, 1));
        QApplication::sendEvent(w, &press);
    }
}

QString dec(const SpinField* f, const char* dotted) { return QString(dotted).replace('.', f->decimalSeparator()); }

}  // namespace

class EditorTest : public QObject, FormFixture {
    Q_OBJECT

    const Timmersione& dive(uint32_t i) { return form->logbook().immersioni[i]; }
    QList<int> selected_rows() {
        QList<int> rows;
        for (const QModelIndex& i : form->ListBox1->selectionModel()->selectedIndexes()) rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

private slots:
    void init() { set_up(); }
    void cleanup() { tear_down(); }

    void itemTextsAndSerial() {
        Clogbook lb = logbook_of({{1, 9, 0, "Elba", true}, {2, 9, 0, ""}});
        lb.corrente = 1;
        lb.set_seriale(0x10, 0, 0, 255);
        load(lb);
        form->logbook().immersioni[1].nimm = -1;  // numbers are renumbered on load
        form->Aggiorna_Indice();
        QCOMPARE(items(), (QStringList{"* 1 - Elba", " 4294967295 - "}));
        QCOMPARE(form->RxLabel29->text(), QString("4278190096"));
        QCOMPARE(form->ListBox1->currentIndex().row(), 0);
        QCOMPARE(selected_rows(), QList<int>{0});
        QCOMPARE(form->ListBox1->visualRect(form->ListBox1->model()->index(1, 0)).height(), 16);
    }

    void fillShowsEveryFieldAndWritesNothing() {
        const Clogbook lb = full_dive();
        load(lb);
        form->ListBox1->setCurrentIndex(form->ListBox1->model()->index(1, 0));
        QCOMPARE(form->logbook().corrente, 1u);
        QCOMPARE(form->nimm->text(), QString("2"));
        QCOMPARE(form->Data->text(), QString(" 1/ 2/1999"));
        QCOMPARE(form->giorno_testo + form->mese_testo + form->anno_testo, QString("121999"));
        QCOMPARE(form->ora_imm->text() + ":" + form->min_imm->text(), QString("9:5"));
        QCOMPARE(form->ora_int->text() + ":" + form->min_int->text(), QString("1:30"));
        QCOMPARE(form->ora_dur->text() + ":" + form->min_dur->text(), QString("0:47"));
        QCOMPARE(form->lbomb->text(), QString("15"));
        QCOMPARE(form->bar->text(), QString("123"));
        QCOMPARE(form->prof->text(), dec(form->prof, "12.5"));
        QCOMPARE(form->t_acqua->text(), dec(form->t_acqua, "-3.25"));
        QCOMPARE(form->t_aria->text(), QString("30"));
        QCOMPARE(form->muta->currentText(), QString("Monopezzo"));
        QCOMPARE(form->alt->currentText(), QString());
        QCOMPARE(form->meteo->currentIndex(), -1);
        QCOMPARE(form->posto->text(), QString("Elba"));
        QCOMPARE(form->punto->text(), QString("Secca è Punta"));
        QCOMPARE(form->compagni->toPlainText(), QString("Anna\nBruno"));
        QCOMPARE(form->commenti->toPlainText(), QString("ok"));
        QCOMPARE(form->tipo->toPlainText(), QString::fromStdString(Clogbook::Testo_Tipo(0x04, 1)));
        QCOMPARE(form->attivita->toPlainText(), "Nord, " + QString::fromStdString(Clogbook::Testo_Attivita(0, 0x10)));
        QCOMPARE(form->allarmi->toPlainText(), QString::fromStdString(Clogbook::Testo_Allarmi(1, 0)));
        QCOMPARE(form->RxLabel40->text(), QString("Aladin Pro"));

        // Showing it, another dive and it again leaves every field as stored, bar 123.45 included.
        form->ListBox1->setCurrentIndex(form->ListBox1->model()->index(0, 0));
        QCOMPARE(form->attivita->toPlainText(), QString(", "));
        QCOMPARE(form->RxLabel40->text(), QString("Sconosciuto"));
        QCOMPARE(form->muta->currentText(), QString("Nessuna"));
        form->ListBox1->setCurrentIndex(form->ListBox1->model()->index(1, 0));
        QVERIFY(dive(1) == lb.immersioni[1]);
        Timmersione first = lb.immersioni[0];
        first.nimm = 1;  // numbered on load
        QVERIFY(dive(0) == first);
    }

    void changeHandlersWriteTheCurrentDive() {
        show_active();
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        retype(form->lbomb->edit(), "12");
        retype(form->bar->edit(), "180");
        retype(form->prof->edit(), dec(form->prof, "18.4"));
        retype(form->t_aria->edit(), dec(form->t_aria, "-1.55"));  // a fifth character is refused
        retype(form->min_dur->edit(), "41");
        retype(form->ora_int->edit(), "2");
        retype(form->t_acqua->edit(), "");
        QTest::keyClick(form->t_acqua->edit(), Qt::Key_Backspace);
        const Timmersione& d = dive(0);
        QCOMPARE(d.lbomb, 12);
        QCOMPARE(d.bar, 180.0);
        QCOMPARE(d.prof, 18.4);
        QCOMPARE(d.t_aria, -1.5);
        QCOMPARE(d.min_dur, 41);
        QCOMPARE(d.ora_int, 2);
        QCOMPARE(d.t_acqua, -99.0);  // no number reads as the minimum

        // Out of range is stored as typed, then brought to the bound when the field is left.
        retype(form->ora_dur->edit(), "30");
        QCOMPARE(d.ora_dur, 30);
        form->min_dur->setFocus();
        QCOMPARE(d.ora_dur, 24);
        QCOMPARE(form->ora_dur->text(), QString("24"));

        form->alt->setCurrentIndex(3);
        QCOMPARE(d.alt, 3);
        retype(form->meteo->lineEdit(), "Grandine");
        QCOMPARE(d.meteo, -1);

        form->PageControl2->setCurrentWidget(form->Imm_data_luogo);
        retype(form->posto, "Ustica");
        QCOMPARE(d.posto, std::string("Ustica"));
        QCOMPARE(d.lung_posto, 6u);
        QCOMPARE(items(), QStringList{" 1 - "});  // the item follows at the next rebuild
        retype(form->punto, "Grotta ");
        type_unicode(form->punto, QString::fromUtf8("\u20ac \U0001F41F \u0142"));
        QCOMPARE(d.punto, std::string("Grotta \x80  "));  // what 1252 cannot hold is refused
        form->compagni->setFocus();
        QTest::keyClicks(form->compagni, "Ada");
        QTest::keyClick(form->compagni, Qt::Key_Return);
        QTest::keyClicks(form->compagni, "Bo");
        QCOMPARE(d.compagni, std::string("Ada\r\nBo"));
        QCOMPARE(d.lung_compagni, 7u);
        form->PageControl2->setCurrentWidget(form->imm_descrizioni);
        form->commenti->setFocus();
        QTest::keyClicks(form->commenti, "x");
        QCOMPARE(d.commenti, std::string("x"));
        QVERIFY(form->tipo->isReadOnly() && form->attivita->isReadOnly() && form->allarmi->isReadOnly());
        QVERIFY(errors.messages.empty());

        // Everything edited is in the file.
        script.salva = {q(*dir / "edited.qvl")};
        run(&TMainForm::SalvaCome1Click);
        Clogbook back(1);
        back.Leggi(*dir / "edited.qvl");
        QVERIFY(back.immersioni[0] == d);

        QTest::mouseClick(form->b_att, Qt::LeftButton);
        QVERIFY(att->isVisible());
    }

    void dateEditsAndBadPieces() {
        show_active();
        QLineEdit* e = form->Data->edit();
        e->setFocus();
        e->setCursorPosition(0);
        QTest::keyClicks(e, "15");
        e->setCursorPosition(3);
        QTest::keyClicks(e, "04");
        e->setCursorPosition(6);
        QTest::keyClicks(e, "2022");
        QCOMPARE(form->Data->text(), QString("15/04/2022"));
        const Timmersione& d = dive(0);
        QCOMPARE(QList<int>({d.giorno, d.mese, d.anno}), QList<int>({15, 4, 2022}));
        // While the year is retyped over "   0" its piece has blanks inside.
        QCOMPARE(errors.messages, (std::vector<QString>{"'2  0' is not a valid integer value",
                                                        "'20 0' is not a valid integer value"}));

        // A trailing blank in the month, then also in the year: the year is converted first.
        e->setCursorPosition(4);
        QTest::keyClick(e, Qt::Key_Delete);
        QCOMPARE(errors.messages.back(), QString("'0 ' is not a valid integer value"));
        e->setCursorPosition(9);
        QTest::keyClick(e, Qt::Key_Delete);
        QCOMPARE(errors.messages.back(), QString("'202 ' is not a valid integer value"));
        QCOMPARE(QList<int>({d.giorno, d.mese, d.anno}), QList<int>({15, 4, 2022}));
        QCOMPARE(form->mese_testo + "|" + form->anno_testo, QString("0 |202 "));
    }

    // A field's hint shows over it; a label has none and leaves the text as it was.
    void hintsInTheStatusBar() {
        show_active();
        const QString date_hint = "Inserisci la data dell'immersione", dur_hint = "Inserisci la durata dell'immersione";
        struct Case { QWidget* tab; QWidget* over; QPoint at; QString shown; };
        const Case cases[] = {{form->Imm_data_luogo, form->posto, {3, 3}, "Inserisci la località dell'immersione"},
                              {form->Imm_data_luogo, form->Panel2, {460, 440}, ""},
                              {form->Imm_data_luogo, form->Data->edit(), {3, 3}, date_hint},
                              {form->Imm_data_luogo, form->RxLabel40, {3, 3}, date_hint},
                              {form->Imm_data_luogo, form->ListBox1->viewport(), {20, 5}, "Scegli l'immersione da esaminare"},
                              {form->Imm_dati, form->min_dur->edit(), {3, 3}, dur_hint},
                              {form->Imm_dati, form->muta, {3, 3}, dur_hint},
                              {form->Imm_dati, form->t_acqua->edit(), {3, 3}, "Inserisci la temperatura minima dell'acqua in C°"},
                              {form->imm_descrizioni, form->tipo->viewport(), {3, 3}, ""}};
        for (const Case& c : cases) {
            form->PageControl2->setCurrentWidget(c.tab);
            QTest::mouseMove(c.over, c.at);
            QCOMPARE(form->StatusBar1->simpleText(), c.shown);
        }
        QVERIFY(form->posto->toolTip().isEmpty() && form->ListBox1->toolTip().isEmpty());
    }

    void emptyLogbookDisablesTheEditor() {
        load(Clogbook(0));
        QCOMPARE(items(), QStringList{});
        QVERIFY(selected_rows().isEmpty());
        for (QWidget* p : {form->Panel2, form->Panel3, form->Panel4}) QVERIFY(!p->isEnabled());
        QVERIFY(!form->b_tipo->isEnabled());
        QCOMPARE(form->windowTitle(), "Quorvel >>> " + q(*dir / "in.qvl"));
        // Nothing can reach a dive: handlers run only while there is one.
        form->posto->setText("x");
        QCOMPARE(form->logbook().num_imm, 0u);
        run(&TMainForm::Inserisci1Click);
        QVERIFY(form->Panel2->isEnabled());
        QVERIFY(errors.messages.empty());
    }

    void focusEntrySortsAndTheClickedItemBecomesCurrent() {
        load(logbook_of({{5, 9, 0, "e"}, {1, 14, 30, "b"}, {1, 14, 5, "a"}, {3, 8, 0, "c"}}));
        show_active();
        // Coming back to the window is not entering the list.
        form->ListBox1->setFocus(Qt::ActiveWindowFocusReason);
        QCOMPARE(items().first(), QString(" 1 - e"));

        form->posto->setFocus();
        click_item(1);
        QCOMPARE(items(), (QStringList{" 1 - a", " 2 - b", " 3 - c", " 4 - e"}));
        QCOMPARE(form->logbook().corrente, 1u);
        QCOMPARE(form->posto->text(), QString("b"));
        QCOMPARE(selected_rows(), QList<int>{1});

        // An earlier date typed for "e" moves it on the next entry into the list.
        click_item(3);
        QLineEdit* e = form->Data->edit();
        e->setFocus();
        e->setCursorPosition(0);
        QTest::keyClicks(e, "01");
        QTest::keyClick(e, Qt::Key_Home);
        form->ora_imm->setFocus();
        retype(form->ora_imm->edit(), "7");
        click_item(2);
        QCOMPARE(items(), (QStringList{" 1 - e", " 2 - a", " 3 - b", " 4 - c"}));
        QCOMPARE(form->logbook().corrente, 2u);
        QCOMPARE(form->posto->text(), QString("b"));
        QVERIFY(errors.messages.empty());
    }

    void clickIntoTheListOfAnInactiveWindowEntersIt() {
        load(logbook_of({{5, 9, 0, "e"}, {1, 14, 30, "b"}}));
        show_active();
        form->posto->setFocus();
        // An error box or another program takes the focus; a click into the list then
        // focuses it only as the window comes back.
        QWidget other;
        const auto leave_and_come_back = [&](QWidget* target) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            target->setFocus(Qt::MouseFocusReason);
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
        };
        leave_and_come_back(form->ListBox1);
        QVERIFY(form->ListBox1->hasFocus());
        QCOMPARE(items(), (QStringList{" 1 - b", " 2 - e"}));

        // Leaving the window from the list and coming back is no entry: a date made
        // earlier meanwhile stays in its place until the list is entered.
        QLineEdit* e = form->Data->edit();
        e->setCursorPosition(0);
        QTest::keyClicks(e, "09");
        QCOMPARE(form->logbook().attuale().giorno, 9);
        leave_and_come_back(form->ListBox1);
        QCOMPARE(items(), (QStringList{" 1 - b", " 2 - e"}));
        form->posto->setFocus();
        form->ListBox1->setFocus(Qt::MouseFocusReason);
        QCOMPARE(items(), (QStringList{" 1 - e", " 2 - b"}));
        QVERIFY(errors.messages.empty());
    }

    void extendedSelectionAndArrowKeys() {
        load(logbook_of({{1, 9, 0, "a"}, {2, 9, 0, "b"}, {3, 9, 0, "c"}, {4, 9, 0, "d"}}));
        show_active();
        click_item(0);
        click_item(2, Qt::ShiftModifier);
        QCOMPARE(selected_rows(), (QList<int>{0, 1, 2}));
        click_item(1, Qt::ControlModifier);
        QCOMPARE(selected_rows(), (QList<int>{0, 2}));
        click_item(1);
        QCOMPARE(selected_rows(), QList<int>{1});
        QTest::keyClick(form->ListBox1, Qt::Key_Down);
        QCOMPARE(selected_rows(), QList<int>{2});
        QCOMPARE(form->logbook().corrente, 2u);
        QCOMPARE(form->posto->text(), QString("c"));
        // Outside the tabs the list holds a single selection.
        form->menuBar()->setFocus();
        QCOMPARE(form->ListBox1->selectionMode(), QAbstractItemView::SingleSelection);
    }

    // The user clicks into the list and turns the wheel over fields on the way: no dive changes.
    void wheelOverFieldsWithoutTheFocusChangesNoDive() {
        const Clogbook lb = full_dive();
        load(lb);
        show_active();
        click_item(1);
        QTabBar* tabs = form->PageControl2->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QVERIFY(form->ListBox1->hasFocus());
        for (QWidget* field : std::initializer_list<QWidget*>{form->lbomb, form->bar, form->prof, form->t_acqua,
                                                             form->ora_dur, form->muta, form->alt})
            user_wheel(field, -1);
        QVERIFY(form->ListBox1->hasFocus());
        QCOMPARE(form->lbomb->text() + "|" + form->muta->currentText(), QString("15|Monopezzo"));
        QVERIFY(dive(1) == lb.immersioni[1]);

        // The field the user clicked into takes the wheel.
        QTest::mouseClick(form->lbomb->edit(), Qt::LeftButton);
        user_wheel(form->lbomb, 1);
        QCOMPARE(dive(1).lbomb, 16);
        QVERIFY(errors.messages.empty());
    }

    // A text that is no number is written as the minimum, and leaving the field shows it.
    void leavingAMistypedNumberShowsWhatTheDiveHolds() {
        show_active();
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        const QString other_separator = form->t_acqua->decimalSeparator() == ',' ? "12.5" : "12,5";
        struct Case { SpinField* field; QString typed; const char* shown; double Timmersione::*stored; };
        const Case cases[] = {{form->t_acqua, other_separator, "-99", &Timmersione::t_acqua},
                              {form->prof, other_separator, "0", &Timmersione::prof},
                              {form->bar, "1O", "0", &Timmersione::bar}};
        for (const Case& c : cases) {
            retype(c.field->edit(), c.typed);
            QTest::keyClick(c.field->edit(), Qt::Key_Tab);
            QVERIFY(!c.field->hasFocus());
            QCOMPARE(c.field->text(), QString(c.shown));
            QCOMPARE(dive(0).*c.stored, c.field->value());
        }
        QVERIFY(errors.messages.empty());
    }

    // Tab leaves a memo instead of storing a tab character; so does Shift+Tab.
    void tabMovesOnFromTheMemos() {
        show_active();
        form->compagni->setFocus();
        QTest::keyClicks(form->compagni, "Ada");
        QTest::keyClick(form->compagni, Qt::Key_Tab);
        QVERIFY(!form->compagni->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(form->compagni->hasFocus());
        QTest::keyClick(form->compagni, Qt::Key_Backtab);
        QVERIFY(form->punto->hasFocus());
        QCOMPARE(dive(0).compagni, std::string("Ada"));

        form->PageControl2->setCurrentWidget(form->imm_descrizioni);
        form->commenti->setFocus();
        QTest::keyClicks(form->commenti, "ok");
        QTest::keyClick(form->commenti, Qt::Key_Tab);
        QVERIFY(!form->commenti->hasFocus());
        QCOMPARE(dive(0).commenti, std::string("ok"));
    }

    // A text longer than its field shows its start, whatever the field showed before.
    void longTextsShowTheirStartAfterAFill() {
        Clogbook lb = logbook_of({{1, 9, 0, "Elba"}, {2, 9, 0, "Capo Testa, secca esterna sotto il faro rosso, lato nord"}});
        lb.corrente = 1;
        lb.set_punto("Punta del Faro, parete est oltre la seconda boa gialla");
        lb.set_prof(12.3456789012346);
        load(lb);
        show_active();
        QTabBar* tabs = form->PageControl2->tabBar();
        const auto first_char_shown = [](QLineEdit* e) {
            e->grab();  // the scrolling of the text is settled when it is painted
            return e->cursorPositionAt(QPoint(e->contentsMargins().left() + 3, e->height() / 2));
        };
        for (int row : {1, 0, 1}) {
            click_item(row);
            QCOMPARE(first_char_shown(form->posto), 0);
            QCOMPARE(first_char_shown(form->punto), 0);
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            QCOMPARE(first_char_shown(form->prof->edit()), 0);
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        }
        QCOMPARE(form->prof->text(), dec(form->prof, "12.3456789012346"));
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
