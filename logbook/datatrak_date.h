#pragma once

// DataTrak stores a dive's date as a day count from 1 January 1600.

#include <cstdint>

struct CalendarDate {
    int32_t giorno;
    int32_t mese;
    int32_t anno;

    bool operator==(const CalendarDate&) const = default;
};

// The Gregorian date `days` days after 1 January 1600 (0 gives that day). Exact for
// every count a 32-bit unsigned value can hold, far beyond the 3 bytes of the file.
CalendarDate date_after_1600(uint32_t days);
