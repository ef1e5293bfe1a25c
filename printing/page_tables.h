#pragma once

// The page's own texts for the altitude class, the weather and the suit (the editor
// words them differently). An index outside a table prints nothing.

#include <cstdint>
#include <string>

std::string testo_altitudine(int32_t alt);
std::string testo_meteo(int32_t meteo);
std::string testo_muta(int32_t muta);
