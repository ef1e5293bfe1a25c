// Dive numbers are 32-bit and wrap around: the list shows them unsigned, the editor
// signed, and a file may hold any base_num. Each numbering step must wrap instead of
// overflowing (undefined behaviour, caught by the sanitizer build).

#include <climits>

#include "logbook/merge.h"
#include "logbook_files.h"
#include "support/import_writers.h"

TEST(DiveNumbers, WrapAtEveryNumberingStep) {
    TempDir dir;
    auto expect_numbers = [](const Clogbook& log, const char* step) {
        ASSERT_GE(log.num_imm, 2u) << step;
        EXPECT_EQ(log.immersioni[0].nimm, INT32_MAX) << step;
        EXPECT_EQ(log.immersioni[1].nimm, INT32_MIN) << step;
    };
    Clogbook log(2);
    set_dive(log, 0, {2, 1, 2020, 0, 0}, "later");
    set_dive(log, 1, {1, 1, 2020, 0, 0}, "earlier");
    log.base_num = INT32_MAX - 1;
    for (log.corrente = 0; log.corrente < 2; ++log.corrente) log.set_nimm();
    expect_numbers(log, "set_nimm");
    log.Ordina();
    expect_numbers(log, "Ordina");
    expect_numbers(*unisci_logbook(log, log, false), "merge");
    log.Scrivi(dir / "log.qvl");
    expect_numbers(read_file(dir / "log.qvl"), "Leggi");

    // A DataTrak dive's own number is added to the base.
    DataTrakDive numbered;
    numbered.nimm = 2;
    write_bytes(dir / "in.log", datatrak_bytes({}, {numbered}));
    Clogbook imported(1);
    imported.base_num = INT32_MAX - 1;
    imported.Leggi_DataTrak(dir / "in.log");
    EXPECT_EQ(imported.immersioni[0].nimm, INT32_MIN);
}
