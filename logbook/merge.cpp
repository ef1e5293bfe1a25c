#include "logbook/merge.h"

#include <array>
#include <cstring>

namespace {

using Key = std::array<uint32_t, 5>;

Key key_of(const Timmersione& d) {
    return {uint32_t(d.anno), uint32_t(d.mese), uint32_t(d.giorno), uint32_t(d.ora_imm), uint32_t(d.min_imm)};
}

void append(Clogbook& into, const Clogbook& from, uint32_t i) {
    into.Copia_Immersione(from, i);
    ++into.corrente;
}

}  // namespace

std::unique_ptr<Clogbook> unisci_logbook(const Clogbook& a, const Clogbook& b, bool solo_diverse) {
    Clogbook c(a.num_imm + b.num_imm);
    c.base_num = a.base_num;
    c.corrente = 0;
    uint32_t i = 0, j = 0;
    while (i < a.num_imm && j < b.num_imm) {
        const Key ka = key_of(a.immersioni[i]);
        const Key kb = key_of(b.immersioni[j]);
        if (ka < kb) {
            append(c, a, i++);
        } else if (ka == kb && solo_diverse) {
            append(c, a, i++);
            ++j;
        } else {
            append(c, b, j++);
        }
    }
    while (i < a.num_imm) append(c, a, i++);
    while (j < b.num_imm) append(c, b, j++);

    const uint32_t k = c.corrente;
    auto r = std::make_unique<Clogbook>(k);
    std::memcpy(r->seriale, a.seriale, sizeof r->seriale);
    std::memcpy(r->seriale2, a.seriale2, sizeof r->seriale2);
    r->base_num = a.base_num;
    for (uint32_t n = 0; n < k; ++n) {
        r->corrente = n;
        r->Copia_Immersione(c, n);
    }
    r->corrente = 0;
    return r;
}
