#include "logbook/dive_set.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

std::unique_ptr<Clogbook> with_header_of(const Clogbook& lb, uint32_t n) {
    auto out = std::make_unique<Clogbook>(n);
    std::copy(std::begin(lb.seriale), std::end(lb.seriale), out->seriale);
    std::copy(std::begin(lb.seriale2), std::end(lb.seriale2), out->seriale2);
    out->base_num = lb.base_num;
    return out;
}

}  // namespace

std::unique_ptr<Clogbook> with_dive_appended(const Clogbook& lb) {
    const uint32_t n = lb.num_imm;
    auto out = with_header_of(lb, n + 1);
    for (uint32_t i = 0; i < n; ++i) {
        out->corrente = i;
        out->Copia_Immersione(lb, i);
    }
    out->corrente = n;
    out->set_nimm();
    return out;
}

std::unique_ptr<Clogbook> without_dives(const Clogbook& lb, const std::vector<bool>& removed) {
    auto is_removed = [&](uint32_t i) { return i < removed.size() && removed[i]; };
    uint32_t kept = 0;
    for (uint32_t i = 0; i < lb.num_imm; ++i) kept += is_removed(i) ? 0 : 1;
    auto out = with_header_of(lb, kept);
    for (uint32_t i = 0; i < lb.num_imm; ++i) {
        if (is_removed(i)) continue;
        out->Copia_Immersione(lb, i);
        ++out->corrente;
    }
    out->corrente = 0;
    return out;
}

bool renumber_from(Clogbook& lb, int32_t first) {
    if (lb.num_imm < 2) return false;
    const int64_t lowest = int64_t(std::numeric_limits<int32_t>::min()) + 1;
    lb.base_num = int32_t(std::max(int64_t(first), lowest) - 1);
    lb.Ordina();
    return true;
}
