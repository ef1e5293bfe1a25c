#include "logbook/merge.h"
#include "logbook_files.h"

TEST(Merge, InterleavesByDateWithTheFirstLogbooksHeader) {
    // A negative year counts as a huge one, so it goes last.
    Clogbook a = dated({{{1, 1, 2020, 10, 5}, "a1"}, {{2, 1, 2020, 10, 5}, "a2"}, {{1, 1, -1, 0, 0}, "a-"}});
    a.base_num = 40;
    a.set_seriale(1, 2, 3, 4);
    a.set_seriale2(5, 6, 7, 8);
    Clogbook b = dated({{{1, 1, 2020, 10, 5}, "b1"}, {{2, 1, 2020, 10, 6}, "b2"}});
    b.base_num = 7;
    b.set_seriale(9, 9, 9, 9);
    // With equal keys b's dive is dropped, or goes first.
    EXPECT_EQ(places(*unisci_logbook(a, b, true)), (Places{"a1", "a2", "b2", "a-"}));
    const auto r = unisci_logbook(a, b, false);
    EXPECT_EQ(places(*r), (Places{"b1", "a1", "a2", "b2", "a-"}));
    for (uint32_t i = 0; i < r->num_imm; ++i) EXPECT_EQ(r->immersioni[i].nimm, int32_t(41 + i));
    EXPECT_EQ(r->base_num, 40);
    EXPECT_EQ(r->seriale[3], 4);
    EXPECT_EQ(r->seriale2[0], 5);
    EXPECT_EQ(places(*unisci_logbook(Clogbook(0), b, true)), (Places{"b1", "b2"}));
}
