#pragma once

// The changes the user can take back, and those taken back that can be done again.
// Each step keeps the state its change replaced; taking the step back or doing it
// again swaps that state with the logbook's, so undo and redo are one operation. Steps
// find their dive by its identity, wherever the sort has moved it since.
//
// Memory stays bounded: past a number of steps or of bytes of kept state the oldest
// steps are dropped, never the newest one. The window keeps 1,000 steps and 256 MiB:
// three replaced logbooks of 100,000 dives with their profiles, or any number of
// field changes up to the step count.

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "logbook/Clogbook.h"
#include "logbook/dive_field.h"

class UndoHistory {
public:
    explicit UndoHistory(size_t max_steps = 1000, size_t max_bytes = size_t(256) << 20)
        : max_steps_(max_steps), max_bytes_(max_bytes) {}

    // What the steps that replace the whole logbook swap: the open one and its file name.
    struct OpenLogbook {
        std::unique_ptr<Clogbook>& logbook;
        std::u16string& file_name;
    };

    // Before the user changes `field` of the current dive. Keystrokes into the same
    // field of the same dive join one step until close_edit(); a change that is no
    // keystroke (a click in a flag dialog) is a step of its own.
    void before_field_change(const Clogbook& lb, DiveField field, bool keystroke);
    // After that change: a step whose field is back where it started is dropped, so a
    // change that changed nothing is no step.
    void after_field_change(const Clogbook& lb);
    // The focus left the field or another dive is shown.
    void close_edit() { edit_open_ = false; }

    // Before a command that reorders and renumbers the dives in place; then either
    // commit() once it has changed the logbook or discard() when it did nothing.
    void before_reorder(const Clogbook& lb, std::string name);
    void commit();
    void discard();

    // After a command put a new logbook in place of `old`, which was open as `old_name`.
    void replaced(std::unique_ptr<Clogbook> old, std::u16string old_name, std::string name);

    bool can_undo() const { return !done_.empty(); }
    bool can_redo() const { return !undone_.empty(); }
    // What the next undo or redo changes, as the menu names it ("Cancella").
    const std::string& undo_name() const { return done_.back().name; }
    const std::string& redo_name() const { return undone_.back().name; }

    // Take back the newest step, or do again the last one taken back. The current dive
    // ends on the dive the step touched.
    void undo(OpenLogbook open);
    void redo(OpenLogbook open);

    // Called after every change of the history, so that the menu can follow it.
    std::function<void()> on_change;

    void clear();
    size_t steps() const { return done_.size() + undone_.size(); }
    size_t bytes() const { return bytes_; }

private:
    struct FieldChange {
        DiveId dive;
        uint32_t where;  // where the dive was last seen: found at once unless sorted since
        DiveField field;
        Timmersione other;  // only the field's members are used
    };
    struct OrderChange {
        int32_t base_num;
        std::vector<DiveId> order;
        std::vector<int32_t> numbers;  // the stored dive numbers, which a file may set freely
        DiveId current;
    };
    struct LogbookChange {
        std::unique_ptr<Clogbook> logbook;
        std::u16string file_name;
    };
    struct Step {
        std::string name;
        std::variant<FieldChange, OrderChange, LogbookChange> change;
        size_t bytes = 0;
    };

    static OrderChange order_of(const Clogbook& lb);
    static void swap_state(Step& step, OpenLogbook open);
    static size_t bytes_of(const Step& step);
    void push(Step step);
    void move_newest(std::deque<Step>& from, std::deque<Step>& to, OpenLogbook open);
    void drop_newest();
    void forget_redo();
    void changed() {
        if (on_change) on_change();
    }
    void trim();

    size_t max_steps_, max_bytes_;
    std::deque<Step> done_, undone_;
    bool edit_open_ = false;
    bool pending_ = false;  // the newest done step awaits commit() or discard()
    size_t bytes_ = 0;
};
