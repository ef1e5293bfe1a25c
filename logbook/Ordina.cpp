// Chronological sort of the logbook.
//
// Dives have always come out of this sort as if picked by repeated minimum scans
// that take the last of equal keys: ascending by (year, month, day, hour, minute)
// compared unsigned, and dives with equal keys in reverse order of their positions.
// Users see that order (two equal dives swap at every sort), so it is kept, but
// reached with one O(n log n) sort. Dives whose year is 9999 or more, which the
// old scan dropped, simply sort last by the same rule.

#include <algorithm>
#include <tuple>
#include <vector>

#include "logbook/Clogbook.h"

namespace {

struct SortEntry {
    uint64_t year_month;
    uint64_t day_hour;
    uint64_t minute_position;  // position inverted so that later positions come first
    uint32_t position;

    bool operator<(const SortEntry& o) const {
        return std::tie(year_month, day_hour, minute_position) < std::tie(o.year_month, o.day_hour, o.minute_position);
    }
};

uint64_t pair_key(int32_t high, int32_t low) {
    return (uint64_t(uint32_t(high)) << 32) | uint32_t(low);
}

}  // namespace

void Clogbook::Ordina() {
    std::vector<SortEntry> order(num_imm);
    for (uint32_t i = 0; i < num_imm; ++i) {
        const Timmersione& d = immersioni[i];
        order[i] = {pair_key(d.anno, d.mese), pair_key(d.giorno, d.ora_imm),
                    (uint64_t(uint32_t(d.min_imm)) << 32) | uint32_t(~i), i};
    }
    std::sort(order.begin(), order.end());

    std::vector<Timmersione> sorted;
    sorted.reserve(num_imm);
    for (uint32_t k = 0; k < num_imm; ++k) {
        sorted.push_back(std::move(immersioni[order[k].position]));
        sorted.back().nimm = base_num + static_cast<int32_t>(k) + 1;
    }
    immersioni.swap(sorted);
}
