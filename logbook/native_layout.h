#pragma once

// Sizes shared by the native and the version-1.0 layouts, and the reader of the
// dive block part that both have in common.

#include <cstdint>

class Clogbook;
class ByteReader;

inline constexpr uint64_t kNativeHeaderSize = 40;
inline constexpr uint64_t kNativeFixedDiveSize = 160;
// Version 1.0 lacks codice_dt, computer and computer_extra at the start.
inline constexpr uint64_t kV10FixedDiveSize = 136;

// Reads a dive block from the date to the end of its strings into the record at
// the logbook's corrente, numbering it by its position.
void read_dive_after_prefix(Clogbook& log, ByteReader& r);
