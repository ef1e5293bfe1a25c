#include <gtest/gtest.h>

#include <algorithm>

#include "logbook/flag_choices.h"

TEST(FlagChoices, TypeWordsLoadTheLowByteAndStoreWholeWordsThatLoadBack) {
    // Of two flags of a group the second wins; a gas other than 1 or 2 is air.
    EXPECT_EQ(type_choice_from(0x04 | 0x08 | 0x20 | 0x40, 3), (TypeChoice{0, 2, 2, 1}));
    EXPECT_EQ(type_choice_from(0x10 | 0x80, 1), (TypeChoice{1, 0, 1, 2}));
    for (int i = 0; i < 81; ++i) {
        const TypeChoice c{i / 27, i / 9 % 3, i / 3 % 3, i % 3};
        const TypeFlags f = type_flags_from(c);
        EXPECT_EQ(f.gas, c.gas);
        EXPECT_EQ(type_choice_from(f.tipo_bit, f.gas), c);
    }
}

TEST(FlagChoices, EachActivityBoxIsOneActivityInCaptionOrder) {
    std::string names;
    for (size_t i = 0; i < 12; ++i) {
        ActivityBoxes boxes{};
        boxes[i] = true;
        const ActivityFlags f = activity_flags_from(boxes, 0);
        EXPECT_EQ(activity_boxes_from(f.att_bit1, f.att_bit2), boxes);
        const std::string name = Clogbook::Testo_Attivita(f.att_bit1, f.att_bit2);
        EXPECT_EQ(std::count(name.begin(), name.end(), ','), 1) << name;
        names += name;
    }
    EXPECT_EQ(names, Clogbook::Testo_Attivita(0xFF, 0x0F));
    EXPECT_EQ(activity_boxes_from(0xFF00, 0x1F0), ActivityBoxes{}) << "high bits and the Altro flag are no box";

    Clogbook empty(0);  // no current dive: nothing written
    EXPECT_FALSE(store_type(empty, {1, 1, 1, 1}));
    EXPECT_FALSE(store_activities(empty, {}, "abc"));
}

TEST(FlagTexts, NamesOfTheSetBitsOfLowAndHighByteInTableOrder) {
    // Bits 1 and 2 of the type, other alarm bits and the alarms' high byte have no name.
    EXPECT_EQ(Clogbook::Testo_Tipo(0x04 | 0x40 | 0x03, 1), "In Curva,Acqua Dolce, Nitrox, ");
    EXPECT_EQ(Clogbook::Testo_Attivita(0x81, 0x1C), "Osservazione, Ricerca, Corrente, Foto/Video, Altro, ");
    EXPECT_EQ(Clogbook::Testo_Allarmi(0x3F, 0xFF), "Risalita, Decompressione, Affanno, SOS, ");
}
