#include <gtest/gtest.h>

#include "logbook/list_text.h"
#include "logbook/merge.h"
#include "logbook_files.h"

using Places = std::vector<std::string>;

TEST(Merge, InterleavesByDateAndRenumbersFromTheFirstLogbooksBase) {
    Clogbook a = dated({{{1, 1, 2020, 0, 0}, "a1"}, {{5, 1, 2020, 0, 0}, "a5"}, {{9, 1, 2020, 0, 0}, "a9"},
                        {{20, 1, 2020, 0, 0}, "a20"}});
    a.base_num = 40;
    a.set_seriale(1, 2, 3, 4);
    a.set_seriale2(5, 6, 7, 8);
    Clogbook b = dated({{{3, 1, 2020, 0, 0}, "b3"}});
    b.base_num = 7;
    b.set_seriale(9, 9, 9, 9);

    auto r = unisci_logbook(a, b, true);
    EXPECT_EQ(places(*r), (Places{"a1", "b3", "a5", "a9", "a20"}));
    ASSERT_EQ(r->num_imm, 5u);
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(r->immersioni[i].nimm, int32_t(41 + i));
    EXPECT_EQ(r->base_num, 40);
    EXPECT_EQ(r->seriale[3], 4);
    EXPECT_EQ(r->seriale2[0], 5);
}

TEST(Merge, EqualKeysNegativeYearsAndEmptySides) {
    Clogbook a = dated({{{1, 1, 2020, 10, 5}, "a1"}, {{2, 1, 2020, 10, 5}, "a2"}});
    Clogbook b = dated({{{1, 1, 2020, 10, 5}, "b1"}, {{2, 1, 2020, 10, 6}, "b2"}});
    EXPECT_EQ(places(*unisci_logbook(a, b, true)), (Places{"a1", "a2", "b2"}));
    EXPECT_EQ(places(*unisci_logbook(a, b, false)), (Places{"b1", "a1", "a2", "b2"}));

    // A negative year counts as a huge one, so it goes last.
    Clogbook negative = dated({{{1, 1, -1, 0, 0}, "n"}});
    Clogbook empty(0);
    EXPECT_EQ(places(*unisci_logbook(negative, b, true)), (Places{"b1", "b2", "n"}));
    EXPECT_EQ(unisci_logbook(empty, empty, true)->num_imm, 0u);
    EXPECT_EQ(places(*unisci_logbook(empty, b, false)), (Places{"b1", "b2"}));
    EXPECT_EQ(places(*unisci_logbook(a, empty, false)), (Places{"a1", "a2"}));
}

TEST(ListText, ItemAndSerial) {
    Clogbook lb(1);
    EXPECT_EQ(testo_voce(lb.immersioni[0]), " 0 - ");
    lb.set_nimm();
    lb.set_posto("Elba");
    lb.set_profilo("\x01\x02");
    EXPECT_EQ(testo_voce(lb.immersioni[0]), "* 1 - Elba");
    lb.attuale().nimm = -1;
    EXPECT_EQ(testo_voce(lb.immersioni[0]), "* 4294967295 - Elba");

    EXPECT_EQ(testo_seriale(lb), "0");
    lb.set_seriale(0x01, 0x02, 0x03, 0xFF);
    EXPECT_EQ(testo_seriale(lb), "4278387201");
}
