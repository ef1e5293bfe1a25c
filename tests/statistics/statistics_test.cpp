#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

#include "statistics/statistics.h"

namespace {

Clogbook with_depths(std::initializer_list<double> depths) {
    Clogbook lb(uint32_t(depths.size()));
    for (double p : depths) {
        lb.set_prof(p);
        ++lb.corrente;
    }
    lb.corrente = 0;
    return lb;
}

// Every flag of a row set, a surface interval, one hour, deeper than 50 m.
Clogbook every_flag(uint32_t n) {
    Clogbook lb(n);
    for (Timmersione& d : lb.immersioni) {
        d.tipo_bit = 0xFF;
        d.gas = 3;
        d.att_bit1 = 0xFF;
        d.att_bit2 = 0x1F;
        d.min_int = 1;
        d.ora_dur = 1;
        d.prof = 60.0;
    }
    return lb;
}

}  // namespace

TEST(DepthClasses, BoundariesFallInTheClassTheyOpenExceptTen) {
    const Statistics s = count_statistics(with_depths({10.0, 10.5, 20.0, 50.0}));
    EXPECT_EQ(s.counted, 4u);
    for (Category c : {Category::depth_0_10, Category::depth_10_20, Category::depth_20_30, Category::depth_over_50}) {
        EXPECT_EQ(s.count_of(c), 1u);
        EXPECT_EQ(s.share_of(c), 25u);  // also in "10..20 mt", which rounds up
    }
    for (Category c : {Category::depth_30_40, Category::depth_40_50}) {
        EXPECT_EQ(s.count_of(c), 0u);
        EXPECT_EQ(s.share_of(c), 0u);
    }

    const Statistics t = count_statistics(with_depths({29.999, 30.0, 39.99, 40.0, 49.99, 19.99}));
    EXPECT_EQ(t.count_of(Category::depth_20_30), 1u);
    EXPECT_EQ(t.count_of(Category::depth_30_40), 2u);
    EXPECT_EQ(t.count_of(Category::depth_40_50), 2u);
    EXPECT_EQ(t.count_of(Category::depth_10_20), 1u);
}

TEST(DepthClasses, DepthsThatAreNoDepthStillFallInExactlyOneClass) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Statistics s = count_statistics(with_depths({nan, -nan, -inf, -2.0, inf, 1e300, 0.0}));
    EXPECT_EQ(s.count_of(Category::depth_0_10), 5u);  // NaN counts beside the dives without depth
    EXPECT_EQ(s.count_of(Category::depth_over_50), 2u);
    const auto depths = s.count.begin() + std::size_t(Category::depth_0_10);
    EXPECT_EQ(std::accumulate(depths, depths + 6, uint64_t(0)), s.counted);  // the six classes
}

TEST(Percentages, RoundDownOrUpFromTheExactQuotient) {
    // One dive in each of three classes: 100/3 is 33.3.
    const Statistics thirds = count_statistics(with_depths({5.0, 15.0, 25.0}));
    EXPECT_EQ(thirds.share_of(Category::depth_10_20), 34u);
    EXPECT_EQ(thirds.share_of(Category::depth_0_10), 33u);
    EXPECT_EQ(thirds.share_of(Category::depth_20_30), 33u);

    // 7 and 29 of 100 are whole quotients; 29 / 100 * 100 in floating point would be 28.99...
    Clogbook hundred(100);
    for (uint32_t i = 0; i < 100; ++i) {
        hundred.corrente = i;
        hundred.set_prof(i < 7 ? 15.0 : i < 36 ? 5.0 : 35.0);
    }
    const Statistics s = count_statistics(hundred);
    EXPECT_EQ(s.share_of(Category::depth_10_20), 7u);
    EXPECT_EQ(s.share_of(Category::depth_0_10), 29u);
    EXPECT_EQ(s.share_of(Category::depth_30_40), 64u);
}

TEST(Percentages, FlagRowsMarkedUpRoundUpTheOthersDown) {
    Clogbook lb(3);
    lb.set_tipo(0x04 | 0x08, 0);
    lb.set_attivita(0x01 | 0x02, 0);
    const Statistics s = count_statistics(lb);
    EXPECT_EQ(s.share_of(Category::within_curve), 34u);
    EXPECT_EQ(s.share_of(Category::observation), 34u);
    EXPECT_EQ(s.share_of(Category::decompression), 33u);
    EXPECT_EQ(s.share_of(Category::group), 33u);
}

