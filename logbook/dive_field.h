#pragma once

// The parts of a dive the user changes one at a time: each field of the editor and
// what each flag dialog writes. A field names the members that hold it, so that a
// change can be kept and taken back without a copy of the whole record.

#include <cstddef>

#include "logbook/Clogbook.h"

enum class DiveField {
    data,
    ora_imm,
    min_imm,
    ora_int,
    min_int,
    ora_dur,
    min_dur,
    lbomb,
    bar,
    prof,
    t_acqua,
    t_aria,
    muta,
    alt,
    meteo,
    posto,
    punto,
    compagni,
    commenti,
    tipo,      // tipo_bit and gas, from the dive-type dialog
    attivita,  // att_bit1, att_bit2 and altro, from the activities dialog
};

// The caption the user knows the field by.
const char* field_caption(DiveField field);

// Copies the field's members from `from` into `to`.
void copy_field(DiveField field, const Timmersione& from, Timmersione& to);
// Exchanges the field's members between two records.
void swap_field(DiveField field, Timmersione& a, Timmersione& b);
bool same_field(DiveField field, const Timmersione& a, const Timmersione& b);
// The heap bytes the field's texts hold in `d`.
size_t field_text_bytes(DiveField field, const Timmersione& d);
