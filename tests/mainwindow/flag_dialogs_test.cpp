#include <functional>
#include <map>

#include "form_fixture.h"
#include "import_writers.h"
#include "logbook/count_peek.h"

namespace {

struct Flags {
    int32_t tipo_bit = 0, gas = 0, att_bit1 = 0, att_bit2 = 0;
    std::string altro;
};

Flags flags_of(const Timmersione& d) { return {d.tipo_bit, d.gas, d.att_bit1, d.att_bit2, d.altro}; }

QString text_of(const std::string& posto, const Flags& f) {
    return QString::asprintf("%s: %x %d %x %x '%s'", posto.c_str(), f.tipo_bit, f.gas, f.att_bit1, f.att_bit2,
                             f.altro.c_str());
}

// Flags that the dialogs show whole, so that showing and closing them keeps each dive as it is.
const std::map<std::string, Flags> kFlags = {
    {"A", {0x54, 1, 0x22, 0x10, "relitto A"}}, {"B", {0xA8, 2, 0x01, 0x01, "x"}}, {"C", {0x14, 0, 0x80, 0x18, "Cc"}},
    {"D", {0x88, 1, 0x10, 0x02, ""}},          {"E", {}},                         {"P", {0x28, 2, 0x40, 0x04, ""}},
    {"DT", {0x94, 1, 0x08, 0x08, ""}},         {"", {}}};

}  // namespace

class FlagDialogsTest : public FormFixture {
    Q_OBJECT

    // Days 4, 1, 5, 2, 3 of May, so that the sort moves them; D and E, neighbours once sorted, have a profile.
    static Clogbook base() {
        Clogbook lb = dives_on({4, 1, 5, 2, 3});
        for (lb.corrente = 0; lb.corrente < 5; ++lb.corrente) {
            with_flags(lb, std::string(1, char('A' + lb.corrente)));
            if (lb.corrente >= 3) lb.set_profilo(std::string(40, '\x05'));
        }
        lb.corrente = 0;
        return lb;
    }
    static void with_flags(Clogbook& lb, const std::string& name) {
        const Flags& f = kFlags.at(name);
        lb.set_posto(name);
        lb.set_tipo(f.tipo_bit, f.gas);
        lb.set_attivita(f.att_bit1, f.att_bit2);
        lb.set_altro(f.altro);
    }

    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
    void enter(QDialog* d) {
        QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
        QVERIFY(d->isHidden());
    }
    void back_to_main() {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    // Both dialogs show the current dive, or disabled controls when there is none.
    void check_dialogs_show_the_current_dive() {
        const Clogbook& lb = form->logbook();
        const Flags want = lb.num_imm ? flags_of(lb.attuale()) : Flags{};
        QCOMPARE(Tipo->RadioGroup1->isEnabled() && att->altro->isEnabled(), lb.num_imm > 0);
        QCOMPARE(Tipo->scelta(), type_choice_from(want.tipo_bit, want.gas));
        QCOMPARE(att->caselle(), activity_boxes_from(want.att_bit1, want.att_bit2));
        QCOMPARE(att->altro->bytes(), want.altro);
    }
    // F2, then every dive of the file written, read back.
    QStringList saved() {
        form->Salva1->trigger();
        const auto path = std::filesystem::path(form->nomefile.toStdU16String());
        Clogbook back(peek_native_count(path));
        back.Leggi(path);
        QStringList out;
        for (const Timmersione& d : back.immersioni) out << text_of(d.posto, flags_of(d));
        return out;
    }
    QStringList expected(std::map<std::string, Flags> changed = {}) const {
        QStringList out;
        for (const Timmersione& d : form->logbook().immersioni)
            out << text_of(d.posto, changed.try_emplace(d.posto, kFlags.at(d.posto)).first->second);
        return out;
    }

private slots:
    // Whatever makes another dive current or replaces the logbook, open dialogs show the
    // new current dive; Enter then writes each dive's own values back and nothing else.
    void openDialogsFollowEveryChangeOfTheCurrentDive() {
        Clogbook other(1);
        with_flags(other, "P");
        other.Scrivi(*dir / "other.qvl");
        DataTrakDive imported;
        imported.posto = "DT", imported.tipo_bit = 0x94, imported.gas = 1, imported.att_bit1 = imported.att_bit2 = 8;
        write_bytes(*dir / "dt.log", datatrak_bytes({}, {imported}));
        const auto row = [&](int r) { return form->ListBox1->visualRect(form->ListBox1->model()->index(r, 0)).center(); };
        const std::pair<const char*, std::function<void()>> ways[] = {
            {"list click", [&] { click_item(4); }},
            {"arrow key", [&] { QTest::keyClick(form->ListBox1, Qt::Key_Down); }},
            {"Up/Down on the graph",
             [&] {
                 QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, row(1));
                 QTest::mouseDClick(form->ListBox1->viewport(), Qt::LeftButton, {}, row(1));
                 QTest::keyClick(form->focusWidget(), Qt::Key_Down);
                 QCOMPARE(form->logbook().attuale().posto, std::string("E"));
             }},
            {"Insert", [&] { form->Inserisci1->trigger(); }},
            {"Delete", [&] { click_item(0), click_item(2, Qt::ControlModifier), form->Cancella1->trigger(); }},
            {"Delete everything", [&] { form->ListBox1->selectAll(), form->Cancella1->trigger(); }},
            {"Renumber",
             [&] { form->Rinumera1->trigger(), QTest::keyClick(FRinumera->numera, Qt::Key_Return); }},
            {"sort on entering the list", [&] { form->ListBox1->setFocus(Qt::TabFocusReason); }},
            {"Load", [&] { files->open = {q(*dir / "other.qvl")}, form->Carica1->trigger(); }},
            {"DataTrak import",
             [&] {
                 files->open = {q(*dir / "dt.log")};
                 files->save = {q(*dir / "dt.qvl")};
                 form->ConvertidaDataTrak1->trigger();
             }},
            {"Merge",
             [&] {
                 question->answers = {true};
                 files->open = {q(*dir / "other.qvl")};
                 files->save = {std::nullopt};
                 form->Merge1->trigger();
             }},
        };
        for (const auto& [way, change] : ways) {
            qInfo() << way;
            load(base());
            show_active();
            form->posto->setFocus();
            click(form->b_tipo);
            click(form->b_att);
            back_to_main();
            change();
            if (QTest::currentTestFailed()) return;
            check_dialogs_show_the_current_dive();
            QVERIFY(!form->logbook().num_imm || form->logbook().attuale().posto != "A");
            enter(Tipo);
            enter(att);
            QCOMPARE(saved(), expected());
        }
        QVERIFY(errors.messages.empty());
    }

