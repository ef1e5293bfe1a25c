#include "mainwindow/list_selection.h"

#include <algorithm>

std::vector<bool> selected_positions(const QItemSelectionModel& selection, uint32_t dive_count) {
    std::vector<bool> selected(dive_count, false);
    // Ranges, not single indexes: a selection of the whole list is one range.
    for (const QItemSelectionRange& range : selection.selection()) {
        const int last = std::min<int64_t>(range.bottom(), int64_t(dive_count) - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row) selected[std::size_t(row)] = true;
    }
    return selected;
}
