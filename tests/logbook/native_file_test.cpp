#include <gtest/gtest.h>

#include "export/file_size_limit.h"
#include "logbook_files.h"

using namespace std::string_literals;

namespace {

template <typename T>
T at(const std::string& bytes, size_t offset) {
    T v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

}  // namespace

TEST(NativeFile, EveryFieldSurvivesWriteAndRead) {
    TempDir dir;
    for (uint32_t n : {0u, 3u}) {
        const Clogbook written = sample_logbook(n);
        written.Scrivi(dir / "log.qvl");
        const Clogbook read = read_native(dir / "log.qvl");
        ASSERT_EQ(read.num_imm, n);
        EXPECT_EQ(read.base_num, 99);
        EXPECT_EQ(read.corrente, 0u);
        EXPECT_EQ(0, std::memcmp(read.seriale, written.seriale, sizeof read.seriale));
        EXPECT_EQ(0, std::memcmp(read.seriale2, written.seriale2, sizeof read.seriale2));
        for (uint32_t i = 0; i < n; ++i) {
            Timmersione expected = written.immersioni[i];
            expected.nimm = 99 + int(i) + 1;
            EXPECT_EQ(read.immersioni[i], expected) << "dive " << i;
        }
    }
}

TEST(NativeFile, LayoutOfHeaderAndFixedPart) {
    TempDir dir;
    const Clogbook log = sample_logbook(2);
    log.Scrivi(dir / "log.qvl");
    const std::string bytes = read_bytes(dir / "log.qvl");

    // The sample's strings: 12, 22, 0, 14 and 5 bytes in each dive, and 100 comment bytes in the second.
    ASSERT_EQ(bytes.size(), 40 + 2 * (160 + 12 + 22 + 14 + 5) + 100u);
    const size_t d = 40;
    const std::pair<size_t, int32_t> ints[] = {{0, 2},       {4, 99},        {20, 0xFF},     {36, 4},
                                               {d + 12, -10}, {d + 16, 255},  {d + 24, 11},   {d + 32, 1913},
                                               {d + 56, -1},  {d + 128, 0xFF}, {d + 132, 77} /* nimm as stored */,
                                               {d + 156, 5}};
    for (auto [offset, v] : ints) EXPECT_EQ(at<int32_t>(bytes, offset), v) << "offset " << offset;
    const std::pair<size_t, double> doubles[] = {{d + 60, 327.65}, {d + 76, 12.34}, {d + 100, 123.45}};
    for (auto [offset, v] : doubles) EXPECT_EQ(at<double>(bytes, offset), v) << "offset " << offset;
    EXPECT_EQ(bytes.substr(d + 160, 12), "Elba \xe8 bella"s);
}

TEST(NativeFile, DamagedFilesFailCleanly) {
    TempDir dir;
    sample_logbook(2).Scrivi(dir / "good.qvl");
    const std::string good = read_bytes(dir / "good.qvl");

    expect_damage_fails(dir, good, 2, 40 + 2 * 160, peek_native_count, &Clogbook::Leggi);
    EXPECT_THROW(read_native(dir.path()), CannotOpenFile) << "a folder is not a file";

    std::string lying = good;
    put_u32(lying, 0, 0xFFFFFFFFu);
    write_bytes(dir / "count.qvl", lying);
    EXPECT_THROW(peek_native_count(dir / "count.qvl"), StreamReadError);

    lying = good;
    put_u32(lying, 40 + 136, 0x80000000u);  // lung_posto of the first dive
    expect_read_fails(dir, lying, 2, &Clogbook::Leggi);

    // Bytes after the last block are ignored.
    write_bytes(dir / "tail.qvl", good + "trailing");
    EXPECT_EQ(read_native(dir / "tail.qvl").immersioni[1].posto, "Elba \xe8 bella"s);
}

TEST(NativeFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const auto target = dir / "log.qvl";
    sample_logbook(1).Scrivi(target);
    const std::string before = read_bytes(target);

    // Writing stops at a file-size limit: the old file stays, no temporary is left.
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(sample_logbook(50).Scrivi(target), StreamWriteError);
    }
    EXPECT_EQ(read_bytes(target), before);
    EXPECT_EQ(dir.entry_count(), 1u);

    // A folder in the way of the target cannot be replaced.
    std::filesystem::create_directory(dir / "folder.qvl");
    try {
        sample_logbook(1).Scrivi(dir / "folder.qvl");
        ADD_FAILURE() << "saving over a folder succeeded";
    } catch (const CannotCreateFile& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + (dir / "folder.qvl").string());
    }
    EXPECT_EQ(dir.entry_count(), 2u);
    EXPECT_THROW(sample_logbook(1).Scrivi(dir / "no-such-folder" / "x.qvl"), CannotCreateFile);

    // A successful save replaces the file whole.
    Clogbook(0).Scrivi(target);
    EXPECT_EQ(read_bytes(target).size(), 40u);
}
