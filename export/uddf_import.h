#pragma once

// A UDDF file (versions 3.0 to 3.3, any namespace or none) read as a stream into a new
// logbook: every dive of every repetition group in file order, its site and buddies,
// its notes and its profile resampled to 20-second samples. Nothing outside the file is
// fetched; a file that is not UDDF, or breaks off, fails with "Stream read error".

#include <QIODevice>
#include <filesystem>
#include <memory>

#include "logbook/Clogbook.h"

std::unique_ptr<Clogbook> leggi_uddf(QIODevice& in);

// CannotOpenFile when the file cannot be opened.
std::unique_ptr<Clogbook> importa_uddf(const std::filesystem::path& path);
