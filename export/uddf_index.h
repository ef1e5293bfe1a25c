#pragma once

// What UDDF declares once and every dive refers to: the buddies (one per distinct person
// of `compagni` across the logbook, a line such as "Fabio, Markus" holding two) and the
// sites (one per distinct place and point).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "logbook/Clogbook.h"

struct IndiceUddf {
    static constexpr uint32_t nessuno = UINT32_MAX;

    std::vector<std::string> compagni;                        // first-seen order, stored bytes
    std::vector<std::pair<std::string, std::string>> posti;   // (posto, punto) as stored
    std::vector<std::vector<uint32_t>> compagni_di;           // per dive, into compagni
    std::vector<uint32_t> posto_di;                           // per dive, into posti or nessuno
};

IndiceUddf indicizza(const Clogbook& logbook);
