#pragma once

// The texts the main window shows for a logbook: a list item, the serial number, the
// dive-computer model and the activities memo.

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
