#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <numeric>

#include "statistics/statistics.h"

TEST(DepthClasses, EveryDepthFallsInExactlyOneClass) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    using C = Category;
    const std::pair<double, Category> cases[] = {
        {10.0, C::depth_0_10},   {10.5, C::depth_10_20},    {20.0, C::depth_20_30},  {29.999, C::depth_20_30},
        {30.0, C::depth_30_40},  {49.99, C::depth_40_50},   {50.0, C::depth_over_50}, {1e300, C::depth_over_50},
        {inf, C::depth_over_50}, {-2.0, C::depth_0_10},     {-inf, C::depth_0_10},   {nan, C::depth_0_10}};
    for (const auto& [depth, expected] : cases) {
        SCOPED_TRACE(depth);
        Clogbook lb(1);
        lb.immersioni[0].prof = depth;
        const Statistics s = count_statistics(lb);
        EXPECT_EQ(s.count_of(expected), 1u);
        const auto classes = s.count.begin() + std::size_t(C::depth_0_10);
        EXPECT_EQ(std::accumulate(classes, classes + 6, uint64_t(0)), 1u);
    }
}

// Whole quotients stay whole, also in the rows rounded up: 29 / 100 * 100 in floating
// point would be 28.99...
TEST(Percentages, ComeFromTheExactQuotient) {
    Clogbook hundred(100);
    for (uint32_t i = 0; i < 100; ++i) hundred.immersioni[i].prof = i < 7 ? 15.0 : i < 36 ? 5.0 : 35.0;
    const Statistics h = count_statistics(hundred);
    EXPECT_EQ(h.share_of(Category::depth_10_20), 7u);
    EXPECT_EQ(h.share_of(Category::depth_0_10), 29u);
}

// Gas 3 is both SCR and Nitrox; bits without a row of their own count nowhere.
TEST(Flags, BitsWithoutARowCountNowhere) {
    Clogbook lb(1);
    Timmersione& d = lb.immersioni[0];
    d.tipo_bit = 0x103;
    d.gas = 0x7F;
    d.att_bit2 = ~0x1F;
    const Statistics s = count_statistics(lb);
    std::array<uint64_t, category_count> expected{};
    expected[std::size_t(Category::depth_0_10)] = expected[std::size_t(Category::scr)] =
        expected[std::size_t(Category::nitrox)] = 1;
    EXPECT_EQ(s.count, expected);
}

// More dives than a byte lane holds, every flag set on each, and a selection of them.
TEST(Flags, CountsGoOnPastHundredsOfDivesAndOnlySelectedOnesCount) {
    Clogbook lb(1000);
    for (Timmersione& d : lb.immersioni) {
        d.min_int = d.ora_dur = 1;
        d.tipo_bit = d.att_bit1 = 0xFF;
        d.gas = 3;
        d.att_bit2 = 0x1F;
        d.prof = 60.0;
    }
    const Statistics s = count_statistics(lb);
    for (std::size_t c = 0; c < category_count; ++c) {
        const bool shallower = c >= std::size_t(Category::depth_0_10) && c < std::size_t(Category::depth_over_50);
        EXPECT_EQ(s.count[c], shallower ? 0u : 1000u) << "row " << c;
    }
    std::vector<bool> every_third(1000);
    for (std::size_t i = 0; i < 1000; i += 3) every_third[i] = true;
    EXPECT_EQ(count_statistics(lb, every_third).count_of(Category::other), 334u);
    EXPECT_EQ(count_statistics(lb, std::vector<bool>(5, true)).counted, 5u);  // the rest left out
}

TEST(Times, TotalAndMeanDoNotOverflow) {
    Clogbook huge(3);
    for (Timmersione& d : huge.immersioni) d.ora_dur = d.min_dur = std::numeric_limits<int32_t>::max();
    const Statistics h = count_statistics(huge);
    const int64_t each = int64_t(std::numeric_limits<int32_t>::max()) * 61;
    EXPECT_EQ(h.total_time.hours * 60 + h.total_time.minutes, 3 * each);
    EXPECT_EQ(h.mean_time.hours * 60 + h.mean_time.minutes, each);
}
