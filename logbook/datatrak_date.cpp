#include "logbook/datatrak_date.h"

namespace {

// Counting years from 1 March puts the leap day at the end of the year, so a
// 400-year cycle of 146097 days splits into years and months by plain division.
constexpr uint64_t kDaysPerCycle = 146097;
// 1 January 1600 counted in days from 1 March of year 0.
constexpr uint64_t kFirstDay = 4 * kDaysPerCycle - 60;

}  // namespace

CalendarDate date_after_1600(uint32_t days) {
    const uint64_t z = kFirstDay + days;
    const uint64_t cycle = z / kDaysPerCycle;
    const uint64_t day_of_cycle = z % kDaysPerCycle;  // 0..146096
    const uint64_t year_of_cycle =
        (day_of_cycle - day_of_cycle / 1460 + day_of_cycle / 36524 - day_of_cycle / 146096) / 365;  // 0..399
    const uint64_t day_of_year = day_of_cycle - (365 * year_of_cycle + year_of_cycle / 4 - year_of_cycle / 100);
    const uint64_t month_from_march = (5 * day_of_year + 2) / 153;  // 0 = March .. 11 = February
    const uint64_t day = day_of_year - (153 * month_from_march + 2) / 5 + 1;
    const uint64_t month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
    const uint64_t year = cycle * 400 + year_of_cycle + (month <= 2 ? 1 : 0);
    return {int32_t(day), int32_t(month), int32_t(year)};
}
