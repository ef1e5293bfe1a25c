#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "logbook/Clogbook.h"

namespace {

void set_dive(Clogbook& log, uint32_t i, int32_t g, int32_t m, int32_t a, int32_t h, int32_t mi, std::string tag) {
    log.corrente = i;
    log.set_data(g, m, a);
    log.set_orario(h, mi);
    log.set_posto(tag);
}

std::vector<std::string> places(const Clogbook& log) {
    std::vector<std::string> out;
    for (const Timmersione& d : log.immersioni) out.push_back(d.posto);
    return out;
}

// The minimum-scan sort that gave users their order, for keys below its marker.
std::vector<std::string> scan_sort_places(Clogbook log) {
    auto key = [](const Timmersione& d) {
        return std::make_tuple(uint32_t(d.anno), uint32_t(d.mese), uint32_t(d.giorno), uint32_t(d.ora_imm),
                               uint32_t(d.min_imm));
    };
    std::vector<std::string> out;
    for (uint32_t round = 0; round < log.num_imm; ++round) {
        auto best = std::make_tuple(9999u, 9999u, 9999u, 99u, 99u);
        uint32_t taken = 0;
        for (uint32_t i = 0; i < log.num_imm; ++i)
            if (key(log.immersioni[i]) <= best) {
                best = key(log.immersioni[i]);
                taken = i;
            }
        out.push_back(log.immersioni[taken].posto);
        Timmersione& t = log.immersioni[taken];
        t.anno = t.mese = t.giorno = 9998;
        t.ora_imm = t.min_imm = 98;
    }
    return out;
}

}  // namespace

TEST(Ordina, ChronologicalWithRenumberingAndCorrenteKept) {
    Clogbook log(4);
    log.base_num = 20;
    set_dive(log, 0, 2, 1, 1999, 10, 0, "second");
    set_dive(log, 1, 1, 1, 1999, 10, 0, "first");
    set_dive(log, 2, 0, 0, 0, 0, 0, "new");
    set_dive(log, 3, 1, 1, 1999, 9, 59, "earliest dated");
    log.corrente = 1;
    log.Ordina();
    EXPECT_EQ(places(log), (std::vector<std::string>{"new", "earliest dated", "first", "second"}));
    EXPECT_EQ(log.corrente, 1u);
    for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(log.immersioni[i].nimm, 21 + int(i));
}

TEST(Ordina, EqualKeysSwapAtEverySort) {
    Clogbook log(3);
    set_dive(log, 0, 5, 5, 2005, 12, 0, "a");
    set_dive(log, 1, 5, 5, 2005, 12, 0, "b");
    set_dive(log, 2, 5, 5, 2005, 12, 0, "c");
    log.Ordina();
    EXPECT_EQ(places(log), (std::vector<std::string>{"c", "b", "a"}));
    log.Ordina();
    EXPECT_EQ(places(log), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Ordina, ComparesUnsignedAndKeepsDivesBeyondTheOldMarker) {
    // A negative year reads as a huge unsigned number; years of 9999 and more used
    // to be lost by the old scan. All must survive, after the ordinary dives.
    Clogbook log(5);
    set_dive(log, 0, 1, 1, -1, 0, 0, "negative year");
    set_dive(log, 1, 1, 1, 9999, 0, 0, "year 9999");
    set_dive(log, 2, 1, 1, 2000, 0, 0, "ordinary");
    set_dive(log, 3, 9998, 9998, 9998, 98, 98, "at the marker");
    set_dive(log, 4, 1, 1, 1990, 0, 0, "older");
    log.Ordina();
    EXPECT_EQ(places(log), (std::vector<std::string>{"older", "ordinary", "at the marker", "year 9999",
                                                     "negative year"}));
}

TEST(Ordina, MatchesTheMinimumScanOnRandomLogbooks) {
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 50; ++trial) {
        const uint32_t n = 1 + rng() % 40;
        Clogbook log(n);
        // Few distinct values, so that equal keys are common; odd trials hold months
        // of 255 and 256, which no longer fit a byte.
        const int32_t first_month = trial % 2 ? 255 : 1;
        for (uint32_t i = 0; i < n; ++i)
            set_dive(log, i, 1 + rng() % 3, first_month + rng() % 2, 1998 + rng() % 2, rng() % 2, rng() % 2,
                     std::to_string(i));
        const auto expected = scan_sort_places(log);
        log.Ordina();
        ASSERT_EQ(places(log), expected) << "trial " << trial;
    }
}

TEST(Ordina, EmptyAndSingleLogbooks) {
    Clogbook empty(0);
    empty.Ordina();
    EXPECT_EQ(empty.num_imm, 0u);
    Clogbook one(1);
    one.base_num = -5;
    one.Ordina();
    EXPECT_EQ(one.immersioni[0].nimm, -4);
}
