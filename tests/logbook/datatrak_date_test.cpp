#include <gtest/gtest.h>

#include "logbook/datatrak_date.h"

TEST(DataTrakDate, EveryThreeByteCountAndNoOverflow) {
    // Every three-byte count, against a calendar that only knows the next day.
    CalendarDate d{1, 1, 1600};
    for (uint32_t n = 0; n <= 0xFFFFFF; ++n) {
        if (date_after_1600(n) != d) {
            ADD_FAILURE() << "N = " << n << " is not " << d.giorno << '/' << d.mese << '/' << d.anno;
            return;
        }
        const bool leap = (d.anno % 4 == 0 && d.anno % 100 != 0) || d.anno % 400 == 0;
        const int32_t month_length = d.mese == 2 ? 28 + leap : 30 + (d.mese + d.mese / 8) % 2;
        if (++d.giorno <= month_length) continue;
        d.giorno = 1;
        if (++d.mese > 12) d.mese = 1, ++d.anno;
    }
    // The largest 32-bit count falls on the same day of an early 400-year cycle,
    // which holds a whole number of days.
    const uint32_t cycles = 0xFFFFFFFFu / 146097;
    CalendarDate early = date_after_1600(0xFFFFFFFFu - cycles * 146097);
    early.anno += int32_t(cycles) * 400;
    EXPECT_EQ(date_after_1600(0xFFFFFFFFu), early);
}
