#pragma once

// The texts of a dive as the export files carry them: UTF-8, dates in ISO 8601, flag
// texts without their trailing separators. Shared by the CSV and the UDDF writer.

#include <cstdint>
#include <string>
#include <string_view>

#include "logbook/Clogbook.h"

// UTF-8 of stored Windows-1252 bytes. Control characters that neither a text cell nor
// XML can carry (below 0x20 except tab, LF and CR, zero bytes included), DEL and the
// five bytes the code page leaves undefined are left out.
std::string utf8_da_1252(std::string_view bytes);

// Windows-1252 bytes of a UTF-8 text; a character the code page lacks, or a byte that
// is not UTF-8, becomes "?".
std::string testo_1252(std::string_view utf8);

// A text without the blanks and commas at its ends: the flag texts end with their own
// separator ("Acqua Salata, "), which a cell or a note does not want.
std::string_view senza_separatori(std::string_view text);

// The "Altro" text, then the named activities, joined by ", " (empty parts left out).
std::string testo_attivita_esportato(const Timmersione& d);

// Dive-type and alarm texts without trailing separators.
std::string testo_tipo_esportato(const Timmersione& d);
std::string testo_allarmi_esportato(const Timmersione& d);

// Days of a month (1..12) of a year.
int32_t giorni_del_mese(int32_t mese, int32_t anno);

// A real calendar date (years 1..9999); a real time of day.
bool data_reale(const Timmersione& d);
bool ora_reale(const Timmersione& d);

// "YYYY-MM-DD" for a real calendar date (years 1..9999); empty for anything else,
// such as the 0/0/0 of a new dive or a 31 February typed in the editor.
std::string data_iso(const Timmersione& d);

// "HH:MM" for hours 0..23 and minutes 0..59; empty otherwise.
std::string ora_iso(const Timmersione& d);

// Whole minutes of an hours-and-minutes pair; 64 bits, so no stored pair overflows.
int64_t minuti(int32_t ore, int32_t min);
