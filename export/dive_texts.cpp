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

bool giorno_valido(int32_t g, int32_t m, int32_t a) {
    if (a < 1 || a > 9999 || m < 1 || m > 12 || g < 1) return false;
    static constexpr int32_t giorni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    return g <= giorni[m - 1] + (m == 2 && bisestile ? 1 : 0);
}

std::string unisci(std::string_view a, std::string_view b) {
    if (a.empty()) return std::string(b);
    if (b.empty()) return std::string(a);
    return std::string(a) + ", " + std::string(b);
}

}  // namespace

std::string utf8_da_1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') continue;
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

std::string data_iso(const Timmersione& d) {
    if (!giorno_valido(d.giorno, d.mese, d.anno)) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", int(d.anno), int(d.mese), int(d.giorno));
    return buffer;
}

std::string ora_iso(const Timmersione& d) {
    if (d.ora_imm < 0 || d.ora_imm > 23 || d.min_imm < 0 || d.min_imm > 59) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", int(d.ora_imm), int(d.min_imm));
    return buffer;
}

int64_t minuti(int32_t ore, int32_t min) { return int64_t(ore) * 60 + min; }
