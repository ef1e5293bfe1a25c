#include "logbook/undo_history.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

bool same_dive(const DiveId& a, const DiveId& b) { return a.value == b.value; }

size_t text_bytes(const std::string& s) { return s.capacity() + 1; }

size_t logbook_bytes(const Clogbook& lb) {
    size_t bytes = sizeof lb + lb.immersioni.capacity() * sizeof(Timmersione);
    for (const Timmersione& d : lb.immersioni)
        for (const std::string* s : {&d.posto, &d.punto, &d.altro, &d.compagni, &d.commenti, &d.profilo})
            bytes += text_bytes(*s);
    return bytes;
}

// The position of `dive`, looked for first where it was last seen.
std::optional<uint32_t> position_of(const Clogbook& lb, const DiveId& dive, uint32_t hint) {
    if (hint < lb.num_imm && same_dive(lb.immersioni[hint].id, dive)) return hint;
    for (uint32_t i = 0; i < lb.num_imm; ++i)
        if (same_dive(lb.immersioni[i].id, dive)) return i;
    return std::nullopt;
}

// Puts the dives in `order`; false, and nothing moved, when the logbook does not hold
// exactly those dives.
bool arrange(Clogbook& lb, const std::vector<DiveId>& order) {
    const size_t n = lb.immersioni.size();
    if (order.size() != n) return false;
    std::vector<std::pair<uint64_t, uint32_t>> where(n);
    for (uint32_t i = 0; i < n; ++i) where[i] = {lb.immersioni[i].id.value, i};
    std::sort(where.begin(), where.end());
    std::vector<uint32_t> from(n);
    for (size_t k = 0; k < n; ++k) {
        const auto it = std::lower_bound(where.begin(), where.end(), std::pair(order[k].value, uint32_t(0)));
        if (it == where.end() || it->first != order[k].value) return false;
        from[k] = it->second;
    }
    std::vector<Timmersione> arranged;
    arranged.reserve(n);
    for (size_t k = 0; k < n; ++k) arranged.push_back(std::move(lb.immersioni[from[k]]));
    lb.immersioni.swap(arranged);
    return true;
}

}  // namespace

UndoHistory::OrderChange UndoHistory::order_of(const Clogbook& lb) {
    OrderChange c{lb.base_num, {}, {}, lb.num_imm > 0 ? lb.attuale().id : DiveId{}};
    c.order.reserve(lb.num_imm);
    c.numbers.reserve(lb.num_imm);
    for (const Timmersione& d : lb.immersioni) {
        c.order.push_back(d.id);
        c.numbers.push_back(d.nimm);
    }
    return c;
}

void UndoHistory::swap_state(Step& step, OpenLogbook open) {
    Clogbook& lb = *open.logbook;
    if (auto* c = std::get_if<FieldChange>(&step.change)) {
        const auto at = position_of(lb, c->dive, c->where);
        if (!at) return;
        swap_field(c->field, lb.immersioni[*at], c->other);
        lb.corrente = c->where = *at;
    } else if (auto* c = std::get_if<OrderChange>(&step.change)) {
        OrderChange now = order_of(lb);
        if (!arrange(lb, c->order)) return;
        lb.base_num = c->base_num;
        for (uint32_t i = 0; i < lb.num_imm; ++i) lb.immersioni[i].nimm = c->numbers[i];
        lb.corrente = position_of(lb, c->current, lb.corrente).value_or(lb.corrente);
        *c = std::move(now);
    } else if (auto* c = std::get_if<LogbookChange>(&step.change)) {
        std::swap(open.logbook, c->logbook);
        std::swap(open.file_name, c->file_name);
    }
}

size_t UndoHistory::bytes_of(const Step& step) {
    size_t bytes = sizeof step + step.name.capacity();
    if (auto* c = std::get_if<FieldChange>(&step.change)) bytes += field_text_bytes(c->field, c->other);
    if (auto* c = std::get_if<OrderChange>(&step.change))
        bytes += c->order.capacity() * sizeof(DiveId) + c->numbers.capacity() * sizeof(int32_t);
    if (auto* c = std::get_if<LogbookChange>(&step.change)) bytes += logbook_bytes(*c->logbook) + c->file_name.capacity() * sizeof(char16_t);
    return bytes;
}

void UndoHistory::push(Step step) {
    step.bytes = bytes_of(step);
    bytes_ += step.bytes;
    done_.push_back(std::move(step));
    pending_ = true;
    changed();
}

void UndoHistory::commit() {
    if (!pending_) return;
    pending_ = false;
    forget_redo();
    trim();
    changed();
}

void UndoHistory::discard() {
    if (pending_) drop_newest();
}

void UndoHistory::drop_newest() {
    pending_ = edit_open_ = false;
    bytes_ -= done_.back().bytes;
    done_.pop_back();
    changed();
}

void UndoHistory::before_field_change(const Clogbook& lb, DiveField field, bool keystroke) {
    const Timmersione& dive = lb.attuale();
    if (keystroke && edit_open_ && !done_.empty()) {
        const auto* open = std::get_if<FieldChange>(&done_.back().change);
        if (open && open->field == field && same_dive(open->dive, dive.id)) return;
    }
    commit();
    Step step{std::string("modifica di ") + field_caption(field), FieldChange{dive.id, lb.corrente, field, {}}};
    copy_field(field, dive, std::get<FieldChange>(step.change).other);
    push(std::move(step));
    edit_open_ = keystroke;
}

void UndoHistory::after_field_change(const Clogbook& lb) {
    if (done_.empty() || lb.num_imm == 0) return;
    const auto* c = std::get_if<FieldChange>(&done_.back().change);
    if (!c || !same_dive(c->dive, lb.attuale().id)) return;
    if (!same_field(c->field, lb.attuale(), c->other)) {
        commit();
        return;
    }
    drop_newest();  // an open edit typed back to where it started is no step either
}

void UndoHistory::before_reorder(const Clogbook& lb, std::string name) {
    commit();
    edit_open_ = false;
    push(Step{std::move(name), order_of(lb)});
}

void UndoHistory::replaced(std::unique_ptr<Clogbook> old, std::u16string old_name, std::string name) {
    if (!old) return;  // the window's first logbook replaces none
    commit();
    edit_open_ = false;
    push(Step{std::move(name), LogbookChange{std::move(old), std::move(old_name)}});
    commit();
}

void UndoHistory::move_newest(std::deque<Step>& from, std::deque<Step>& to, OpenLogbook open) {
    commit();
    edit_open_ = false;
    if (from.empty()) return;
    Step step = std::move(from.back());
    from.pop_back();
    swap_state(step, open);
    bytes_ -= step.bytes;
    step.bytes = bytes_of(step);
    bytes_ += step.bytes;
    to.push_back(std::move(step));
    changed();
}

void UndoHistory::undo(OpenLogbook open) { move_newest(done_, undone_, open); }
void UndoHistory::redo(OpenLogbook open) { move_newest(undone_, done_, open); }

void UndoHistory::forget_redo() {
    for (const Step& s : undone_) bytes_ -= s.bytes;
    undone_.clear();
}

void UndoHistory::trim() {
    while (done_.size() > 1 && (steps() > max_steps_ || bytes_ > max_bytes_)) {
        bytes_ -= done_.front().bytes;
        done_.pop_front();
    }
}

void UndoHistory::clear() {
    done_.clear();
    undone_.clear();
    bytes_ = 0;
    edit_open_ = pending_ = false;
    changed();
}
