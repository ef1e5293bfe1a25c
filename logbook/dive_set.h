#pragma once

// The commands that change which dives a logbook holds or how they are numbered.
// A logbook never changes its size, so adding and removing dives build a new one
// that carries the old header (serial numbers and base_num).

#include <memory>
#include <vector>

#include "logbook/Clogbook.h"

// The dives of `lb` followed by one empty dive, which is current.
std::unique_ptr<Clogbook> with_dive_appended(const Clogbook& lb);

// The dives of `lb` whose flag in `removed` is not set, in order, the first current.
// Positions beyond `removed` are kept.
std::unique_ptr<Clogbook> without_dives(const Clogbook& lb, const std::vector<bool>& removed);

// With two or more dives: numbers the dives from `first` on in chronological order
// (base_num = first - 1, then Ordina) and returns true. With fewer nothing changes.
// A first number of INT32_MIN counts as INT32_MIN + 1, so base_num never overflows.
bool renumber_from(Clogbook& lb, int32_t first);
