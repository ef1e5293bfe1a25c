#include <gtest/gtest.h>

#include "logbook_files.h"
#include "support/import_writers.h"

using namespace std::string_literals;

TEST(V10Import, EveryFieldIsReadTheMissingOnesAreNewAndSavingKeepsThem) {
    TempDir dir;
    write_bytes(dir / "empty.qvl", "\0\0\0\0"s);
    EXPECT_EQ(read_v10(dir / "empty.qvl").num_imm, 0u);

    const Clogbook old = sample_logbook(3);
    write_v10_file(old, dir / "old.qvl");
    const Clogbook log = read_v10(dir / "old.qvl");
    ASSERT_EQ(log.num_imm, 3u);
    EXPECT_EQ(log.corrente, 0u);
    EXPECT_EQ(log.base_num, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale[i] | log.seriale2[i], 0);
    for (uint32_t i = 0; i < 3; ++i) {
        Timmersione expected = old.immersioni[i];
        std::fill(std::begin(expected.codice_dt), std::end(expected.codice_dt), 0);
        expected.computer = expected.computer_extra = 0;
        expected.nimm = int32_t(i) + 1;
        EXPECT_EQ(log.immersioni[i], expected) << "dive " << i;
    }

    log.Scrivi(dir / "new.qvl");
    const Clogbook saved = read_native(dir / "new.qvl");
    EXPECT_EQ(saved.immersioni, log.immersioni);
    EXPECT_EQ(saved.base_num, 0);
}

TEST(V10Import, DamagedFilesFailWithoutReadingPastTheEnd) {
    TempDir dir;
    write_v10_file(sample_logbook(2), dir / "good.qvl");
    const std::string good = read_bytes(dir / "good.qvl");
    expect_damage_fails(dir, good, 2, 4 + 2 * 136, peek_v10_count, &Clogbook::Leggi_V10);
    std::string lying = good;
    put_u32(lying, 4 + 128, 0x80000000u);  // lung_commenti of the first dive
    expect_read_fails(dir, lying, 2, &Clogbook::Leggi_V10);
}
