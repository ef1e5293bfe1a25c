#pragma once

// Little-endian numbers in memory, the byte order of every file the logbook reads or
// writes. On a little-endian machine a number's own bytes are copied as they are, one
// load or store; elsewhere they are put in order one by one.

#include <bit>
#include <cstdint>
#include <cstring>

template <class Unsigned>
Unsigned load_little_endian(const char* p) {
    Unsigned v = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&v, p, sizeof v);
    } else {
        for (int i = int(sizeof v) - 1; i >= 0; --i) v = Unsigned(v << 8) | static_cast<unsigned char>(p[i]);
    }
    return v;
}

template <class Unsigned>
void store_little_endian(char* p, Unsigned v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, sizeof v);
    } else {
        for (std::size_t i = 0; i < sizeof v; ++i) p[i] = char(v >> (8 * i));
    }
}
