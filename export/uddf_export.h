#pragma once

// The logbook as UDDF 3.2.1 (Universal Dive Data Format), the XML that other dive logs
// import: SI units, UTF-8, buddies and sites declared once and referred to by each dive.
// Values that are not finite or cannot be real are left out rather than written.

#include <QString>
#include <filesystem>

#include "logbook/Clogbook.h"

class QIODevice;

// The program's version as the generator names it.
inline constexpr const char* versione_quorvel = "2.0";

// Writes the whole document to `out`. `adesso` is the export's date and time as
// ISO 8601 ("2026-12-07T15:04:05").
void scrivi_uddf(const Clogbook& logbook, QIODevice& out, const QString& adesso);

// Writes it atomically to `path`: on failure an existing file stays as it was.
void esporta_uddf(const Clogbook& logbook, const std::filesystem::path& path, const QString& adesso);
