#include "export/uddf_values.h"

#include <cmath>

#include "export/dive_texts.h"

namespace uddf {

namespace {

std::optional<double> entro(double v, double minimo, double massimo) {
    if (!std::isfinite(v) || v < minimo || v > massimo) return std::nullopt;
    return v;
}

}  // namespace

std::optional<double> profondita_m(double metri) { return entro(metri, 0, 1000); }

std::optional<double> temperatura_k(double celsius) {
    if (celsius == 0) return std::nullopt;
    const auto c = entro(celsius, -100, 100);
    return c ? std::optional(*c + 273.15) : std::nullopt;
}

std::optional<double> durata_s(int32_t ore, int32_t min) {
    const auto s = entro(double(minuti(ore, min)) * 60, 0, 7 * 24 * 3600);
    return s;
}

std::optional<double> calo_pressione_pa(double bar) {
    if (bar == 0) return std::nullopt;
    const auto b = entro(bar, 0, 1000);
    return b ? std::optional(*b * 1e5) : std::nullopt;
}

std::optional<double> altitudine_m(int32_t alt) {
    static constexpr double da[4] = {0, 900, 1750, 2700};
    if (alt < 0 || alt > 3) return std::nullopt;
    return da[alt];
}

std::optional<int32_t> numero(int32_t nimm) { return nimm > 0 ? std::optional(nimm) : std::nullopt; }

std::string data_ora(const Timmersione& d) {
    std::string t = data_iso(d);
    const std::string ora = ora_iso(d);
    if (!t.empty() && !ora.empty()) t += "T" + ora + ":00";
    return t;
}

std::pair<std::string, std::string> nome_e_cognome(const std::string& riga) {
    const std::size_t spazio = riga.find_last_of(" \t");
    if (spazio == std::string::npos) return {riga, {}};
    std::string nome = riga.substr(0, spazio);
    while (!nome.empty() && (nome.back() == ' ' || nome.back() == '\t')) nome.pop_back();
    return {nome, riga.substr(spazio + 1)};
}

}  // namespace uddf
