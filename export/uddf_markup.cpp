#include "export/uddf_markup.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>

#include "export/uddf_values.h"
#include "framework/core/number_text.h"

namespace uddf {

namespace {

// Sample flag bits and the alarm keywords UDDF has for them. The transmitter bit (0x20)
// has no keyword of its own and is left out.
struct Allarme {
    uint8_t bit;
    std::string_view parola;
};
constexpr Allarme allarmi[] = {{0x01, "deco"}, {0x02, "rbt"}, {0x04, "ascent"}, {0x08, "error"}, {0x10, "breath"}};

constexpr uint64_t secondi_per_campione = 20;

void elemento(std::string& out, std::string_view nome, std::string_view testo) {
    out.append("<").append(nome).append(">").append(testo).append("</").append(nome).append(">");
}

void se_c_e(std::string& out, std::string_view nome, std::optional<double> v) {
    if (v) elemento(out, nome, format_general(*v, '.'));
}

void collegamento(std::string& out, const char* tipo, std::size_t n) {
    out.append("<link ref=\"").append(id(tipo, n)).append("\"/>");
}

template <std::size_t N>
char* copia(char* p, const char (&testo)[N]) {
    std::memcpy(p, testo, N - 1);
    return p + N - 1;
}

// The shortest text that reads back as the same number. Depths come in steps of
// 0.15625 m: exact decimals of at most five places, written from integers, several
// times faster than the general shortest form and the same text.
char* scrivi_numero(char* p, double v) {
    const double centomillesimi = v * 1e5;
    const auto n = v >= 0 && v < 1e9 ? uint64_t(centomillesimi) : 0;
    if (double(n) != centomillesimi || double(n) / 1e5 != v) return std::to_chars(p, p + 32, v).ptr;
    p = std::to_chars(p, p + 32, n / 100000).ptr;
    if (const auto f = uint32_t(n % 100000); f != 0) {
        const char cifre[6] = {'.', char('0' + f / 10000), char('0' + f / 1000 % 10), char('0' + f / 100 % 10),
                               char('0' + f / 10 % 10), char('0' + f % 10)};
        p = std::copy(cifre, cifre + 6, p);
        while (p[-1] == '0') --p;
    }
    return p;
}

}  // namespace

std::string id(const char* tipo, std::size_t n) { return std::string(tipo) + '_' + std::to_string(n + 1); }

void inizio_immersione(std::string& out, std::size_t i, const Timmersione& d, const IndiceUddf& indice) {
    out.append("<dive id=\"").append(id("dive", i)).append("\"><informationbeforedive>");
    // Buddies first: readers that take the first link for the site still find it.
    for (uint32_t b : indice.compagni_di[i]) collegamento(out, "buddy", b);
    if (indice.posto_di[i] != IndiceUddf::nessuno) collegamento(out, "site", indice.posto_di[i]);
    if (const auto n = numero(d.nimm)) elemento(out, "divenumber", std::to_string(*n));
    elemento(out, "datetime", data_ora(d));
    se_c_e(out, "airtemperature", temperatura_k(d.t_aria));
    if (const auto s = durata_s(d.ora_int, d.min_int)) {
        out += "<surfaceintervalbeforedive>";
        // No interval entered: the dive is not a repetitive one.
        if (*s == 0) out += "<infinity/>";
        else se_c_e(out, "passedtime", s);
        out += "</surfaceintervalbeforedive>";
    }
    se_c_e(out, "altitude", altitudine_m(d.alt));
    out += "</informationbeforedive>";
}

void campioni(std::string& out, const DecodedProfile& profilo) {
    out.reserve(out.size() + (profilo.n + 1) * 80);
    out += "<samples>";
    for (std::size_t k = 0; k <= profilo.n; ++k) {
        char punto[256];  // the markup, every alarm and two numbers
        char* p = copia(punto, "<waypoint>");
        for (const Allarme& a : allarmi) {
            if (!(profilo.flags[k] & a.bit)) continue;
            p = copia(p, "<alarm>");
            p = std::copy(a.parola.begin(), a.parola.end(), p);
            p = copia(p, "</alarm>");
        }
        p = copia(p, "<depth>");
        p = scrivi_numero(p, profilo.depth[k]);
        p = copia(p, "</depth><divetime>");
        p = std::to_chars(p, p + 32, secondi_per_campione * uint64_t(k)).ptr;
        p = copia(p, "</divetime></waypoint>");
        out.append(punto, p);
    }
    out += "</samples>";
}

void dopo_immersione(std::string& out, const Timmersione& d, const DecodedProfile* profilo) {
    out += "<informationafterdive>";
    // A depth that cannot be real is replaced by the deepest sample, or 0 without any.
    double massima = 0;
    if (profilo) massima = *std::max_element(profilo->depth.begin(), profilo->depth.end());
    se_c_e(out, "greatestdepth", profondita_m(d.prof).value_or(massima));
    se_c_e(out, "lowesttemperature", temperatura_k(d.t_acqua));
    se_c_e(out, "pressuredrop", calo_pressione_pa(d.bar));
    se_c_e(out, "diveduration", durata_s(d.ora_dur, d.min_dur));
}

}  // namespace uddf
