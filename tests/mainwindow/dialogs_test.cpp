#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <limits>

#include "form_fixture.h"
#include "framework/radio_group.h"
#include "framework/spin_field.h"
#include "framework/text_fields.h"

namespace {

// One dive per day of May 2021 given, place = the day's number; dates out of order
// are kept in the order given.
Clogbook days_of_may(std::initializer_list<int> days, int32_t base_num = 0) {
    Clogbook lb(uint32_t(days.size()));
    lb.base_num = base_num;
    uint32_t i = 0;
    for (int d : days) {
        lb.corrente = i++;
        lb.set_nimm();
        lb.set_data(d, 5, 2021);
        lb.set_posto(std::to_string(d));
    }
    lb.corrente = 0;
    return lb;
}

}  // namespace

class DialogsTest : public QObject, FormFixture {
    Q_OBJECT

    Clogbook& lb() { return form->logbook(); }
    const Timmersione& dive(uint32_t i) { return form->logbook().immersioni[i]; }
    // A key pressed in the main window where its focus is.
    void key(int k, Qt::KeyboardModifiers mods = {}) {
        QWidget* w = form->focusWidget();
        QTest::keyClick(w ? w : form.get(), Qt::Key(k), mods);
    }
    // A key pressed on a control of a dialog; what the control leaves goes on to the dialog.
    void key_in(QWidget* control, int k) { QTest::keyClick(control, Qt::Key(k)); }
    // On the glyph end, where a radio item or check box takes the click whatever its width.
    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
    void retype_numera(const QString& text) {
        FRinumera->numera->edit()->selectAll();
        QTest::keyClicks(FRinumera->numera->edit(), text);
    }

private slots:
    void init() { set_up(); }
    void cleanup() { tear_down(); }

    void dialogsAtTheirDesignSizesAndPlaces() {
        QCOMPARE(Tipo->windowTitle(), QString("Tipo di Immersione"));
        QCOMPARE(Tipo->geometry(), QRect(455, 151, 248, 195));
        QCOMPARE(Tipo->RadioGroup4->geometry(), QRect(96, 56, 137, 57));
        QCOMPARE(Tipo->RadioGroup2->item(2)->text(), QString("Decompressione"));
        QCOMPARE(Tipo->RadioGroup3->item(0)->text(), QString());
        QCOMPARE(att->windowTitle(), QString("Attività nell'immersione"));
        QCOMPARE(att->geometry(), QRect(569, 308, 258, 289));
        QCOMPARE(att->CheckBox[11]->text(), QString("Foto/Video"));
        QCOMPARE(att->CheckBox[11]->pos(), QPoint(128, 120));
        QCOMPARE(att->BitBtn1->geometry(), QRect(86, 194, 75, 25));
        QCOMPARE(FRinumera->size(), QSize(188, 152));
        QCOMPARE(FRinumera->RxLabel1->text(), QString("Inserisci il numero iniziale\ndelle immersioni"));
        QCOMPARE(FRinumera->numera->text(), QString("1"));
        QCOMPARE(FRinumera->font().pixelSize(), 13);
    }

