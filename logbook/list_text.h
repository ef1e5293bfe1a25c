#pragma once

// The texts the main window shows for a logbook: a list item and the serial number.

#include <string>

#include "logbook/Clogbook.h"

// "*" when the dive has a profile, then " ", the number, " - " and the place.
std::string testo_voce(const Timmersione& d);

// The four serial bytes, low first, as one unsigned decimal number.
std::string testo_seriale(const Clogbook& lb);
