#pragma once

// The logbook as a spreadsheet table: one row per dive, RFC 4180 quoting, UTF-8 with a
// byte-order mark (so spreadsheets read the accents), rows ended by CR LF.

#include <filesystem>
#include <string>

#include "logbook/Clogbook.h"

struct CsvFormat {
    char separatore;  // between cells
    char decimale;    // in numbers
};

// Where numbers are written with a decimal comma the cells are separated by ";"
// (it_IT: ";" and ","); everywhere else "," and ".".
CsvFormat formato_csv(char decimal_separator);

// The whole file: mark, header row, one row per dive in logbook order.
std::string testo_csv(const Clogbook& logbook, CsvFormat formato);

// Writes it atomically: on failure an existing file stays as it was.
void esporta_csv(const Clogbook& logbook, const std::filesystem::path& path, CsvFormat formato);
