// Dive numbers are 32-bit and wrap around: the list shows them unsigned, the editor
// signed, and a file may hold any base_num. Each numbering step must wrap instead of
// overflowing (undefined behaviour, caught by the sanitizer build).

#include <gtest/gtest.h>

#include <climits>

#include "logbook/merge.h"
#include "logbook_files.h"
#include "support/import_writers.h"

namespace {

// base_num and the numbers of the first two positions.
struct Wrap {
    int32_t base, first, second;
};
constexpr Wrap kWraps[] = {
    {INT32_MAX, INT32_MIN, INT32_MIN + 1},
    {INT32_MAX - 1, INT32_MAX, INT32_MIN},
    {INT32_MIN, INT32_MIN + 1, INT32_MIN + 2},
    {-1, 0, 1},
    {-2, -1, 0},
};

void expect_numbers(const Clogbook& log, const Wrap& w, const char* step) {
    ASSERT_GE(log.num_imm, 2u) << step;
    EXPECT_EQ(log.immersioni[0].nimm, w.first) << step << ", base " << w.base;
    EXPECT_EQ(log.immersioni[1].nimm, w.second) << step << ", base " << w.base;
}

}  // namespace

TEST(DiveNumbers, WrapAtEveryNumberingStep) {
    TempDir dir;
    for (const Wrap& w : kWraps) {
        Clogbook log = dated({{{2, 1, 2020, 0, 0}, "later"}, {{1, 1, 2020, 0, 0}, "earlier"}});
        log.base_num = w.base;
        for (log.corrente = 0; log.corrente < 2; ++log.corrente) log.set_nimm();
        expect_numbers(log, w, "set_nimm");

        log.corrente = 1;
        log.Copia_Immersione(log, 0);
        EXPECT_EQ(log.immersioni[1].nimm, w.second) << "Copia_Immersione, base " << w.base;

        expect_numbers(Clogbook(log), w, "copy");

        log.Ordina();
        expect_numbers(log, w, "Ordina");

        expect_numbers(*unisci_logbook(log, log, false), w, "merge");

        log.Scrivi(dir / "log.qvl");
        expect_numbers(read_native(dir / "log.qvl"), w, "Leggi");
    }
}

TEST(DiveNumbers, DataTrakNumberAddsTheBaseWithWrapAround) {
    TempDir dir;
    DataTrakDive d;
    d.nimm = 2;
    write_bytes(dir / "in.log", datatrak_bytes({}, {d}));
    Clogbook log(1);
    log.base_num = INT32_MAX;
    log.Leggi_DataTrak(dir / "in.log");
    EXPECT_EQ(log.immersioni[0].nimm, INT32_MIN + 1);
}