    void insertAppendsAndShowsTheNewDiveWhateverWasCurrent() {
        load(days_of_may({1, 2, 3}));
        show_active();
        click_item(0);
        form->PageControl2->setCurrentWidget(form->imm_descrizioni);
        key(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items(), (QStringList{" 1 - 1", " 2 - 2", " 3 - 3", " 4 - "}));
        QCOMPARE(lb().corrente, 3u);
        QCOMPARE(form->ListBox1->currentIndex().row(), 3);
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_data_luogo);
        QCOMPARE(form->nimm->text(), QString("4"));
    }

    void deleteScatteredSelectionEverythingAndNothing() {
        load(days_of_may({1, 2, 3, 4, 5}, 20));
        show_active();
        click_item(1);
        click_item(3, Qt::ControlModifier);
        key(Qt::Key_F10, Qt::ControlModifier);
        QCOMPARE(items(), (QStringList{" 21 - 1", " 22 - 3", " 23 - 5"}));
        QCOMPARE(lb().corrente, 0u);
        QCOMPARE(form->ListBox1->currentIndex().row(), 0);
        QCOMPARE(form->posto->text(), QString("1"));
        QCOMPARE(lb().base_num, 20);

        // Everything: an empty list, the editor and its dialog buttons disabled.
        form->ListBox1->setFocus();
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_F10, Qt::ControlModifier);
        QCOMPARE(lb().num_imm, 0u);
        QVERIFY(items().isEmpty());
        QVERIFY(!form->b_tipo->isEnabled() && !form->b_att->isEnabled());
        form->b_tipoClick();
        form->b_attClick();
        QVERIFY(Tipo->isHidden() && att->isHidden());
        // Delete on the empty logbook, then Insert: one dive numbered from base_num.
        form->Cancella1->trigger();
        QCOMPARE(lb().num_imm, 0u);
        form->Inserisci1->trigger();
        QCOMPARE(items(), QStringList{" 21 - "});
        QVERIFY(form->b_tipo->isEnabled());
        QVERIFY(errors.messages.empty());
    }

    void renumberWithEnterFromTheDialog() {
        load(days_of_may({9, 3, 7, 1, 10, 5, 2, 8, 4, 6}));
        show_active();
        key(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(FRinumera->isVisible());
        key(Qt::Key_R, Qt::ControlModifier);  // a second time only brings it to the front
        QVERIFY(FRinumera->isVisible());
        retype_numera("100");
        key_in(FRinumera->numera, Qt::Key_Return);
        QVERIFY(FRinumera->isHidden());
        QCOMPARE(lb().base_num, 99);
        for (uint32_t i = 0; i < 10; ++i) {
            QCOMPARE(dive(i).giorno, int32_t(i + 1));
            QCOMPARE(dive(i).nimm, int32_t(100 + i));
        }
        QCOMPARE(items().first(), QString(" 100 - 1"));

        // The typed number is still there; a text that is no number starts from 0.
        form->Rinumera1->trigger();
        QCOMPARE(FRinumera->numera->text(), QString("100"));
        retype_numera("abc");
        click(FRinumera->BitBtn1);
        QCOMPARE(dive(0).nimm, 0);
        // Negative starts are taken; the list shows them unsigned.
        form->Rinumera1->trigger();
        retype_numera("-2147483648");
        key_in(FRinumera->numera, Qt::Key_Enter);
        QCOMPARE(lb().base_num, std::numeric_limits<int32_t>::min());
        QCOMPARE(items().first(), QString(" 2147483649 - 1"));
    }

    void renumberEscCancelAndOneDive() {
        load(days_of_may({2, 1}));
        show_active();
        form->Rinumera1->trigger();
        retype_numera("50");
        key_in(FRinumera->numera, Qt::Key_Escape);
        QVERIFY(FRinumera->isHidden());
        QCOMPARE(dive(0).giorno, 2);
        QCOMPARE(dive(0).nimm, 1);
        form->Rinumera1->trigger();
        click(FRinumera->BitBtn2);
        QVERIFY(FRinumera->isHidden());
        QCOMPARE(lb().base_num, 0);

        load(days_of_may({4}, 6));
        form->Rinumera1->trigger();
        retype_numera("50");
        click(FRinumera->BitBtn1);
        QVERIFY(FRinumera->isHidden());
        QCOMPARE(lb().base_num, 6);
        QCOMPARE(dive(0).nimm, 7);
    }

    void typeDialogLoadsAndWritesBack() {
        Clogbook in = days_of_may({1, 2});
        in.corrente = 0;
        in.set_tipo(0x04 | 0x08 | 0x100, 5);
        in.corrente = 1;
        in.set_tipo(0x03, 1);
        load(in);
        show_active();
        click(form->b_tipo);
        QVERIFY(Tipo->isVisible());
        QCOMPARE(Tipo->scelta(), (TypeChoice{0, 2, 0, 0}));
        click(Tipo->BitBtn1);
        QVERIFY(Tipo->isHidden());
        QCOMPARE(dive(0).tipo_bit, 0x08);
        QCOMPARE(dive(0).gas, 0);
        QCOMPARE(form->tipo->toPlainText(), QString("Decompressione,"));

        // 0x03 has no item: after the close box it is gone.
        click_item(1);
        click(form->b_tipo);
        QCOMPARE(Tipo->scelta(), (TypeChoice{1, 0, 0, 0}));
        QVERIFY(Tipo->close());
        QCOMPARE(dive(1).tipo_bit, 0);
        QCOMPARE(dive(1).gas, 1);

        // Chosen with the mouse, closed with Enter; Esc closes nothing.
        click(form->b_tipo);
        click(Tipo->RadioGroup1->item(2));
        click(Tipo->RadioGroup4->item(2));
        key_in(Tipo->RadioGroup4->item(2), Qt::Key_Escape);
        QVERIFY(Tipo->isVisible());
        key_in(Tipo->RadioGroup4->item(2), Qt::Key_Return);
        QVERIFY(Tipo->isHidden());
        QCOMPARE(dive(1).gas, 2);
        QCOMPARE(dive(1).tipo_bit, 0x80);
        QCOMPARE(form->tipo->toPlainText(), QString("Acqua Salata, SCR "));
        QCOMPARE(Tipo->scelta(), TypeChoice{});  // reset after every close
    }

    void activitiesDialogLoadsAndWritesBack() {
        Clogbook in = days_of_may({1});
        in.set_attivita(0x1FF, 0x101);
        in.set_altro("ab");
        load(in);
        show_active();
        click(form->b_att);
        QCOMPARE(att->focusWidget(), att->altro);
        QCOMPARE(att->altro->text(), QString("ab"));
        QVERIFY(att->CheckBox[7]->isChecked() && att->CheckBox[8]->isChecked() && !att->CheckBox[9]->isChecked());
        // Untouched: the same flags but those the dialog does not show; the text still sets "Altro".
        click(att->BitBtn1);
        QCOMPARE(dive(0).att_bit1, 0xFF);
        QCOMPARE(dive(0).att_bit2, 0x11);

        // One character keeps the flag clear, two set it, none clears it.
        click(form->b_att);
        att->altro->selectAll();
        QTest::keyClicks(att->altro, "x");
        click(att->CheckBox[0]);
        key_in(att->altro, Qt::Key_Return);
        QCOMPARE(dive(0).altro, std::string("x"));
        QCOMPARE(dive(0).lung_altro, 1u);
        QCOMPARE(dive(0).att_bit1, 0xFE);
        QCOMPARE(dive(0).att_bit2, 0x01);
        click(form->b_att);
        QTest::keyClick(att->altro, Qt::Key_End);
        QTest::keyClicks(att->altro, "y");
        att->close();
        QCOMPARE(dive(0).att_bit2, 0x11);
        QVERIFY(form->attivita->toPlainText().endsWith("Ricerca, Relitto, Altro, "));
        QVERIFY(form->attivita->toPlainText().startsWith("xy, In gruppo, "));
        click(form->b_att);
        att->altro->selectAll();
        QTest::keyClick(att->altro, Qt::Key_Delete);
        click(att->BitBtn1);
        QCOMPARE(dive(0).lung_altro, 0u);
        QCOMPARE(dive(0).att_bit2, 0x01);
        QCOMPARE(att->altro->text(), QString());

        // What the dialogs wrote is in the file.
        script.salva = {q(*dir / "out.qvl")};
        run(&TMainForm::SalvaCome1Click);
        Clogbook back(1);
        back.Leggi(*dir / "out.qvl");
        QVERIFY(back.immersioni[0] == dive(0));
    }

    void openDialogWritesIntoTheDiveCurrentWhenItCloses() {
        load(days_of_may({1, 2, 3}));
        show_active();
        click(form->b_tipo);
        click(form->b_att);
        click(Tipo->RadioGroup2->item(1));
        click(att->CheckBox[4]);
        form->activateWindow();
        click_item(2);
        QVERIFY(Tipo->close());
        QVERIFY(att->close());
        QCOMPARE(dive(0).tipo_bit, 0);
        QCOMPARE(dive(0).att_bit1, 0);
        QCOMPARE(dive(2).tipo_bit, 0x04);
        QCOMPARE(dive(2).att_bit1, 0x10);
        QCOMPARE(form->tipo->toPlainText(), QString("In Curva,"));

        // A logbook emptied under an open dialog gets nothing written.
        click(form->b_tipo);
        click(form->b_att);
        click(Tipo->RadioGroup3->item(1));
        QTest::keyClicks(att->altro, "zz");
        form->ListBox1->selectAll();
        form->Cancella1->trigger();
        QVERIFY(Tipo->close());
        QVERIFY(att->close());
        QCOMPARE(lb().num_imm, 0u);
        // After an insert it is the new logbook's current dive that gets the flags.
        click(form->b_att);
        QVERIFY(att->isHidden());
        form->Inserisci1->trigger();
        click(form->b_tipo);
        click(Tipo->RadioGroup3->item(2));
        form->Inserisci1->trigger();
        QVERIFY(Tipo->close());
        QCOMPARE(lb().num_imm, 2u);
        QCOMPARE(dive(0).tipo_bit, 0);
        QCOMPARE(dive(1).tipo_bit, 0x20);
        QVERIFY(errors.messages.empty());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
