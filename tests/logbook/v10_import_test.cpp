#include "logbook_files.h"
#include "support/import_writers.h"

using namespace std::string_literals;

TEST(V10Import, EveryFieldIsReadTheMissingOnesAreNew) {
    TempDir dir;
    write_bytes(dir / "empty.qvl", "\0\0\0\0"s);
    EXPECT_EQ(read_file(dir / "empty.qvl", peek_v10_count, &Clogbook::Leggi_V10).num_imm, 0u);

    const Clogbook old = sample_logbook(3);
    write_v10_file(old, dir / "old.qvl");
    const Clogbook log = read_file(dir / "old.qvl", peek_v10_count, &Clogbook::Leggi_V10);
    EXPECT_EQ(log.base_num, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale[i] | log.seriale2[i], 0);
    ASSERT_EQ(log.num_imm, 3u);
    for (uint32_t i = 0; i < 3; ++i) {
        Timmersione expected = old.immersioni[i];
        std::fill(std::begin(expected.codice_dt), std::end(expected.codice_dt), 0);
        expected.computer = expected.computer_extra = 0;
        expected.nimm = int32_t(i) + 1;
        EXPECT_EQ(log.immersioni[i], expected) << "dive " << i;
    }
}
