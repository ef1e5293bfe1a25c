#pragma once

// The texts the main window shows for a logbook: a list item, the serial number, the
// dive-computer model and the activities memo.

#include <array>
#include <string>

#include "logbook/Clogbook.h"

// "*" when the dive has a profile, then " ", the number, " - " and the place.
std::string testo_voce(const Timmersione& d);

// The four serial bytes, low first, as one unsigned decimal number.
std::string testo_seriale(const Clogbook& lb);

// The model name for a dive-computer code; "Sconosciuto" for any code not known,
// 0 (dives typed by hand) included.
const char* nome_computer(int32_t computer);

// The free "Altro" text, ", " (always, also after an empty text), then the named activities.
std::string testo_attivita_completo(const Timmersione& d);

// Entries of the suit, altitude and weather boxes, at the index the dive stores.
inline constexpr std::array<const char*, 6> voci_muta = {"Nessuna", "Mutino", "Monopezzo", "Umida", "SemiStagna", "Stagna"};
inline constexpr std::array<const char*, 4> voci_alt = {"000-900 mt", "900-1750 mt", "1750-2700 mt", "2700-4000 mt"};
inline constexpr std::array<const char*, 6> voci_meteo = {"Sereno", "Nuvolo", "Nebbia", "Pioggia", "Tempesta", "Neve"};

// The entry at a stored index; empty where the index selects none (-1 or out of range).
template <std::size_t N>
const char* voce_scelta(const std::array<const char*, N>& voci, int32_t indice) {
    return indice >= 0 && std::size_t(indice) < N ? voci[std::size_t(indice)] : "";
}
