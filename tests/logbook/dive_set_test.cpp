#include <gtest/gtest.h>

#include <limits>

#include "logbook/dive_set.h"
#include "logbook_files.h"

using Places = std::vector<std::string>;

namespace {

std::vector<int32_t> numbers(const Clogbook& lb) {
    std::vector<int32_t> out;
    for (const Timmersione& d : lb.immersioni) out.push_back(d.nimm);
    return out;
}

Clogbook five_with_header() {
    Clogbook lb = dated({{{1, 1, 2020, 0, 0}, "a"},
                         {{2, 1, 2020, 0, 0}, "b"},
                         {{3, 1, 2020, 0, 0}, "c"},
                         {{4, 1, 2020, 0, 0}, "d"},
                         {{5, 1, 2020, 0, 0}, "e"}});
    lb.base_num = 20;
    lb.set_seriale(1, 2, 3, 4);
    lb.set_seriale2(5, 6, 7, 8);
    lb.corrente = 3;
    return lb;
}

void expect_header_of_five(const Clogbook& lb) {
    EXPECT_EQ(lb.base_num, 20);
    EXPECT_EQ(lb.seriale[0], 1);
    EXPECT_EQ(lb.seriale[3], 4);
    EXPECT_EQ(lb.seriale2[1], 6);
}

}  // namespace

TEST(Insert, AppendsOneEmptyCurrentDiveAndKeepsEveryOtherField) {
    Clogbook lb = sample_logbook(3);
    lb.base_num = 0;
    lb.corrente = 1;
    auto r = with_dive_appended(lb);
    ASSERT_EQ(r->num_imm, 4u);
    EXPECT_EQ(r->corrente, 3u);
    EXPECT_EQ(numbers(*r), (std::vector<int32_t>{1, 2, 3, 4}));
    for (uint32_t i = 0; i < 3; ++i) {
        Timmersione expected = lb.immersioni[i];
        expected.nimm = int32_t(i) + 1;
        EXPECT_EQ(r->immersioni[i], expected);
    }
    Timmersione empty;
    empty.nimm = 4;
    EXPECT_EQ(r->immersioni[3], empty);
    EXPECT_EQ(r->seriale[3], 0xFF);
    EXPECT_EQ(r->seriale2[3], 4);
}

TEST(Insert, IntoAnEmptyLogbookGivesOneDiveNumberedFromItsBase) {
    Clogbook empty(0);
    empty.base_num = 41;
    auto r = with_dive_appended(empty);
    ASSERT_EQ(r->num_imm, 1u);
    EXPECT_EQ(r->corrente, 0u);
    EXPECT_EQ(r->immersioni[0].nimm, 42);
    EXPECT_EQ(r->base_num, 41);
}

TEST(Delete, ScatteredSelectionKeepsTheOthersInOrderRenumberedFirstCurrent) {
    const Clogbook lb = five_with_header();
    auto r = without_dives(lb, {false, true, false, true, false});
    EXPECT_EQ(places(*r), (Places{"a", "c", "e"}));
    EXPECT_EQ(numbers(*r), (std::vector<int32_t>{21, 22, 23}));
    EXPECT_EQ(r->corrente, 0u);
    expect_header_of_five(*r);
}

TEST(Delete, EverythingNothingAndAnEmptyLogbook) {
    const Clogbook lb = five_with_header();
    auto all = without_dives(lb, std::vector<bool>(5, true));
    EXPECT_EQ(all->num_imm, 0u);
    EXPECT_EQ(all->corrente, 0u);
    expect_header_of_five(*all);

    // An empty selection still rebuilds: renumbered, the first dive current.
    Clogbook misnumbered = five_with_header();
    misnumbered.immersioni[2].nimm = 999;
    auto none = without_dives(misnumbered, {});
    EXPECT_EQ(places(*none), (Places{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(numbers(*none), (std::vector<int32_t>{21, 22, 23, 24, 25}));
    EXPECT_EQ(none->corrente, 0u);

    EXPECT_EQ(without_dives(Clogbook(0), {true, true})->num_imm, 0u);
}

TEST(Renumber, StartsFromTheGivenNumberInDateOrder) {
    Clogbook lb(10);
    for (uint32_t i = 0; i < 10; ++i) set_dive(lb, i, {int32_t(10 - i), 6, 2019, 8, 0}, std::to_string(10 - i));
    lb.corrente = 4;
    ASSERT_TRUE(renumber_from(lb, 100));
    EXPECT_EQ(lb.base_num, 99);
    EXPECT_EQ(places(lb), (Places{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(numbers(lb), (std::vector<int32_t>{100, 101, 102, 103, 104, 105, 106, 107, 108, 109}));
    EXPECT_EQ(lb.corrente, 4u);
}

TEST(Renumber, NeedsTwoDives) {
    Clogbook one = dated({{{1, 1, 2020, 0, 0}, "x"}});
    one.base_num = 6;
    one.immersioni[0].nimm = 7;
    EXPECT_FALSE(renumber_from(one, 100));
    EXPECT_EQ(one.base_num, 6);
    EXPECT_EQ(one.immersioni[0].nimm, 7);
    Clogbook none(0);
    EXPECT_FALSE(renumber_from(none, 100));
    EXPECT_EQ(none.base_num, 0);
}

TEST(Renumber, ZeroNegativeAndTheLowestStart) {
    Clogbook lb = dated({{{2, 1, 2020, 0, 0}, "b"}, {{1, 1, 2020, 0, 0}, "a"}});
    renumber_from(lb, 0);
    EXPECT_EQ(numbers(lb), (std::vector<int32_t>{0, 1}));
    renumber_from(lb, -5);
    EXPECT_EQ(lb.base_num, -6);
    EXPECT_EQ(numbers(lb), (std::vector<int32_t>{-5, -4}));
    // One below what base_num can hold is taken as the lowest start that fits.
    const int32_t lowest = std::numeric_limits<int32_t>::min();
    renumber_from(lb, lowest);
    EXPECT_EQ(lb.base_num, lowest);
    EXPECT_EQ(numbers(lb), (std::vector<int32_t>{lowest + 1, lowest + 2}));
}
