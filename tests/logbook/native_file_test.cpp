#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "framework/core/errors.h"
#include "logbook/Clogbook.h"
#include "logbook/count_peek.h"
#include "support/temp_dir.h"

using namespace std::string_literals;

namespace {

// Every field of record i set to a value of its own.
void fill_dive(Clogbook& log, uint32_t i) {
    const int32_t k = int32_t(i) * 100;
    log.corrente = i;
    log.set_alt(k + 1);
    log.set_meteo(-1);
    log.set_muta(k + 3);
    log.set_lbomb(k + 4);
    log.set_computer(255);
    log.set_computer_extra(k + 6);
    log.set_codice_dt(k + 7, 8, 9, -10);
    log.set_data(k + 11, 12, 1913);
    log.set_orario(14, 15);
    log.set_intervallo(16, 17);
    log.set_durata(18, 19);
    log.set_tipo(0x1FC, 3);
    log.set_attivita(0xFF, 0x1F);
    log.set_allarmi(0x39, 0xFF);
    log.set_prof(12.34);
    log.set_t_acqua(-0.5);
    log.set_t_aria(327.65);
    log.set_bar(123.45);
    log.set_posto("Elba \xe8 bella"s);
    log.set_punto("Scoglio\0dello Scorfano"s);
    log.set_altro("");
    log.set_compagni("Anna\r\nPaolo\r\n"s + std::to_string(i));
    log.set_commenti(std::string(300, '\xff'));
    log.set_profilo("\xff\x12\xff\x01\x80"s);
    log.attuale().nimm = 77;  // not the position's number: reading must renumber
}

Clogbook sample_logbook(uint32_t n) {
    Clogbook log(n);
    log.base_num = 99;
    log.set_seriale(0x78, 0x56, 0x34, 0xFF);
    log.set_seriale2(1, 2, 3, 4);
    for (uint32_t i = 0; i < n; ++i) fill_dive(log, i);
    log.corrente = 0;
    return log;
}

uint64_t string_bytes(const Clogbook& log) {
    uint64_t sum = 0;
    for (const Timmersione& d : log.immersioni)
        sum += d.lung_posto + d.lung_punto + d.lung_altro + d.lung_compagni + d.lung_commenti + d.lung_profilo;
    return sum;
}

Clogbook read_native(const std::filesystem::path& path) {
    Clogbook log(peek_native_count(path));
    log.Leggi(path);
    return log;
}

template <typename T>
T at(const std::string& bytes, size_t offset) {
    T v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

void put_u32(std::string& bytes, size_t offset, uint32_t v) { std::memcpy(bytes.data() + offset, &v, 4); }

}  // namespace

TEST(NativeFile, EveryFieldSurvivesWriteAndRead) {
    TempDir dir;
    const Clogbook written = sample_logbook(3);
    written.Scrivi(dir / "log.qvl");
    const Clogbook read = read_native(dir / "log.qvl");

    EXPECT_EQ(read.num_imm, 3u);
    EXPECT_EQ(read.base_num, 99);
    EXPECT_EQ(read.corrente, 0u);
    EXPECT_EQ(0, std::memcmp(read.seriale, written.seriale, sizeof read.seriale));
    EXPECT_EQ(0, std::memcmp(read.seriale2, written.seriale2, sizeof read.seriale2));
    for (uint32_t i = 0; i < 3; ++i) {
        Timmersione expected = written.immersioni[i];
        expected.nimm = 99 + int(i) + 1;
        EXPECT_EQ(read.immersioni[i], expected) << "dive " << i;
    }
}

TEST(NativeFile, LayoutOfHeaderAndFixedPart) {
    TempDir dir;
    const Clogbook log = sample_logbook(2);
    log.Scrivi(dir / "log.qvl");
    const std::string bytes = read_bytes(dir / "log.qvl");

    ASSERT_EQ(bytes.size(), 40 + 160 * 2 + string_bytes(log));
    EXPECT_EQ(at<uint32_t>(bytes, 0), 2u);
    EXPECT_EQ(at<int32_t>(bytes, 4), 99);
    EXPECT_EQ(at<int32_t>(bytes, 20), 0xFF);
    EXPECT_EQ(at<int32_t>(bytes, 36), 4);
    const size_t d = 40;
    EXPECT_EQ(at<int32_t>(bytes, d + 12), -10);
    EXPECT_EQ(at<int32_t>(bytes, d + 16), 255);
    EXPECT_EQ(at<int32_t>(bytes, d + 24), 11);
    EXPECT_EQ(at<int32_t>(bytes, d + 32), 1913);
    EXPECT_EQ(at<int32_t>(bytes, d + 56), -1);
    EXPECT_EQ(at<double>(bytes, d + 60), 327.65);
    EXPECT_EQ(at<double>(bytes, d + 76), 12.34);
    EXPECT_EQ(at<double>(bytes, d + 100), 123.45);
    EXPECT_EQ(at<int32_t>(bytes, d + 128), 0xFF);
    EXPECT_EQ(at<int32_t>(bytes, d + 132), 77) << "nimm is written as stored";
    EXPECT_EQ(at<uint32_t>(bytes, d + 156), 5u);
    EXPECT_EQ(bytes.substr(d + 160, 12), "Elba \xe8 bella"s);
}

TEST(NativeFile, EmptyLogbookIsTheHeaderAlone) {
    TempDir dir;
    Clogbook empty(0);
    empty.base_num = 5;
    empty.Scrivi(dir / "empty.qvl");
    EXPECT_EQ(read_bytes(dir / "empty.qvl").size(), 40u);
    const Clogbook read = read_native(dir / "empty.qvl");
    EXPECT_EQ(read.num_imm, 0u);
    EXPECT_EQ(read.base_num, 5);
}

TEST(NativeFile, ReadFailures) {
    TempDir dir;
    sample_logbook(2).Scrivi(dir / "good.qvl");
    const std::string good = read_bytes(dir / "good.qvl");

    EXPECT_THROW(read_native(dir / "missing.qvl"), CannotOpenFile);
    try {
        read_native(dir / "missing.qvl");
    } catch (const CannotOpenFile& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "missing.qvl").string());
    }
    EXPECT_THROW(read_native(dir.path()), CannotOpenFile) << "a folder is not a file";

    // Every truncation, header and string boundaries included, fails cleanly.
    for (size_t len = 0; len < good.size(); ++len) {
        write_bytes(dir / "cut.qvl", good.substr(0, len));
        Clogbook log(2);
        EXPECT_THROW(log.Leggi(dir / "cut.qvl"), StreamReadError) << "length " << len;
    }
    write_bytes(dir / "cut.qvl", "\x02\x00"s);
    EXPECT_THROW(peek_native_count(dir / "cut.qvl"), StreamReadError);
}

TEST(NativeFile, LyingCountsFailWithoutAllocating) {
    TempDir dir;
    sample_logbook(2).Scrivi(dir / "good.qvl");
    const std::string good = read_bytes(dir / "good.qvl");

    std::string huge_count = good;
    put_u32(huge_count, 0, 0xFFFFFFFFu);
    write_bytes(dir / "count.qvl", huge_count);
    EXPECT_THROW(peek_native_count(dir / "count.qvl"), StreamReadError);

    // A logbook sized by a lying count still refuses before reading dives.
    Clogbook too_many(1000);
    EXPECT_THROW(too_many.Leggi(dir / "good.qvl"), StreamReadError);

    std::string huge_string = good;
    put_u32(huge_string, 40 + 136, 0x80000000u);  // lung_posto of the first dive
    write_bytes(dir / "string.qvl", huge_string);
    Clogbook log(2);
    EXPECT_THROW(log.Leggi(dir / "string.qvl"), StreamReadError);

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
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(sample_logbook(50).Scrivi(target), StreamWriteError);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, SIG_DFL);
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
