#include "export/uddf_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "export/dive_texts.h"
#include "logbook/real_values.h"

namespace uddf {

namespace {

std::optional<double> se_reale(bool reale, double v) { return reale ? std::optional(v) : std::nullopt; }

}  // namespace

std::optional<double> profondita_m(double metri) { return se_reale(real_depth(metri), metri); }

std::optional<double> temperatura_k(double celsius) {
    if (celsius == 0) return std::nullopt;
    const auto c = se_reale(real_temperature(celsius), celsius);
    return c ? std::optional(*c + 273.15) : std::nullopt;
}

std::optional<double> durata_s(int32_t ore, int32_t min) {
    const double s = double(minuti(ore, min)) * 60;
    return se_reale(within_real(s, 0, 7 * 24 * 3600), s);
}

std::optional<double> calo_pressione_pa(double bar) {
    if (bar == 0) return std::nullopt;
    const auto b = se_reale(real_pressure(bar), bar);
    return b ? std::optional(*b * 1e5) : std::nullopt;
}

std::optional<double> altitudine_m(int32_t alt) {
    static constexpr double da[4] = {0, 900, 1750, 2700};
    if (alt < 0 || alt > 3) return std::nullopt;
    return da[alt];
}

std::optional<int32_t> numero(int32_t nimm) { return nimm > 0 ? std::optional(nimm) : std::nullopt; }

std::string data_ora(const Timmersione& d) {
    // A date that cannot be written is brought to the nearest one that can: 31 February
    // is the month's last day, hour 24 is 23, the 0/0/0 of a new dive is 1 January of
    // the year 1. The notes keep the date as stored.
    const int32_t anno = std::clamp(d.anno, 1, 9999), mese = std::clamp(d.mese, 1, 12);
    const int32_t ultimo = giorni_del_mese(mese, anno);
    char testo[64];
    std::snprintf(testo, sizeof testo, "%04d-%02d-%02dT%02d:%02d:00", int(anno), int(mese),
                  int(std::clamp(d.giorno, 1, ultimo)), int(std::clamp(d.ora_imm, 0, 23)), int(std::clamp(d.min_imm, 0, 59)));
    return testo;
}

}  // namespace uddf