    // Changes made before another dive becomes current stay in the dive they were made
    // for; showing an open dialog again writes nothing new.
    void changesLandInTheDiveTheyWereMadeFor() {
        load(base());
        show_active();
        click_item(1);  // sorted on entry: B D E A C
        click(form->b_att);
        click(att->CheckBox[1]);  // "In Gruppo" for D
        back_to_main();
        click_item(3);
        QVERIFY(att->CheckBox[5]->isChecked() && att->altro->text() == "relitto A");
        click(att->CheckBox[2]);  // "Corso" for A
        click(form->b_att);
        enter(att);
        click(form->b_tipo);
        click(Tipo->RadioGroup1->item(2));  // "SCR" for A
        back_to_main();
        QTest::keyClick(form->ListBox1, Qt::Key_Down);
        click(Tipo->RadioGroup4->item(1));  // "Dolce" for C
        QCOMPARE(form->tipo->toPlainText(), QString::fromStdString(Clogbook::Testo_Tipo(0x54, 0)));
        click(form->b_att);
        QTest::keyClick(att->altro, Qt::Key_End);
        QTest::keyClicks(att->altro, "zz");  // for C
        enter(Tipo);
        enter(att);
        const Flags a = kFlags.at("A"), c = kFlags.at("C"), d = kFlags.at("D");
        QCOMPARE(saved(), expected({{"A", {a.tipo_bit, 2, a.att_bit1 | 0x04, a.att_bit2, a.altro}},
                                     {"C", {0x54, c.gas, c.att_bit1, c.att_bit2, "Cczz"}},
                                     {"D", {d.tipo_bit, d.gas, d.att_bit1 | 0x02, d.att_bit2, ""}}}));
        QVERIFY(errors.messages.empty());
    }
};

QTEST_MAIN(FlagDialogsTest)
#include "flag_dialogs_test.moc"
