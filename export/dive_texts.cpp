#include "export/dive_texts.h"

#include <cstdio>

namespace {

// The 32 characters of 0x80..0x9F; the five bytes the code page leaves undefined keep
// their own code point, as the program's codec gives them.
constexpr char16_t da_0x80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string unisci(std::string_view a, std::string_view b) {
    if (a.empty()) return std::string(b);
    if (b.empty()) return std::string(a);
    return std::string(a) + ", " + std::string(b);
}

// Control characters that neither a text cell nor XML can carry (below 0x20 except tab,
// LF and CR, zero bytes included), DEL and the five bytes the code page leaves undefined.
bool carattere_scrivibile(unsigned char b) {
    if (b < 0x20) return b == '\t' || b == '\n' || b == '\r';
    return b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

// The Windows-1252 byte of a character, or '?' where the code page has none.
char byte_1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (std::size_t i = 0; i < 32; ++i)
        if (da_0x80[i] == c && carattere_scrivibile(static_cast<unsigned char>(0x80 + i))) return char(0x80 + i);
    return '?';
}

}  // namespace

std::string testo_1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t lunghezza = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        char32_t c = lunghezza == 1 ? b : b & (0x7F >> lunghezza);
        bool valido = b < 0x80 && i + lunghezza <= utf8.size();
        if (lunghezza > 1 && i + lunghezza <= utf8.size()) {
            valido = true;
            for (std::size_t k = 1; k < lunghezza; ++k) {
                const auto cont = static_cast<unsigned char>(utf8[i + k]);
                valido = valido && (cont & 0xC0) == 0x80;
                c = c << 6 | (cont & 0x3F);
            }
        }
        out += valido ? byte_1252(c) : '?';
        i += valido ? lunghezza : 1;
    }
    return out;
}

std::string utf8_da_1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (!carattere_scrivibile(b)) continue;
        if (b < 0x80) out += ch;
        else if (b < 0xA0) append_utf8(out, da_0x80[b - 0x80]);
        else append_utf8(out, b);
    }
    return out;
}

std::string_view senza_separatori(std::string_view text) {
    auto separatore = [](char c) { return c == ' ' || c == ','; };
    while (!text.empty() && separatore(text.front())) text.remove_prefix(1);
    while (!text.empty() && separatore(text.back())) text.remove_suffix(1);
    return text;
}

std::string testo_attivita_esportato(const Timmersione& d) {
    return unisci(senza_separatori(d.altro), senza_separatori(Clogbook::Testo_Attivita(d.att_bit1, d.att_bit2)));
}

std::string testo_tipo_esportato(const Timmersione& d) {
    return std::string(senza_separatori(Clogbook::Testo_Tipo(d.tipo_bit, d.gas)));
}

std::string testo_allarmi_esportato(const Timmersione& d) {
    return std::string(senza_separatori(Clogbook::Testo_Allarmi(d.allarmi_bit, d.allarmi_alto)));
}

int32_t giorni_del_mese(int32_t mese, int32_t anno) {
    static constexpr int32_t giorni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    return giorni[mese - 1] + (mese == 2 && bisestile ? 1 : 0);
}

bool data_reale(const Timmersione& d) {
    return d.anno >= 1 && d.anno <= 9999 && d.mese >= 1 && d.mese <= 12 && d.giorno >= 1 &&
           d.giorno <= giorni_del_mese(d.mese, d.anno);
}

bool ora_reale(const Timmersione& d) { return d.ora_imm >= 0 && d.ora_imm <= 23 && d.min_imm >= 0 && d.min_imm <= 59; }

std::string data_iso(const Timmersione& d) {
    if (!data_reale(d)) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", int(d.anno), int(d.mese), int(d.giorno));
    return buffer;
}

std::string ora_iso(const Timmersione& d) {
    if (!ora_reale(d)) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", int(d.ora_imm), int(d.min_imm));
    return buffer;
}

int64_t minuti(int32_t ore, int32_t min) { return int64_t(ore) * 60 + min; }
