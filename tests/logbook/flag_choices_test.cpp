#include <gtest/gtest.h>

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

TEST(FlagChoices, ActivityBoxesAreTheLowTwelveBitsOfTheTwoWords) {
    for (int32_t word = 0; word < 4096; ++word) {
        ActivityBoxes boxes{};
        for (size_t i = 0; i < 12; ++i) boxes[i] = (word >> i) & 1;
        const ActivityFlags f = activity_flags_from(boxes, 0);
        EXPECT_EQ(f.att_bit1 | f.att_bit2 << 8, word);
        EXPECT_EQ(activity_boxes_from(f.att_bit1 | 0xFF00, f.att_bit2 | 0xF0), boxes) << "only the low bits are boxes";
    }
    Clogbook empty(0);  // no current dive: nothing written
    EXPECT_FALSE(store_type(empty, {1, 1, 1, 1}));
    EXPECT_FALSE(store_activities(empty, {}, "abc"));
}
