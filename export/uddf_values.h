#pragma once

// A dive's numbers in the units UDDF wants, or nothing where the stored value is not
// finite, not recorded (0 in a field typed by hand or read from DataTrak) or not real.

#include <optional>
#include <string>

#include "logbook/Clogbook.h"

namespace uddf {

std::optional<double> profondita_m(double metri);            // 0..1000 m
std::optional<double> temperatura_k(double celsius);         // not 0, -100..100 C
std::optional<double> durata_s(int32_t ore, int32_t min);    // 0..7 days
std::optional<double> calo_pressione_pa(double bar);         // 0 excluded, up to 1000 bar
std::optional<double> altitudine_m(int32_t alt);             // the class's lower bound
std::optional<int32_t> numero(int32_t nimm);                 // positive only

// "YYYY-MM-DDThh:mm:00" of the dive's start, whatever the record holds: a date or time
// that is not a real one is brought into range piece by piece.
std::string data_ora(const Timmersione& d);

}  // namespace uddf
