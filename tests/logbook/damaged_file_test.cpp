#include "logbook_files.h"
#include "support/import_writers.h"

// What every reader survives, shown on a good file of two dives: a missing file or
// a folder, refused by the peek that comes first; every prefix (the peek refuses
// exactly those too short for the fixed parts); a string length promising more than
// the file holds; and a logbook sized by a lying count, which fails before any dive
// is touched. Bytes after the last dive are ignored.
TEST(DamagedFiles, FailWithoutReadingPastTheEnd) {
    TempDir dir;
    sample_logbook(2).Scrivi(dir / "native");
    const std::string native = read_bytes(dir / "native");
    DataTrakDive dive;
    dive.commenti = "Nota";
    dive.profilo = "\x01\x02";
    const std::string datatrak = datatrak_bytes({}, {dive, dive});
    // length_byte: in a string length of the first dive, to be enlarged.
    struct Format { const char* name; std::string good; uint64_t fixed_size, length_byte; Peek peek; Reader read; };
    const Format formats[] = {
        {"native", native, 40 + 2 * 160, 40 + 136 + 3, peek_native_count, &Clogbook::Leggi},
        {"1.0", v10_from_native(native), 4 + 2 * 136, 4 + 128 + 3, peek_v10_count, &Clogbook::Leggi_V10},
        {"DataTrak", datatrak, 12 + 2 * 52, datatrak.find("Nota") - 1, peek_datatrak_count, &Clogbook::Leggi_DataTrak},
    };
    for (const auto& f : formats) {
        SCOPED_TRACE(f.name);
        for (const auto& unreadable : {dir / "missing", dir.path()}) EXPECT_THROW(f.peek(unreadable), CannotOpenFile);
        for (size_t len = 0; len <= f.good.size(); ++len) {
            write_bytes(dir / "cut", f.good.substr(0, len));
            if (len < f.fixed_size) {
                EXPECT_THROW(f.peek(dir / "cut"), StreamReadError) << len;
            } else {
                EXPECT_EQ(f.peek(dir / "cut"), 2u) << len;
            }
            Clogbook log(2);
            if (len < f.good.size()) {
                EXPECT_THROW((log.*f.read)(dir / "cut"), StreamReadError) << len;
            }
        }
        Clogbook too_many(1000);
        EXPECT_THROW((too_many.*f.read)(dir / "cut"), StreamReadError);
        EXPECT_EQ(too_many.immersioni[0], Timmersione{});

        std::string bad = f.good;
        bad[f.length_byte] = '\xff';
        write_bytes(dir / "bad", bad);
        Clogbook log(2);
        EXPECT_THROW((log.*f.read)(dir / "bad"), StreamReadError);

        write_bytes(dir / "tail", f.good + "tail");
        EXPECT_EQ(read_file(dir / "tail", f.peek, f.read).num_imm, 2u);
    }
}
