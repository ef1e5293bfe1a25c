#pragma once

// The dive's notes as UDDF carries them: one paragraph, so that a reader showing only
// the first one still shows everything. The comments come first; after a blank line,
// one "Label: value" line for each field UDDF has no element for. The UDDF import reads
// those lines back into their fields, so a logbook survives the round trip.

#include <string>
#include <string_view>
#include <vector>

#include "logbook/Clogbook.h"

// The people of one buddy line: "Fabio, Markus" holds two. Blanks at their ends cut,
// empty ones left out.
std::vector<std::string_view> persone(std::string_view riga);

// A buddy's name as first name (every word but the last) and last name.
std::pair<std::string, std::string> nome_e_cognome(std::string_view persona);

// The buddies of a `compagni` text, each once, in the order they first appear.
std::vector<std::string> compagni_distinti(std::string_view compagni);

// What an import gives back from the buddies alone: one name a line, CR LF between.
std::string compagni_ricostruiti(std::string_view compagni);

// The notes text in Windows-1252 bytes, lines ended by LF; empty when the dive has
// nothing to say.
std::string note_immersione(const Timmersione& d);

// Fields of the dive read from a notes text (Windows-1252 bytes, lines ended by LF or
// CR LF): the lines after the last blank line, when each of them is a field line in the
// order they are written, go into their fields; everything before is `commenti`.
// Returns whether the text named the buddies' lines (which then replace `compagni`).
bool leggi_note(std::string_view testo, Timmersione& d);
