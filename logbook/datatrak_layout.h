#pragma once

// Sizes of the DataTrak logbook (*.log) that bound what a file can hold.

#include <cstdint>

inline constexpr uint64_t kDataTrakHeaderSize = 12;
// The fixed runs of a dive record around its counted strings: the date and time
// before the place; the numbers and classes after the site; the alarms, number,
// codes and profile length after the comments.
inline constexpr uint64_t kDataTrakDiveHead = 8;
inline constexpr uint64_t kDataTrakDiveMiddle = 21;
inline constexpr uint64_t kDataTrakDiveTail = 18;
// A dive record whose five counted strings and profile are all empty.
inline constexpr uint64_t kDataTrakMinDiveSize = kDataTrakDiveHead + kDataTrakDiveMiddle + kDataTrakDiveTail + 5;
