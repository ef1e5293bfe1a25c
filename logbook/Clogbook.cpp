#include "logbook/Clogbook.h"

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <iterator>

namespace {
// Large arrays of records are asked to live on huge pages: an import of 100,000 dives
// otherwise spends much of its time faulting in 4 KiB pages one by one. A hint only.
void prefer_huge_pages(void* start, size_t bytes) {
#ifdef __linux__
    constexpr uintptr_t huge = uintptr_t(2) << 20;
    const uintptr_t first = (reinterpret_cast<uintptr_t>(start) + huge - 1) & ~(huge - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + bytes) & ~(huge - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}
}  // namespace

uint64_t DiveId::next() {
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

Clogbook::Clogbook(uint32_t n) : num_imm(n) {
    immersioni.reserve(n);
    prefer_huge_pages(immersioni.data(), size_t(n) * sizeof(Timmersione));
    immersioni.resize(n);
}

Clogbook::Clogbook(const Clogbook& other)
    : num_imm(other.num_imm), base_num(other.base_num), immersioni(other.immersioni) {
    std::copy(std::begin(other.seriale), std::end(other.seriale), seriale);
    std::copy(std::begin(other.seriale2), std::end(other.seriale2), seriale2);
    for (uint32_t i = 0; i < num_imm; ++i) immersioni[i].nimm = numero_in(i);
    corrente = 0;
}

void Clogbook::Copia_Immersione(const Clogbook& sorgente, uint32_t i) {
    if (&sorgente != this || i != corrente) attuale() = sorgente.immersioni[i];
    set_nimm();
}

namespace {
void store_four(int32_t* target, int32_t b0, int32_t b1, int32_t b2, int32_t b3) {
    target[0] = b0;
    target[1] = b1;
    target[2] = b2;
    target[3] = b3;
}
}  // namespace

void Clogbook::set_seriale(int32_t b0, int32_t b1, int32_t b2, int32_t b3) { store_four(seriale, b0, b1, b2, b3); }
void Clogbook::set_seriale2(int32_t b0, int32_t b1, int32_t b2, int32_t b3) { store_four(seriale2, b0, b1, b2, b3); }
