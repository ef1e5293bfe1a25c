#include "printing/page_tables.h"

#include <cmath>
#include <iterator>

#include "framework/core/number_text.h"
#include "logbook/real_values.h"

namespace {

std::string if_real(bool real, double value, char sep) { return real ? format_general(value, sep) : std::string(); }

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

std::string testo_profondita(double metres, char sep) { return if_real(real_depth(metres), metres, sep); }

std::string testo_temperatura(double celsius, char sep) { return if_real(real_temperature(celsius), celsius, sep); }

std::string testo_bar(double bar, char sep) { return if_real(real_pressure(bar), bar, sep); }
