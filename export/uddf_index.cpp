#include "export/uddf_index.h"

#include <unordered_map>

#include "export/uddf_notes.h"

namespace {

bool vuoto(const std::string& s) { return s.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

IndiceUddf indicizza(const Clogbook& logbook) {
    IndiceUddf indice;
    std::unordered_map<std::string, uint32_t> compagno_n;
    // Keyed by the place's length, the place and the point: no two pairs share a key.
    std::unordered_map<std::string, uint32_t> posto_n;
    indice.compagni_di.reserve(logbook.immersioni.size());
    indice.posto_di.reserve(logbook.immersioni.size());
    for (const Timmersione& d : logbook.immersioni) {
        std::vector<uint32_t> di_questa;
        for (std::string& persona : compagni_distinti(d.compagni)) {
            auto [it, nuovo] = compagno_n.try_emplace(persona, uint32_t(indice.compagni.size()));
            if (nuovo) indice.compagni.push_back(std::move(persona));
            di_questa.push_back(it->second);
        }
        indice.compagni_di.push_back(std::move(di_questa));

        if (vuoto(d.posto) && vuoto(d.punto)) {
            indice.posto_di.push_back(IndiceUddf::nessuno);
            continue;
        }
        std::string chiave = std::to_string(d.posto.size()) + ':' + d.posto + d.punto;
        auto [it, nuovo] = posto_n.try_emplace(std::move(chiave), uint32_t(indice.posti.size()));
        if (nuovo) indice.posti.emplace_back(d.posto, d.punto);
        indice.posto_di.push_back(it->second);
    }
    return indice;
}
