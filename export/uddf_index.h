#pragma once

// What UDDF declares once and every dive refers to: the buddies (one per distinct line
// of `compagni` across the logbook) and the sites (one per distinct place and point).

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logbook/Clogbook.h"

// The lines of a memo text, blanks at their ends cut, empty lines left out.
std::vector<std::string_view> righe_non_vuote(std::string_view testo);

struct IndiceUddf {
    static constexpr uint32_t nessuno = UINT32_MAX;

    std::vector<std::string> compagni;                        // first-seen order, stored bytes
    std::vector<std::pair<std::string, std::string>> posti;   // (posto, punto), trimmed
    std::vector<std::vector<uint32_t>> compagni_di;           // per dive, into compagni
    std::vector<uint32_t> posto_di;                           // per dive, into posti or nessuno
};

IndiceUddf indicizza(const Clogbook& logbook);
