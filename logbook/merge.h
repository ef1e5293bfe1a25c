#pragma once

// Merging two logbooks by date and start time.

#include <memory>

#include "logbook/Clogbook.h"

// The dives of `a` and `b` interleaved by (year, month, day, hour, minute), compared
// unsigned. With solo_diverse a dive of `b` whose key equals the `a` dive it meets is
// dropped; otherwise both stay, b's first. The result carries a's header and is
// numbered from a's base_num + 1.
std::unique_ptr<Clogbook> unisci_logbook(const Clogbook& a, const Clogbook& b, bool solo_diverse);
