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

// A calendar that only knows how to go to the next day.
struct DayByDay {
    CalendarDate d{1, 1, 1600};
    void next() {
        const bool leap = (d.anno % 4 == 0 && d.anno % 100 != 0) || d.anno % 400 == 0;
        static const int32_t length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const int32_t days_in_month = length[d.mese - 1] + (d.mese == 2 && leap ? 1 : 0);
        if (++d.giorno <= days_in_month) return;
        d.giorno = 1;
        if (++d.mese <= 12) return;
        d.mese = 1;
        ++d.anno;
    }
};

}  // namespace

TEST(DataTrakDate, KnownDays) {
    EXPECT_EQ(date_after_1600(0), (CalendarDate{1, 1, 1600}));
    EXPECT_EQ(date_after_1600(59), (CalendarDate{29, 2, 1600})) << "1600 is a leap century";
    EXPECT_EQ(date_after_1600(146097), (CalendarDate{1, 1, 2000}));
    EXPECT_EQ(date_after_1600(144695), (CalendarDate{29, 2, 1996}));
    EXPECT_EQ(date_after_1600(36525 + 59), (CalendarDate{1, 3, 1700})) << "1700 has no 29 February";
    EXPECT_EQ(date_after_1600(0xFFFFFF), chrono_date(0xFFFFFF));
    EXPECT_EQ(date_after_1600(0xFFFFFF), (CalendarDate{16, 6, 47534}));
}

TEST(DataTrakDate, EveryThreeByteCountMatchesADayByDayCalendar) {
    DayByDay calendar;
    for (uint32_t n = 0; n <= 0xFFFFFF; ++n, calendar.next()) {
        const CalendarDate got = date_after_1600(n);
        if (got != calendar.d) {
            ADD_FAILURE() << "N = " << n << ": " << got << " instead of " << calendar.d;
            return;
        }
    }
}

TEST(DataTrakDate, MatchesStdChrono) {
    for (uint32_t n = 0; n <= 0xFFFFFF; n += 9973) EXPECT_EQ(date_after_1600(n), chrono_date(n)) << "N = " << n;
    // Beyond the three bytes too: no overflow up to the largest 32-bit count.
    EXPECT_EQ(date_after_1600(0xFFFFFFFFu), chrono_date(0xFFFFFFFFu));
}
