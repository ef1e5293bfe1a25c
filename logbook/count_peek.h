#pragma once

// Reading a logbook file's dive count ahead, so that the caller can construct the
// logbook that the reader then fills. Each peek also checks the count against the
// file's size (every dive takes at least its fixed part), so a damaged count fails
// with "Stream read error" here instead of allocating for dives that are not there.

#include <cstdint>
#include <filesystem>

// The first 4 bytes of a native (*.qvl) file.
uint32_t peek_native_count(const std::filesystem::path& path);

// Bytes 6 and 7 of the 12-byte header of a DataTrak (*.log) file.
uint32_t peek_datatrak_count(const std::filesystem::path& path);

// The first 4 bytes of a version-1.0 file.
uint32_t peek_v10_count(const std::filesystem::path& path);
