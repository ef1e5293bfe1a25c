// Chronological sort of the logbook.
//
// Dives have always come out of this sort as if picked by repeated minimum scans
// that take the last of equal keys: ascending by (year, month, day, hour, minute)
// compared unsigned, and dives with equal keys in reverse order of their positions.
// Users see that order (two equal dives swap at every sort), so it is kept, but
// reached with one O(n log n) sort. Dives whose year is 9999 or more, which the
// old scan dropped, simply sort last by the same rule. A logbook already in order,
// as it mostly is when the list gets the focus again, is recognised in one pass
// and only has its runs of equal keys turned round.

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "logbook/Clogbook.h"

namespace {

uint32_t u(int32_t v) { return static_cast<uint32_t>(v); }

// Month, day, hour and minute below 256 (every real date) pack with the year into
// one 64-bit key that orders exactly like the five fields.
bool packs(const Timmersione& d) { return (u(d.mese) | u(d.giorno) | u(d.ora_imm) | u(d.min_imm)) < 256; }

uint64_t packed_key(const Timmersione& d) {
    return (uint64_t(u(d.anno)) << 32) | (u(d.mese) << 24) | (u(d.giorno) << 16) | (u(d.ora_imm) << 8) | u(d.min_imm);
}

struct PackedEntry {
    uint64_t key;
    uint32_t inverted_position;  // later positions first among equal keys
    bool operator<(const PackedEntry& o) const {
        return key != o.key ? key < o.key : inverted_position < o.inverted_position;
    }
};

struct FullEntry {
    uint64_t year_month, day_hour, minute_position;
    bool operator<(const FullEntry& o) const {
        return std::tie(year_month, day_hour, minute_position) < std::tie(o.year_month, o.day_hour, o.minute_position);
    }
};

uint64_t pair_key(int32_t high, int32_t low) { return (uint64_t(u(high)) << 32) | u(low); }

// The five key fields as three numbers that compare like them.
using FullKey = std::array<uint64_t, 3>;
FullKey full_key(const Timmersione& d) {
    return {pair_key(d.anno, d.mese), pair_key(d.giorno, d.ora_imm), u(d.min_imm)};
}

bool in_key_order(const std::vector<Timmersione>& dives) {
    if (dives.empty()) return true;
    FullKey previous = full_key(dives[0]);
    for (size_t i = 1; i < dives.size(); ++i) {
        const FullKey key = full_key(dives[i]);
        if (key < previous) return false;
        previous = key;
    }
    return true;
}

// In a logbook already in order the sort only reverses each run of equal keys; the
// dives are numbered on the same pass.
void reverse_equal_runs_and_number(Clogbook& lb) {
    std::vector<Timmersione>& dives = lb.immersioni;
    size_t start = 0;
    FullKey run_key{};
    for (size_t i = 0; i <= dives.size(); ++i) {
        if (i < dives.size() && full_key(dives[i]) == run_key) continue;
        if (i - start > 1) std::reverse(dives.begin() + std::ptrdiff_t(start), dives.begin() + std::ptrdiff_t(i));
        for (; start < i; ++start) dives[start].nimm = lb.numero_in(uint32_t(start));
        if (i < dives.size()) run_key = full_key(dives[i]);
    }
}

// The positions of the dives in sorted order.
std::vector<uint32_t> sorted_positions(const std::vector<Timmersione>& dives) {
    const uint32_t n = static_cast<uint32_t>(dives.size());
    std::vector<uint32_t> order(n);
    if (std::all_of(dives.begin(), dives.end(), packs)) {
        std::vector<PackedEntry> entries(n);
        for (uint32_t i = 0; i < n; ++i) entries[i] = {packed_key(dives[i]), ~i};
        std::sort(entries.begin(), entries.end());
        for (uint32_t k = 0; k < n; ++k) order[k] = ~entries[k].inverted_position;
    } else {
        std::vector<FullEntry> entries(n);
        for (uint32_t i = 0; i < n; ++i) {
            const FullKey k = full_key(dives[i]);
            entries[i] = {k[0], k[1], (k[2] << 32) | ~i};
        }
        std::sort(entries.begin(), entries.end());
        for (uint32_t k = 0; k < n; ++k) order[k] = ~uint32_t(entries[k].minute_position);
    }
    return order;
}

// Puts dives[order[k]] at position k, following each cycle of the permutation so
// that every record moves once and no second array of records is needed.
void apply_order(std::vector<Timmersione>& dives, std::vector<uint32_t>& order) {
    const uint32_t n = static_cast<uint32_t>(dives.size());
    for (uint32_t start = 0; start < n; ++start) {
        if (order[start] == start) continue;
        Timmersione held = std::move(dives[start]);
        uint32_t k = start;
        while (order[k] != start) {
            const uint32_t from = order[k];
            dives[k] = std::move(dives[from]);
            order[k] = k;
            k = from;
        }
        dives[k] = std::move(held);
        order[k] = k;
    }
}

}  // namespace

void Clogbook::Ordina() {
    if (in_key_order(immersioni)) {
        reverse_equal_runs_and_number(*this);
        return;
    }
    std::vector<uint32_t> order = sorted_positions(immersioni);
    apply_order(immersioni, order);
    for (uint32_t k = 0; k < num_imm; ++k) immersioni[k].nimm = numero_in(k);
}
