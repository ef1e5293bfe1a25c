#pragma once

// A dive made of fuzzer bytes: every number and text of the record as a damaged file
// or another program could leave it, and a profile from the remaining bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "logbook/Clogbook.h"

// A stored real: any bit pattern (NaN, infinities, subnormals, 1e300), one of the
// values that break formulas, or an ordinary one.
inline double fuzzed_real(FuzzedDataProvider& in) {
    static constexpr double special[] = {std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         1e300,
                                         -2.0,
                                         std::numeric_limits<double>::max(),
                                         std::numeric_limits<double>::denorm_min(),
                                         0.0};
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: return std::bit_cast<double>(in.ConsumeIntegral<uint64_t>());
    case 1: return in.PickValueInArray(special);
    default: return in.ConsumeFloatingPointInRange(-50.0, 400.0);
    }
}

// `max_repeats` > 1 repeats the profile bytes up to that many times, for profiles far
// longer than an input.
inline Timmersione fuzzed_dive(FuzzedDataProvider& in, unsigned max_repeats = 1) {
    static constexpr int32_t models[] = {30, 164, 244, 255};
    Timmersione dive;
    dive.computer = in.ConsumeBool() ? in.PickValueInArray(models) : in.ConsumeIntegral<int32_t>();
    dive.computer_extra = in.ConsumeIntegral<int32_t>();
    for (int32_t& code : dive.codice_dt) code = in.ConsumeIntegral<int32_t>();
    dive.prof = fuzzed_real(in);
    dive.bar = fuzzed_real(in);
    dive.t_acqua = fuzzed_real(in);
    dive.t_aria = fuzzed_real(in);
    dive.lbomb = in.ConsumeIntegral<int32_t>();
    dive.ora_dur = in.ConsumeIntegral<int32_t>();
    dive.min_dur = in.ConsumeIntegral<int32_t>();
    dive.ora_imm = in.ConsumeIntegral<int32_t>();
    dive.min_imm = in.ConsumeIntegral<int32_t>();
    dive.ora_int = in.ConsumeIntegral<int32_t>();
    dive.min_int = in.ConsumeIntegral<int32_t>();
    dive.giorno = in.ConsumeIntegral<int32_t>();
    dive.mese = in.ConsumeIntegral<int32_t>();
    dive.anno = in.ConsumeIntegral<int32_t>();
    dive.nimm = in.ConsumeIntegral<int32_t>();
    dive.alt = in.ConsumeIntegral<int32_t>();
    dive.meteo = in.ConsumeIntegral<int32_t>();
    dive.muta = in.ConsumeIntegral<int32_t>();
    dive.tipo_bit = in.ConsumeIntegral<decltype(dive.tipo_bit)>();
    dive.gas = in.ConsumeIntegral<decltype(dive.gas)>();
    dive.att_bit1 = in.ConsumeIntegral<decltype(dive.att_bit1)>();
    dive.att_bit2 = in.ConsumeIntegral<decltype(dive.att_bit2)>();
    dive.allarmi_bit = in.ConsumeIntegral<decltype(dive.allarmi_bit)>();
    dive.allarmi_alto = in.ConsumeIntegral<decltype(dive.allarmi_alto)>();
    dive.posto = in.ConsumeRandomLengthString(64);
    dive.punto = in.ConsumeRandomLengthString(64);
    dive.altro = in.ConsumeRandomLengthString(64);
    dive.compagni = in.ConsumeRandomLengthString(2000);
    dive.commenti = in.ConsumeRandomLengthString(4000);
    const unsigned repeats = max_repeats > 1 ? 1 + in.ConsumeIntegral<uint8_t>() % max_repeats : 1;
    const std::string body = in.ConsumeRemainingBytesAsString();
    for (unsigned r = 0; r < repeats; ++r) dive.profilo += body;
    dive.lung_posto = static_cast<uint32_t>(dive.posto.size());
    dive.lung_punto = static_cast<uint32_t>(dive.punto.size());
    dive.lung_altro = static_cast<uint32_t>(dive.altro.size());
    dive.lung_compagni = static_cast<uint32_t>(dive.compagni.size());
    dive.lung_commenti = static_cast<uint32_t>(dive.commenti.size());
    dive.lung_profilo = static_cast<uint32_t>(dive.profilo.size());
    return dive;
}
