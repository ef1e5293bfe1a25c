#include "logbook/dive_set.h"
#include "logbook/undo_history.h"
#include "logbook_files.h"

namespace {

void change_posto(UndoHistory& h, Clogbook& lb, const std::string& text, bool keystroke = false) {
    h.before_field_change(lb, DiveField::posto, keystroke);
    lb.set_posto(text);
    h.after_field_change(lb);
}

}  // namespace

// Past its limits the history drops its oldest steps, never the newest; a replaced
// logbook comes back with its file name; a change that ends where it started is no step.
TEST(UndoHistory, BoundedByStepsAndBytesKeepingTheNewest) {
    auto open = std::make_unique<Clogbook>(sample_logbook(1));
    std::u16string name = u"a.qvl";
    UndoHistory few(3);
    const std::string stored = open->attuale().posto;
    change_posto(few, *open, stored);
    change_posto(few, *open, "typed", true);
    change_posto(few, *open, stored, true);
    EXPECT_FALSE(few.can_undo());
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
