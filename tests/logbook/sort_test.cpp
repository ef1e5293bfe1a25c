#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "logbook_files.h"

using Places = std::vector<std::string>;

namespace {

// The minimum scan that gave users their order: each round takes the last of the
// dives with the smallest key.
Places scan_sort_places(const Clogbook& log) {
    auto key = [](const Timmersione& d) {
        return std::make_tuple(uint32_t(d.anno), uint32_t(d.mese), uint32_t(d.giorno), uint32_t(d.ora_imm),
                               uint32_t(d.min_imm));
    };
    std::vector<Timmersione> left = log.immersioni;
    Places out;
    while (!left.empty()) {
        auto taken = left.begin();
        for (auto it = left.begin(); it != left.end(); ++it)
            if (key(*it) <= key(*taken)) taken = it;
        out.push_back(taken->posto);
        left.erase(taken);
    }
    return out;
}

}  // namespace

TEST(Ordina, LiteralCases) {
    Clogbook log = dated({{{2, 1, 1999, 10, 0}, "second"},
                          {{1, 1, 1999, 10, 0}, "first"},
                          {{0, 0, 0, 0, 0}, "new"},
                          {{1, 1, 1999, 9, 59}, "earliest dated"}});
    log.base_num = 20;
    log.corrente = 1;
    log.Ordina();
    EXPECT_EQ(places(log), (Places{"new", "earliest dated", "first", "second"}));
    EXPECT_EQ(log.corrente, 1u);
    for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(log.immersioni[i].nimm, 21 + int(i));

    Clogbook empty(0);
    empty.Ordina();
    Clogbook one(1);
    one.base_num = -5;
    one.Ordina();
    EXPECT_EQ(one.immersioni[0].nimm, -4);

    Clogbook same = dated({{{5, 5, 2005, 12, 0}, "a"}, {{5, 5, 2005, 12, 0}, "b"}, {{5, 5, 2005, 12, 0}, "c"}});
    same.Ordina();
    EXPECT_EQ(places(same), (Places{"c", "b", "a"}));
    same.Ordina();
    EXPECT_EQ(places(same), (Places{"a", "b", "c"}));

    // A negative year reads as a huge unsigned number; years of 9999 and more used
    // to be lost by the old scan. All must survive, after the ordinary dives.
    Clogbook wide = dated({{{1, 1, -1, 0, 0}, "negative year"},
                           {{1, 1, 9999, 0, 0}, "year 9999"},
                           {{1, 1, 2000, 0, 0}, "ordinary"},
                           {{9998, 9998, 9998, 98, 98}, "at the marker"},
                           {{1, 1, 1990, 0, 0}, "older"}});
    wide.Ordina();
    EXPECT_EQ(places(wide), (Places{"older", "ordinary", "at the marker", "year 9999", "negative year"}));
}

TEST(Ordina, MatchesTheMinimumScanOnRandomLogbooks) {
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 50; ++trial) {
        const uint32_t n = 1 + rng() % 40;
        Clogbook log(n);
        // Few distinct values, so that equal keys are common; odd trials hold months
        // of 255 and 256, which no longer fit a byte.
        const int32_t first_month = trial % 2 ? 255 : 1;
        for (uint32_t i = 0; i < n; ++i) {
            const Key k{int32_t(1 + rng() % 3), int32_t(first_month + rng() % 2), int32_t(1998 + rng() % 2),
                        int32_t(rng() % 2), int32_t(rng() % 2)};
            set_dive(log, i, k, std::to_string(i));
        }
        const Places expected = scan_sort_places(log);
        log.Ordina();
        ASSERT_EQ(places(log), expected) << "trial " << trial;
    }
}
