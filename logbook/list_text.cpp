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

const char* nome_computer(int32_t computer) {
    switch (computer) {
    case 28: return "Aladin Air";
    case 29: return "Spiro Monitor 2 Plus";
    case 30: return "Aladin Sport";
    case 31:
    case 63: return "Aladin Pro";
    case 52:
    case 68: return "Aladin Air X";
    case 64: return "Mares Genius";
    case 72: return "Spiro Monitor 3 Air";
    case 164: return "Aladin Air X O2";
    case 244: return "Aladin Air X Nitrox";
    case 255: return "Aladin Pro Nitrox";
    default: return "Sconosciuto";
    }
}

std::string testo_attivita_completo(const Timmersione& d) {
    return d.altro + ", " + Clogbook::Testo_Attivita(d.att_bit1, d.att_bit2);
}
