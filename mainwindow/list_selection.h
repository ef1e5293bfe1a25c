#pragma once

#include <QItemSelectionModel>
#include <cstdint>
#include <vector>

// Which logbook positions the dive list has selected (item i is the dive at position i),
// one flag per dive; rows past the logbook's end are left out.
std::vector<bool> selected_positions(const QItemSelectionModel& selection, uint32_t dive_count);
