#include <gtest/gtest.h>

#include "logbook/flag_choices.h"

TEST(TypeChoice, LoadsTheLowByteWithTheSecondFlagOfAGroupWinning) {
    EXPECT_EQ(type_choice_from(0x04 | 0x08, 0), (TypeChoice{0, 2, 0, 0}));
    EXPECT_EQ(type_choice_from(0x03, 1), (TypeChoice{1, 0, 0, 0}));
    EXPECT_EQ(type_choice_from(0x10 | 0x20 | 0x40, 2), (TypeChoice{2, 0, 2, 1}));
    EXPECT_EQ(type_choice_from(0x100 | 0x80, 5), (TypeChoice{0, 0, 0, 2}));
    EXPECT_EQ(type_choice_from(-1, -1), (TypeChoice{0, 2, 2, 2}));
}

TEST(TypeChoice, StoresWholeWordsThatLoadBackAsChosen) {
    EXPECT_EQ(type_flags_from(type_choice_from(0x04 | 0x08, 0)).tipo_bit, 0x08);
    EXPECT_EQ(type_flags_from(type_choice_from(0x03, 5)).tipo_bit, 0);
    EXPECT_EQ(type_flags_from(type_choice_from(0x03, 5)).gas, 0);
    EXPECT_EQ(type_flags_from({2, 1, 2, 1}).tipo_bit, 0x04 | 0x20 | 0x40);
    for (int gas = 0; gas < 3; ++gas)
        for (int tipo = 0; tipo < 3; ++tipo)
            for (int risalita = 0; risalita < 3; ++risalita)
                for (int acqua = 0; acqua < 3; ++acqua) {
                    const TypeChoice c{gas, tipo, risalita, acqua};
                    const TypeFlags f = type_flags_from(c);
                    EXPECT_EQ(f.gas, gas);
                    EXPECT_EQ(type_choice_from(f.tipo_bit, f.gas), c);
                }
}

TEST(ActivityBoxes, EachBoxIsTheActivityOfItsCaption) {
    const char* const texts[12] = {"Osservazione, ", "In gruppo, ", "Corso, ", "Addestramento, ",
                                   "Notturna, ",     "In grotta, ", "Ghiaccio, ", "Ricerca, ",
                                   "Relitto, ",      "Fiume, ",     "Corrente, ", "Foto/Video, "};
    for (int i = 0; i < 12; ++i) {
        ActivityBoxes boxes{};
        boxes[i] = true;
        const ActivityFlags f = activity_flags_from(boxes, 0);
        EXPECT_EQ(Clogbook::Testo_Attivita(f.att_bit1, f.att_bit2), texts[i]);
        EXPECT_EQ(activity_boxes_from(f.att_bit1, f.att_bit2), boxes);
    }
}

TEST(ActivityBoxes, LowBytesOnlyAndTheAltroFlagFromTwoCharacters) {
    ActivityBoxes all{};
    all.fill(true);
    EXPECT_EQ(activity_boxes_from(0x1FF, 0x10F), all);
    EXPECT_EQ(activity_boxes_from(0xFF00, 0x1F0), ActivityBoxes{});
    EXPECT_EQ(activity_flags_from({}, 1).att_bit2, 0);
    EXPECT_EQ(activity_flags_from({}, 2).att_bit2, 0x10);
    EXPECT_EQ(activity_flags_from(all, 0).att_bit1, 0xFF);
    EXPECT_EQ(activity_flags_from(all, 0).att_bit2, 0x0F);
}

TEST(StoreFlags, ReplacesTheWordsOfTheCurrentDiveOnly) {
    Clogbook lb(2);
    for (uint32_t i = 0; i < 2; ++i) {
        lb.corrente = i;
        lb.set_tipo(0x3FF, 3);
        lb.set_attivita(0x1FF, 0x1F);
        lb.set_altro("vecchio");
    }
    lb.corrente = 1;
    ASSERT_TRUE(store_type(lb, {0, 1, 0, 0}));
    ActivityBoxes boxes{};
    boxes[9] = true;
    ASSERT_TRUE(store_activities(lb, boxes, "x"));
    const Timmersione& d = lb.immersioni[1];
    EXPECT_EQ(d.tipo_bit, 0x04);
    EXPECT_EQ(d.gas, 0);
    EXPECT_EQ(d.att_bit1, 0);
    EXPECT_EQ(d.att_bit2, 0x02);
    EXPECT_EQ(d.altro, "x");
    EXPECT_EQ(d.lung_altro, 1u);
    // Emptying the text clears the flag it had set.
    ASSERT_TRUE(store_activities(lb, boxes, "ab"));
    EXPECT_EQ(d.att_bit2, 0x12);
    ASSERT_TRUE(store_activities(lb, boxes, ""));
    EXPECT_EQ(d.att_bit2, 0x02);
    EXPECT_EQ(d.lung_altro, 0u);
    EXPECT_EQ(lb.immersioni[0].tipo_bit, 0x3FF);
    EXPECT_EQ(lb.immersioni[0].altro, "vecchio");
}

TEST(StoreFlags, NoCurrentDiveNoWrite) {
    Clogbook empty(0);
    EXPECT_FALSE(store_type(empty, {1, 1, 1, 1}));
    EXPECT_FALSE(store_activities(empty, {}, "abc"));
    Clogbook one(1);
    one.corrente = 1;  // past the end
    EXPECT_FALSE(store_type(one, {1, 1, 1, 1}));
    EXPECT_FALSE(store_activities(one, {}, "abc"));
    EXPECT_EQ(one.immersioni[0], Timmersione{});
}
