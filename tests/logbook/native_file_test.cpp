#include <cstring>

#include "export/file_size_limit.h"
#include "logbook/byte_writer.h"
#include "logbook_files.h"
#include "support/import_writers.h"

using namespace std::string_literals;

TEST(NativeFile, LayoutAndEveryFieldBackAlsoFromVersion10) {
    TempDir dir;
    const Clogbook written = sample_logbook(2);
    written.Scrivi(dir / "log.qvl");
    const std::string bytes = read_bytes(dir / "log.qvl");
    // The sample's strings: 12, 22, 0, 14 and 5 bytes in each dive, and 100 comment bytes in the second.
    ASSERT_EQ(bytes.size(), 40 + 2 * (160 + 12 + 22 + 14 + 5) + 100u);
    auto at = [&](size_t offset, auto v) { return std::memcpy(&v, bytes.data() + offset, sizeof v), v; };
    const size_t d = 40;
    const std::pair<size_t, int32_t> ints[] = {{0, 2},          {4, 99},         {20, 0xFF},  {36, 4},
                                               {d + 12, -10},   {d + 16, 255},   {d + 24, 11}, {d + 32, 1913},
                                               {d + 56, -1},    {d + 128, 0xFF}, {d + 132, 77} /* nimm as stored */,
                                               {d + 156, 5}};
    for (auto [offset, v] : ints) EXPECT_EQ(at(offset, int32_t()), v) << "offset " << offset;
    for (auto [offset, v] : {std::pair{d + 60, 327.65}, {d + 76, 12.34}, {d + 100, 123.45}})
        EXPECT_EQ(at(offset, 0.0), v) << "offset " << offset;
    EXPECT_EQ(bytes.substr(d + 160, 12), "Elba \xe8 bella"s);

    const Clogbook read = read_file(dir / "log.qvl");
    EXPECT_EQ(read.base_num, 99);
    EXPECT_EQ(read.corrente, 0u);
    EXPECT_EQ(0, std::memcmp(read.seriale, written.seriale, sizeof read.seriale));
    EXPECT_EQ(0, std::memcmp(read.seriale2, written.seriale2, sizeof read.seriale2));
    EXPECT_EQ(read.immersioni, Clogbook(written).immersioni);  // numbered by position

    // Version 1.0 had no header and no dive-computer fields: those of a new logbook.
    write_v10_file(written, dir / "old.qvl");
    const Clogbook old = read_file(dir / "old.qvl", peek_v10_count, &Clogbook::Leggi_V10);
    EXPECT_EQ(old.base_num | old.seriale[3] | old.seriale2[3], 0);
    ASSERT_EQ(old.num_imm, 2u);
    for (uint32_t i = 0; i < 2; ++i) {
        Timmersione expected = written.immersioni[i];
        expected.codice_dt[0] = expected.codice_dt[1] = expected.codice_dt[2] = expected.codice_dt[3] = 0;
        expected.computer = expected.computer_extra = 0;
        expected.nimm = int32_t(i) + 1;
        EXPECT_EQ(old.immersioni[i], expected) << "dive " << i;
    }
}

TEST(NativeFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const auto target = dir / "log.qvl";
    sample_logbook(1).Scrivi(target);
    const std::string before = read_bytes(target);
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(sample_logbook(50).Scrivi(target), StreamWriteError);
    }
    EXPECT_EQ(read_bytes(target), before);
    EXPECT_EQ(dir.entry_count(), 1u) << "a temporary was left";

    EXPECT_THROW(sample_logbook(1).Scrivi(dir / "no-such-folder" / "x.qvl"), CannotCreateFile);
    Clogbook(0).Scrivi(target);
    EXPECT_EQ(read_bytes(target).size(), 40u) << "a successful save replaces the file whole";
}

// Numbers and strings cut across the buffer's edge, and a string longer than the
// whole buffer, reach the file as one unbroken run of bytes.
TEST(NativeFile, PiecesThroughASmallBufferMakeTheSameBytes) {
    TempDir dir;
    {
        AtomicFile file(dir / "x");
        ByteWriter w(file, 9);
        w.u32(0x04030201);
        w.f64(1.0);
        w.bytes("abc");
        w.bytes(std::string(20, 'z'));
        w.i32(-2);
        w.flush();
        file.commit();
    }
    EXPECT_EQ(read_bytes(dir / "x"), "\x01\x02\x03\x04"s + "\0\0\0\0\0\0\xf0\x3f"s + "abc" + std::string(20, 'z') +
                                         "\xfe\xff\xff\xff"s);
}

// A logbook of several buffers' worth: read back whole, and a write that fails after the
// first pieces went out still leaves the previous file and no temporary.
TEST(NativeFile, LogbookLargerThanTheBufferBackWholeOrNotAtAll) {
    TempDir dir;
    Clogbook big = sample_logbook(3000);
    big.corrente = 1;
    big.set_profilo(std::string(3 << 20, '\x7f'));
    const auto target = dir / "big.qvl";
    big.Scrivi(target);
    size_t size = 40 + 160 * 3000;
    for (const Timmersione& d : big.immersioni)
        size += d.lung_posto + d.lung_punto + d.lung_altro + d.lung_compagni + d.lung_commenti + d.lung_profilo;
    EXPECT_EQ(read_bytes(target).size(), size);
    EXPECT_EQ(read_file(target).immersioni, Clogbook(big).immersioni);
    const std::string before = read_bytes(target);
    {
        FileSizeLimit limit(before.size() - 1);
        EXPECT_THROW(big.Scrivi(target), StreamWriteError);
    }
    EXPECT_EQ(read_bytes(target), before);
    EXPECT_EQ(dir.entry_count(), 1u) << "a temporary was left";
}