TEST(Flags, EachRowCountsItsOwnBit) {
    struct Case {
        int32_t Timmersione::*field;
        int32_t bit;
        Category category;
    };
    const Case cases[] = {
        {&Timmersione::gas, 0x02, Category::scr},
        {&Timmersione::gas, 0x01, Category::nitrox},
        {&Timmersione::tipo_bit, 0x04, Category::within_curve},
        {&Timmersione::tipo_bit, 0x08, Category::decompression},
        {&Timmersione::tipo_bit, 0x20, Category::multiple_ascents},
        {&Timmersione::tipo_bit, 0x10, Category::single_ascent},
        {&Timmersione::tipo_bit, 0x40, Category::fresh_water},
        {&Timmersione::tipo_bit, 0x80, Category::sea_water},
        {&Timmersione::att_bit1, 0x01, Category::observation},
        {&Timmersione::att_bit1, 0x02, Category::group},
        {&Timmersione::att_bit1, 0x04, Category::course},
        {&Timmersione::att_bit1, 0x08, Category::training},
        {&Timmersione::att_bit1, 0x10, Category::night},
        {&Timmersione::att_bit1, 0x20, Category::cave},
        {&Timmersione::att_bit1, 0x40, Category::under_ice},
        {&Timmersione::att_bit1, 0x80, Category::search},
        {&Timmersione::att_bit2, 0x01, Category::wreck},
        {&Timmersione::att_bit2, 0x02, Category::river},
        {&Timmersione::att_bit2, 0x04, Category::current},
        {&Timmersione::att_bit2, 0x08, Category::photo_video},
        {&Timmersione::att_bit2, 0x10, Category::other},
    };
    for (const Case& k : cases) {
        Clogbook lb(2);
        lb.immersioni[1].*k.field = k.bit;
        const Statistics s = count_statistics(lb);
        for (std::size_t c = std::size_t(Category::scr); c < category_count; ++c)
            EXPECT_EQ(s.count[c], Category(c) == k.category ? 1u : 0u) << "bit " << k.bit << ", row " << c;
        EXPECT_EQ(s.share_of(k.category), 50u);
    }

    // Bits are independent: gas 3 is both SCR and Nitrox; bits without a row count nowhere.
    Clogbook both(1);
    both.set_tipo(0x03, 3);
    const Statistics s = count_statistics(both);
    EXPECT_EQ(s.share_of(Category::scr), 100u);
    EXPECT_EQ(s.share_of(Category::nitrox), 100u);
    uint64_t type_rows = 0;
    for (std::size_t c = std::size_t(Category::within_curve); c <= std::size_t(Category::sea_water); ++c)
        type_rows += s.count[c];
    EXPECT_EQ(type_rows, 0u);
}

TEST(Flags, CountsGoOnPastHundredsOfDives) {
    // Far more dives than a small counter holds, every flag set on each.
    const Clogbook lb = every_flag(1000);
    const Statistics s = count_statistics(lb);
    for (std::size_t c = 0; c < category_count; ++c) {
        const bool shallower = c >= std::size_t(Category::depth_0_10) && c < std::size_t(Category::depth_over_50);
        EXPECT_EQ(s.count[c], shallower ? 0u : 1000u) << "row " << c;
    }
    std::vector<bool> every_third(1000);
    for (std::size_t i = 0; i < 1000; i += 3) every_third[i] = true;
    EXPECT_EQ(count_statistics(lb, every_third).count_of(Category::other), 334u);
}

TEST(MultipleDives, AnySurfaceIntervalMakesARepeatDive) {
    Clogbook lb(4);
    lb.immersioni[0].min_int = 5;
    lb.immersioni[2].ora_int = 2;
    const Statistics s = count_statistics(lb);
    EXPECT_EQ(s.count_of(Category::multiple_dives), 2u);
    EXPECT_EQ(s.share_of(Category::multiple_dives), 50u);
}

TEST(Times, TotalAndMeanAreCutToWholeMinutes) {
    Clogbook lb(2);
    lb.immersioni[0].min_dur = 50;
    lb.immersioni[1].ora_dur = 1;
    lb.immersioni[1].min_dur = 15;
    const Statistics s = count_statistics(lb);
    EXPECT_EQ(s.total_time.hours, 2);
    EXPECT_EQ(s.total_time.minutes, 5);
    EXPECT_EQ(s.mean_time.hours, 1);  // 62.5 minutes
    EXPECT_EQ(s.mean_time.minutes, 2);
}

TEST(Times, DurationsFromAFileDoNotOverflow) {
    Clogbook lb(3);
    for (Timmersione& d : lb.immersioni) d.ora_dur = d.min_dur = std::numeric_limits<int32_t>::max();
    const Statistics s = count_statistics(lb);
    const int64_t each = int64_t(std::numeric_limits<int32_t>::max()) * 61;
    EXPECT_EQ(s.total_time.hours * 60 + s.total_time.minutes, 3 * each);
    EXPECT_EQ(s.mean_time.hours * 60 + s.mean_time.minutes, each);
}

TEST(Selection, OnlySelectedPositionsCount) {
    Clogbook lb(12);
    for (uint32_t i = 0; i < 12; ++i) lb.immersioni[i].min_dur = int32_t(10 * (i + 1));
    std::vector<bool> selected(12, false);
    selected[1] = selected[4] = selected[11] = true;
    const Statistics s = count_statistics(lb, selected);
    EXPECT_EQ(s.counted, 3u);
    EXPECT_EQ(s.counted_share, 25u);
    EXPECT_EQ(s.total_time.hours * 60 + s.total_time.minutes, 20 + 50 + 120);
    EXPECT_EQ(s.share_of(Category::depth_0_10), 100u);  // of the dives counted, not of the logbook

    // A selection shorter than the logbook leaves the rest out.
    EXPECT_EQ(count_statistics(lb, std::vector<bool>(5, true)).counted, 5u);

    const Statistics all = count_statistics(lb);
    EXPECT_EQ(all.counted, 12u);
    EXPECT_EQ(all.counted_share, 100u);
}

TEST(NothingCounted, EveryFigureIsZero) {
    const Clogbook busy = every_flag(3);
    for (const Statistics& s :
         {count_statistics(Clogbook(0)), count_statistics(busy, std::vector<bool>(3, false)),
          count_statistics(busy, {})}) {
        EXPECT_EQ(s.counted, 0u);
        EXPECT_EQ(s.counted_share, 0u);
        for (std::size_t c = 0; c < category_count; ++c) {
            EXPECT_EQ(s.count[c], 0u);
            EXPECT_EQ(s.share[c], 0u);
        }
        EXPECT_EQ(s.total_time.hours + s.total_time.minutes + s.mean_time.hours + s.mean_time.minutes, 0);
    }
}
