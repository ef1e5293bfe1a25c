#include "printing/page_tables.h"

#include <cmath>
#include <iterator>

#include "framework/core/number_text.h"

namespace {

std::string within(double value, double least, double most, char sep) {
    if (!std::isfinite(value) || value < least || value > most) return {};
    return format_general(value, sep);
}

template <std::size_t N>
std::string entry(const char* const (&table)[N], int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
    return table[index];
}

}  // namespace

std::string testo_altitudine(int32_t alt) {
    static const char* const texts[] = {"0000-0900 mt", "0900-1750 mt", "1750-2700 mt", "2700-4000 mt"};
    return entry(texts, alt);
}

std::string testo_meteo(int32_t meteo) {
    static const char* const texts[] = {"Sereno ", "Nuvolo ", "Nebbia ", "Pioggia", "Bufera ", "Nevoso "};
    return entry(texts, meteo);
}

std::string testo_muta(int32_t muta) {
    static const char* const texts[] = {"Nessuna    ", "Mutino     ", "Monopezzo  ",
                                        "Umida      ", "SemiStagna ", "Stagna     "};
    return entry(texts, muta);
}

std::string testo_profondita(double metres, char sep) { return within(metres, 0.0, 1000.0, sep); }

std::string testo_temperatura(double celsius, char sep) { return within(celsius, -100.0, 100.0, sep); }

std::string testo_bar(double bar, char sep) { return within(bar, 0.0, 1000.0, sep); }
