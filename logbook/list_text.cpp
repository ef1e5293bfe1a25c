#include "logbook/list_text.h"

std::string testo_voce(const Timmersione& d) {
    std::string t = d.lung_profilo != 0 ? "* " : " ";
    t += std::to_string(uint32_t(d.nimm));
    t += " - ";
    if (d.lung_posto != 0) t += d.posto;
    return t;
}

std::string testo_seriale(const Clogbook& lb) {
    const uint32_t v = uint32_t(lb.seriale[3]) * 16777216u + uint32_t(lb.seriale[2]) * 65536u +
                       uint32_t(lb.seriale[1]) * 256u + uint32_t(lb.seriale[0]);
    return std::to_string(v);
}
