#include <climits>
#include <cstring>

#include "logbook/dive_set.h"
#include "logbook/merge.h"
#include "logbook_files.h"
#include "support/import_writers.h"

TEST(Commands, AppendDeleteAndMergeKeepTheFirstHeaderAndRenumber) {
    const Clogbook lb = sample_logbook(5);
    auto appended = with_dive_appended(lb);
    Timmersione empty;
    empty.nimm = 105;
    EXPECT_EQ(appended->immersioni.back(), empty);
    appended->immersioni.pop_back();
    EXPECT_EQ(appended->immersioni, Clogbook(lb).immersioni);  // every field kept

    // Positions past the selection stay; even an empty selection renumbers.
    const std::pair<std::vector<bool>, std::vector<uint32_t>> cases[] = {
        {{true, false, true}, {1, 3, 4}}, {{}, {0, 1, 2, 3, 4}}, {std::vector(9, true), {}}};
    for (const auto& [removed, kept] : cases) {
        const auto r = without_dives(lb, removed);
        ASSERT_EQ(r->num_imm, kept.size());
        for (uint32_t i = 0; i < kept.size(); ++i) {
            Timmersione expected = lb.immersioni[kept[i]];
            expected.nimm = 100 + int32_t(i);
            EXPECT_EQ(r->immersioni[i], expected);
        }
    }
    // Merged with a dive of a negative year, which counts as a huge one and goes last.
    Clogbook other(1);
    other.set_data(1, 1, -1);
    other.set_posto("last");
    other.set_seriale(9, 9, 9, 9);
    EXPECT_EQ(unisci_logbook(lb, other, true)->immersioni.at(5).posto, "last");
    for (const auto& r : {with_dive_appended(lb), without_dives(lb, {true}), unisci_logbook(lb, other, true)}) {
        EXPECT_EQ(r->base_num, 99);
        EXPECT_EQ(0, std::memcmp(r->seriale, lb.seriale, sizeof lb.seriale));
        EXPECT_EQ(0, std::memcmp(r->seriale2, lb.seriale2, sizeof lb.seriale2));
    }
}

// Dive numbers are 32-bit and wrap around: the list shows them unsigned, the editor
// signed, and a file may hold any base_num. Each numbering must wrap instead of
// overflowing (undefined behaviour, caught by the sanitizer build).
TEST(Commands, DiveNumbersWrapAround) {
    TempDir dir;
    auto expect_wrapped = [](const Clogbook& lb, const char* step) {
        EXPECT_EQ(lb.immersioni.at(0).nimm, INT32_MAX) << step;
        EXPECT_EQ(lb.immersioni.at(1).nimm, INT32_MIN) << step;
    };
    Clogbook log(2);
    log.base_num = INT32_MAX - 1;
    log.Ordina();
    expect_wrapped(log, "Ordina");
    expect_wrapped(*unisci_logbook(log, log, false), "merge");
    log.Scrivi(dir / "log.qvl");
    expect_wrapped(read_file(dir / "log.qvl"), "Leggi");
    DataTrakDive first, second;
    first.nimm = 1;  // the file's numbers are added to the base
    second.nimm = 2;
    write_bytes(dir / "in.log", datatrak_bytes({}, {first, second}));
    Clogbook imported(2);
    imported.base_num = INT32_MAX - 1;
    imported.Leggi_DataTrak(dir / "in.log");
    expect_wrapped(imported, "Leggi_DataTrak");
    ASSERT_TRUE(renumber_from(log, INT32_MIN));
    EXPECT_EQ(log.base_num, INT32_MIN) << "the first number is the lowest one base_num can carry";
}
