#include "logbook/flag_choices.h"

namespace {

// The index of a group whose items 1 and 2 stand for bits `one` and `two`.
int group_index(int32_t bits, int32_t one, int32_t two) {
    if (bits & two) return 2;
    return (bits & one) ? 1 : 0;
}

int32_t group_bits(int index, int32_t one, int32_t two) { return index == 1 ? one : index == 2 ? two : 0; }

bool has_current(const Clogbook& lb) { return lb.corrente < lb.num_imm; }

}  // namespace

TypeChoice type_choice_from(int32_t tipo_bit, int32_t gas) {
    const int32_t low = tipo_bit & 0xFF;
    return {.gas = (gas == 1 || gas == 2) ? gas : 0,
            .tipo = group_index(low, 0x04, 0x08),
            .risalita = group_index(low, 0x10, 0x20),
            .acqua = group_index(low, 0x40, 0x80)};
}

TypeFlags type_flags_from(const TypeChoice& c) {
    return {group_bits(c.tipo, 0x04, 0x08) | group_bits(c.risalita, 0x10, 0x20) | group_bits(c.acqua, 0x40, 0x80),
            group_bits(c.gas, 1, 2)};
}

ActivityBoxes activity_boxes_from(int32_t att_bit1, int32_t att_bit2) {
    ActivityBoxes boxes{};
    for (int i = 0; i < 8; ++i) boxes[i] = (att_bit1 >> i) & 1;
    for (int i = 0; i < 4; ++i) boxes[8 + i] = (att_bit2 >> i) & 1;
    return boxes;
}

ActivityFlags activity_flags_from(const ActivityBoxes& boxes, std::size_t altro_length) {
    ActivityFlags f{0, 0};
    for (int i = 0; i < 8; ++i) f.att_bit1 |= boxes[i] ? (1 << i) : 0;
    for (int i = 0; i < 4; ++i) f.att_bit2 |= boxes[8 + i] ? (1 << i) : 0;
    if (altro_length >= 2) f.att_bit2 |= 0x10;
    return f;
}

bool store_type(Clogbook& lb, const TypeChoice& choice) {
    if (!has_current(lb)) return false;
    const TypeFlags f = type_flags_from(choice);
    lb.set_tipo(f.tipo_bit, f.gas);
    return true;
}

bool store_activities(Clogbook& lb, const ActivityBoxes& boxes, std::string_view altro) {
    if (!has_current(lb)) return false;
    lb.set_altro(altro);
    const ActivityFlags f = activity_flags_from(boxes, altro.size());
    lb.set_attivita(f.att_bit1, f.att_bit2);
    return true;
}
