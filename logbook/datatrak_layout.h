#pragma once

// Sizes of the DataTrak logbook (*.log) that bound what a file can hold.

#include <cstdint>

inline constexpr uint64_t kDataTrakHeaderSize = 12;
// A dive record whose five counted strings and profile are all empty.
inline constexpr uint64_t kDataTrakMinDiveSize = 52;
