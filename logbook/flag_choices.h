#pragma once

// The flag words of a dive as the dive-type and activities dialogs show them: radio
// items and check boxes. Loading looks at the low byte of each word only; storing
// replaces the words whole, so bits the dialogs do not show are cleared.

#include <array>
#include <cstdint>
#include <string_view>

#include "logbook/Clogbook.h"

// Item indices of the four radio groups of the dive-type dialog. Item 0 of the last
// three stands for neither flag of the group.
struct TypeChoice {
    int gas = 0;       // 0 "Aria", 1 "Nitrox", 2 "SCR"
    int tipo = 0;      // 1 "In Curva" (0x04), 2 "Decompressione" (0x08)
    int risalita = 0;  // 1 "Unica" (0x10), 2 "Multipla" (0x20)
    int acqua = 0;     // 1 "Dolce" (0x40), 2 "Salata" (0x80)
    bool operator==(const TypeChoice&) const = default;
};

// Of two flags of one group the second wins; a gas other than 1 or 2 shows as air.
TypeChoice type_choice_from(int32_t tipo_bit, int32_t gas);

struct TypeFlags {
    int32_t tipo_bit, gas;
};
TypeFlags type_flags_from(const TypeChoice& choice);

// The twelve activity boxes: "Osservazione" .. "Ricerca" are the bits of att_bit1,
// "Relitti" .. "Foto/Video" the low four bits of att_bit2.
using ActivityBoxes = std::array<bool, 12>;

ActivityBoxes activity_boxes_from(int32_t att_bit1, int32_t att_bit2);

struct ActivityFlags {
    int32_t att_bit1, att_bit2;
};
// A free "Altro" text of two or more characters adds its flag, 0x10 of att_bit2.
ActivityFlags activity_flags_from(const ActivityBoxes& boxes, std::size_t altro_length);

// Write into the current dive. With no current dive (an empty logbook) nothing is
// written and the result is false.
bool store_type(Clogbook& lb, const TypeChoice& choice);
bool store_activities(Clogbook& lb, const ActivityBoxes& boxes, std::string_view altro);
