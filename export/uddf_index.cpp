#include "export/uddf_index.h"

#include <unordered_map>

namespace {

std::string_view senza_spazi(std::string_view s) {
    auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
    while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<std::string_view> righe_non_vuote(std::string_view testo) {
    std::vector<std::string_view> righe;
    while (!testo.empty()) {
        const std::size_t fine = testo.find_first_of("\r\n");
        const std::string_view riga = senza_spazi(testo.substr(0, fine));
        if (!riga.empty()) righe.push_back(riga);
        if (fine == std::string_view::npos) break;
        testo.remove_prefix(fine + 1);
    }
    return righe;
}

IndiceUddf indicizza(const Clogbook& logbook) {
    IndiceUddf indice;
    std::unordered_map<std::string, uint32_t> compagno_n;
    // Keyed by the place's length, the place and the point: no two pairs share a key.
    std::unordered_map<std::string, uint32_t> posto_n;
    indice.compagni_di.reserve(logbook.immersioni.size());
    indice.posto_di.reserve(logbook.immersioni.size());
    for (const Timmersione& d : logbook.immersioni) {
        std::vector<uint32_t> di_questa;
        for (std::string_view riga : righe_non_vuote(d.compagni)) {
            auto [it, nuovo] = compagno_n.try_emplace(std::string(riga), uint32_t(indice.compagni.size()));
            if (nuovo) indice.compagni.emplace_back(riga);
            bool gia = false;
            for (uint32_t n : di_questa) gia = gia || n == it->second;
            if (!gia) di_questa.push_back(it->second);
        }
        indice.compagni_di.push_back(std::move(di_questa));

        const std::string_view posto = senza_spazi(d.posto), punto = senza_spazi(d.punto);
        if (posto.empty() && punto.empty()) {
            indice.posto_di.push_back(IndiceUddf::nessuno);
            continue;
        }
        std::string chiave = std::to_string(posto.size()) + ':';
        chiave += posto;
        chiave += punto;
        auto [it, nuovo] = posto_n.try_emplace(std::move(chiave), uint32_t(indice.posti.size()));
        if (nuovo) indice.posti.emplace_back(std::string(posto), std::string(punto));
        indice.posto_di.push_back(it->second);
    }
    return indice;
}
