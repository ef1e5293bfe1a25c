#include <gtest/gtest.h>

#include <chrono>

#include "logbook/datatrak_date.h"

std::ostream& operator<<(std::ostream& os, const CalendarDate& d) {
    return os << d.giorno << '/' << d.mese << '/' << d.anno;
}

namespace {

using namespace std::chrono;

// std::chrono's years end at 32767; later dates are found in the same place of an
// earlier 400-year cycle, which has a whole number of weeks and days.
CalendarDate chrono_date(uint32_t n) {
    const uint32_t cycles = n >= 146097 * 50 ? n / 146097 - 40 : 0;
    const year_month_day ymd{sys_days{1600y / January / 1} + days{n - cycles * 146097}};
    return {int32_t(unsigned(ymd.day())), int32_t(unsigned(ymd.month())), int32_t(ymd.year()) + int32_t(cycles) * 400};
}

}  // namespace

TEST(DataTrakDate, KnownDaysEveryThreeByteCountAndNoOverflow) {
    const std::pair<uint32_t, CalendarDate> known[] = {
        {0, {1, 1, 1600}},       {59, {29, 2, 1600}} /* a leap century */, {36525 + 59, {1, 3, 1700}} /* not one */,
        {144695, {29, 2, 1996}}, {146097, {1, 1, 2000}},                   {0xFFFFFF, {16, 6, 47534}}};
    for (const auto& [n, date] : known) EXPECT_EQ(date_after_1600(n), date) << "N = " << n;

    // Every three-byte count, against a calendar that only knows the next day.
    CalendarDate d{1, 1, 1600};
    for (uint32_t n = 0; n <= 0xFFFFFF; ++n) {
        if (date_after_1600(n) != d) {
            ADD_FAILURE() << "N = " << n << ": " << date_after_1600(n) << " instead of " << d;
            return;
        }
        const bool leap = (d.anno % 4 == 0 && d.anno % 100 != 0) || d.anno % 400 == 0;
        const int32_t month_length = d.mese == 2 ? 28 + leap : 30 + (d.mese + d.mese / 8) % 2;
        if (++d.giorno <= month_length) continue;
        d.giorno = 1;
        if (++d.mese > 12) d.mese = 1, ++d.anno;
    }
    // No overflow beyond the three bytes, up to the largest 32-bit count.
    EXPECT_EQ(date_after_1600(0xFFFFFFFFu), chrono_date(0xFFFFFFFFu));
}
