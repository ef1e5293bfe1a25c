#include <gtest/gtest.h>

#include "logbook/list_text.h"
#include "logbook/merge.h"

namespace {

// One dive per entry: {day, month, year, hour, minute}, place = tag.
Clogbook logbook_of(std::initializer_list<std::array<int, 5>> keys, const std::string& tag) {
    Clogbook lb(uint32_t(keys.size()));
    uint32_t n = 0;
    for (const auto& k : keys) {
        lb.corrente = n++;
        lb.set_data(k[0], k[1], k[2]);
        lb.set_orario(k[3], k[4]);
        lb.set_posto(tag);
    }
    lb.corrente = 0;
    return lb;
}

std::vector<std::string> days_and_tags(const Clogbook& lb) {
    std::vector<std::string> out;
    for (const auto& d : lb.immersioni) out.push_back(std::to_string(d.giorno) + d.posto);
    return out;
}

}  // namespace

TEST(Merge, InterleavesByDateAndRenumbersFromTheFirstLogbooksBase) {
    Clogbook a = logbook_of({{1, 1, 2020, 0, 0}, {5, 1, 2020, 0, 0}, {9, 1, 2020, 0, 0}, {20, 1, 2020, 0, 0}}, "a");
    a.base_num = 40;
    a.set_seriale(1, 2, 3, 4);
    a.set_seriale2(5, 6, 7, 8);
    Clogbook b = logbook_of({{3, 1, 2020, 0, 0}}, "b");
    b.base_num = 7;
    b.set_seriale(9, 9, 9, 9);

    auto r = unisci_logbook(a, b, true);
    EXPECT_EQ(days_and_tags(*r), (std::vector<std::string>{"1a", "3b", "5a", "9a", "20a"}));
    ASSERT_EQ(r->num_imm, 5u);
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(r->immersioni[i].nimm, int32_t(41 + i));
    EXPECT_EQ(r->base_num, 40);
    EXPECT_EQ(r->seriale[3], 4);
    EXPECT_EQ(r->seriale2[0], 5);
}

TEST(Merge, EqualKeysKeepOneWithYesAndBothWithNoTheSecondsFirst) {
    Clogbook a = logbook_of({{1, 1, 2020, 10, 5}, {2, 1, 2020, 10, 5}}, "a");
    Clogbook b = logbook_of({{1, 1, 2020, 10, 5}, {2, 1, 2020, 10, 6}}, "b");

    EXPECT_EQ(days_and_tags(*unisci_logbook(a, b, true)), (std::vector<std::string>{"1a", "2a", "2b"}));
    EXPECT_EQ(days_and_tags(*unisci_logbook(a, b, false)), (std::vector<std::string>{"1b", "1a", "2a", "2b"}));
}

TEST(Merge, ComparesUnsignedAndHandlesEmptySides) {
    // A negative year counts as a huge one, so it goes last.
    Clogbook a = logbook_of({{1, 1, -1, 0, 0}}, "a");
    Clogbook b = logbook_of({{1, 1, 2020, 0, 0}}, "b");
    EXPECT_EQ(days_and_tags(*unisci_logbook(a, b, true)), (std::vector<std::string>{"1b", "1a"}));

    Clogbook empty(0);
    EXPECT_EQ(unisci_logbook(empty, empty, true)->num_imm, 0u);
    EXPECT_EQ(days_and_tags(*unisci_logbook(empty, b, false)), (std::vector<std::string>{"1b"}));
    EXPECT_EQ(days_and_tags(*unisci_logbook(a, empty, false)), (std::vector<std::string>{"1a"}));
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
