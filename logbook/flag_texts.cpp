// The names of the set flags of the dive-type, activity and alarm words.

#include <cstdint>
#include <string>

#include "logbook/Clogbook.h"

namespace {

struct FlagText {
    uint32_t bit;
    const char* text;
};

template <size_t N>
std::string names_of_set_bits(const FlagText (&table)[N], int32_t low, int32_t high) {
    const uint32_t word = static_cast<uint32_t>(high) * 256u + static_cast<uint32_t>(low);
    std::string out;
    for (const FlagText& f : table)
        if (word & f.bit) out += f.text;
    return out;
}

// The texts stand as the program has always shown them, some with and some
// without ", " after the name.
const FlagText kTipo[] = {
    {0x004, "In Curva,"},      {0x008, "Decompressione,"}, {0x010, "Risalita Unica, "},
    {0x020, "Risalite Multiple, "}, {0x040, "Acqua Dolce, "}, {0x080, "Acqua Salata, "},
    {0x100, "Nitrox, "},        {0x200, "SCR "},
};

const FlagText kAttivita[] = {
    {0x0001, "Osservazione, "}, {0x0002, "In gruppo, "}, {0x0004, "Corso, "},
    {0x0008, "Addestramento, "}, {0x0010, "Notturna, "}, {0x0020, "In grotta, "},
    {0x0040, "Ghiaccio, "},     {0x0080, "Ricerca, "},   {0x0100, "Relitto, "},
    {0x0200, "Fiume, "},        {0x0400, "Corrente, "},  {0x0800, "Foto/Video, "},
    {0x1000, "Altro, "},
};

const FlagText kAllarmi[] = {
    {0x01, "Risalita, "}, {0x08, "Decompressione, "}, {0x10, "Affanno, "}, {0x20, "SOS, "},
};

}  // namespace

std::string Clogbook::Testo_Tipo(int32_t tipo_bit, int32_t gas) { return names_of_set_bits(kTipo, tipo_bit, gas); }

std::string Clogbook::Testo_Attivita(int32_t att_bit1, int32_t att_bit2) {
    return names_of_set_bits(kAttivita, att_bit1, att_bit2);
}

std::string Clogbook::Testo_Allarmi(int32_t allarmi_bit, int32_t allarmi_alto) {
    return names_of_set_bits(kAllarmi, allarmi_bit, allarmi_alto);
}
