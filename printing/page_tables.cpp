#include "printing/page_tables.h"

#include <iterator>

namespace {

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
