#include <gtest/gtest.h>

#include "logbook/list_text.h"

// Numbers show unsigned, a profile is marked, and the activities' ", " stands even after
// an empty free text.
TEST(ListTexts, ItemSerialAndActivities) {
    Clogbook lb(2);
    lb.base_num = -2;
    lb.corrente = 0;
    lb.set_nimm();
    lb.set_posto("Elba");
    lb.set_profilo("\x01");
    lb.set_seriale(1, 0, 0xFF, 0xFF);
    lb.corrente = 1;
    lb.set_nimm();
    EXPECT_EQ(testo_voce(lb.immersioni[0]), "* 4294967295 - Elba");
    EXPECT_EQ(testo_voce(lb.immersioni[1]), " 0 - ");
    EXPECT_EQ(testo_seriale(lb), "4294901761");
    lb.set_attivita(0x01, 0);
    EXPECT_EQ(testo_attivita_completo(lb.attuale()).substr(0, 2), ", ");
}
