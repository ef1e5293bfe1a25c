#pragma once

// Which dives a print job prints, and the file name its pages carry.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Logbook positions in ascending order: with stampa_quali 0 those `selected` says
// yes to, with 1 all of them.
std::vector<uint32_t> dives_to_print(uint32_t num_imm, int32_t stampa_quali,
                                     const std::function<bool(uint32_t)>& selected);

// The name after the last folder separator, "/" or "\": logbooks opened here have
// "/" paths, those named on Windows "\" ones.
std::string_view file_name_only(std::string_view path);
