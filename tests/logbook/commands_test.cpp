#include <cstring>

#include "logbook/dive_set.h"
#include "logbook/merge.h"
#include "logbook_files.h"

TEST(Commands, AppendDeleteAndMergeKeepTheFirstHeaderAndRenumber) {
    const Clogbook lb = sample_logbook(5);
    auto appended = with_dive_appended(lb);
    EXPECT_EQ(appended->corrente, 5u);
    Timmersione empty;
    empty.nimm = 105;
    EXPECT_EQ(appended->immersioni.back(), empty);
    appended->immersioni.pop_back();
    EXPECT_EQ(appended->immersioni, Clogbook(lb).immersioni);  // every field kept

    // Positions past the selection stay; even an empty selection renumbers.
    const std::pair<std::vector<bool>, std::vector<uint32_t>> cases[] = {
        {{true, false, true}, {1, 3, 4}}, {{}, {0, 1, 2, 3, 4}}, {std::vector(9, true), {}}};
    for (const auto& [removed, kept] : cases) {
        const auto r = without_dives(lb, removed);
        ASSERT_EQ(r->num_imm, kept.size());
        EXPECT_EQ(r->corrente, 0u);
        for (uint32_t i = 0; i < kept.size(); ++i) {
            Timmersione expected = lb.immersioni[kept[i]];
            expected.nimm = 100 + int32_t(i);
            EXPECT_EQ(r->immersioni[i], expected);
        }
    }
    // Merged with a dive of a negative year, which counts as a huge one and goes last.
    Clogbook other(1);
    set_dive(other, 0, {1, 1, -1, 0, 0}, "last");
    other.set_seriale(9, 9, 9, 9);
    EXPECT_EQ(unisci_logbook(lb, other, true)->immersioni.at(5).posto, "last");
    for (const auto& r : {with_dive_appended(lb), without_dives(lb, {true}), unisci_logbook(lb, other, true)}) {
        EXPECT_EQ(r->base_num, 99);
        EXPECT_EQ(0, std::memcmp(r->seriale, lb.seriale, sizeof lb.seriale));
        EXPECT_EQ(0, std::memcmp(r->seriale2, lb.seriale2, sizeof lb.seriale2));
    }
}
