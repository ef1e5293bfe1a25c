#pragma once

// The page's own texts for the altitude class, the weather and the suit (the editor
// words them differently). An index outside a table prints nothing; so does a
// stored real number that cannot be a real one (not finite, or beyond what any dive
// records), where the editor shows it as it stands.

#include <cstdint>
#include <string>

std::string testo_altitudine(int32_t alt);
std::string testo_meteo(int32_t meteo);
std::string testo_muta(int32_t muta);

// Maximum depth 0..1000 m, temperatures -100..100 degrees, pressure used 0..1000 bar.
std::string testo_profondita(double metres, char decimal_separator);
std::string testo_temperatura(double celsius, char decimal_separator);
std::string testo_bar(double bar, char decimal_separator);
