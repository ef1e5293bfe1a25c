#include "logbook/dive_set.h"
#include "logbook/undo_history.h"
#include "logbook_files.h"

namespace {

std::u16string no_name;

void change_posto(UndoHistory& h, Clogbook& lb, const std::string& text, bool keystroke = false) {
    h.before_field_change(lb, DiveField::posto, keystroke);
    lb.set_posto(text);
    h.after_field_change(lb);
}

}  // namespace

// A renumber comes back with the very order and numbers the file had, and goes forward
// again exactly; a change finds its dive wherever the sort has moved it since.
TEST(UndoHistory, RenumberIsExactBothWaysAndStepsFindTheirDiveAfterASort) {
    auto open = std::make_unique<Clogbook>(sample_logbook(5));
    const int32_t days[] = {9, 3, 7, 1, 5}, file_numbers[] = {12, -4, 12, 0, 77};
    for (open->corrente = 0; open->corrente < 5; ++open->corrente) {
        open->set_data(days[open->corrente], 6, 2020);
        open->attuale().nimm = file_numbers[open->corrente];
    }
    const std::vector<Timmersione> before = open->immersioni;
    UndoHistory h;
    std::u16string name;

    open->corrente = 0;
    change_posto(h, *open, "moved");
    h.before_reorder(*open, "Rinumera");
    ASSERT_TRUE(renumber_from(*open, 40));
    h.commit();
    h.before_reorder(*open, "Rinumera");
    h.discard();  // a command that changed nothing leaves no step
    const std::vector<Timmersione> renumbered = open->immersioni;
    EXPECT_EQ(renumbered.back().posto, "moved");

    h.undo({open, name});
    h.undo({open, name});
    EXPECT_EQ(open->immersioni, before);
    EXPECT_EQ(std::pair(open->base_num, open->corrente), std::pair(99, 0u));
    h.redo({open, name});
    h.redo({open, name});
    EXPECT_EQ(open->immersioni, renumbered);
    EXPECT_EQ(open->base_num, 39);

    h.undo({open, name});
    open->Ordina();  // as entering the list does: day 9 goes last
    h.undo({open, name});
    EXPECT_EQ(open->corrente, 4u);
    EXPECT_EQ(open->attuale().posto, before[0].posto);
    EXPECT_EQ(open->attuale().giorno, 9);
}

// Keystrokes into one field of one dive are one step until the edit closes; a change
// that ends where it started is none; a new change drops what could be redone.
TEST(UndoHistory, KeystrokesGroupNoChangeIsNoStepAndANewChangeDropsRedo) {
    auto open = std::make_unique<Clogbook>(sample_logbook(2));
    const std::string first = open->attuale().posto;
    UndoHistory h;
    std::u16string name;
    for (const char* typed : {"a", "ab", "abc"}) change_posto(h, *open, typed, true);
    EXPECT_EQ(h.steps(), 1u);
    EXPECT_EQ(h.undo_name(), "modifica di Luogo dell'Immersione");
    h.close_edit();
    change_posto(h, *open, "abcd", true);
    change_posto(h, *open, "abc", true);  // typed back: no second step
    EXPECT_EQ(h.steps(), 1u);
    change_posto(h, *open, "abc");
    EXPECT_EQ(h.steps(), 1u);
    h.undo({open, name});
    EXPECT_EQ(open->attuale().posto, first);
    EXPECT_EQ(open->attuale().lung_posto, first.size());
    ASSERT_TRUE(h.can_redo());
    open->corrente = 1;
    change_posto(h, *open, "other");
    EXPECT_FALSE(h.can_redo());
}

// Past its limits the history drops its oldest steps, never the newest; a replaced
// logbook comes back with its file name.
TEST(UndoHistory, BoundedByStepsAndBytesKeepingTheNewest) {
    auto open = std::make_unique<Clogbook>(sample_logbook(1));
    std::u16string name = u"a.qvl";
    UndoHistory few(3);
    for (int i = 0; i < 5; ++i) change_posto(few, *open, std::to_string(i));
    EXPECT_EQ(few.steps(), 3u);
    while (few.can_undo()) few.undo({open, name});
    EXPECT_EQ(open->attuale().posto, "1");

    UndoHistory tiny(100, 1);
    const Clogbook* first = open.get();
    for (const char16_t* loaded : {u"b.qvl", u"c.qvl"}) {
        tiny.replaced(std::exchange(open, with_dive_appended(*open)), name, "Carica");
        name = loaded;
    }
    EXPECT_EQ(tiny.steps(), 1u);
    EXPECT_LE(few.bytes(), 3 * (sizeof(Timmersione) + 200));
    tiny.undo({open, name});
    EXPECT_NE(open.get(), first);
    EXPECT_EQ(name, u"b.qvl");
    EXPECT_EQ(open->num_imm, 2u);
    EXPECT_FALSE(tiny.can_undo());
}
