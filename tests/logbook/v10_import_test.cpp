#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/errors.h"
#include "logbook/Clogbook.h"
#include "logbook/count_peek.h"
#include "support/import_writers.h"
#include "support/temp_dir.h"

using namespace std::string_literals;

namespace {

// Dives with every field set, the dive-computer ones included: version 1.0 has no
// place for those, so they must come back as in a new dive.
Clogbook old_logbook(uint32_t n) {
    Clogbook log(n);
    log.base_num = 40;
    log.set_seriale(1, 2, 3, 4);
    log.set_seriale2(5, 6, 7, 8);
    for (uint32_t i = 0; i < n; ++i) {
        const int32_t k = int32_t(i) * 10;
        log.corrente = i;
        log.set_codice_dt(9, 9, 9, 9);
        log.set_computer(28);
        log.set_computer_extra(3);
        log.set_data(k + 1, 2, 1998);
        log.set_orario(k + 3, 4);
        log.set_alt(-1);
        log.set_intervallo(k + 5, 6);
        log.set_meteo(k + 7);
        log.set_t_aria(-3.5);
        log.set_muta(k + 8);
        log.set_lbomb(k + 9);
        log.set_prof(k + 0.35);
        log.set_durata(k + 10, 11);
        log.set_t_acqua(14.29);
        log.set_bar(327.65);
        log.set_tipo(k + 12, 13);
        log.set_attivita(k + 14, 15);
        log.set_allarmi(k + 16, 17);
        log.set_posto("Ustica "s + std::to_string(i));
        log.set_punto("");
        log.set_altro("a\0b"s);
        log.set_compagni("Anna\r\nPaolo");
        log.set_commenti(std::string(i * 100, '\xe8'));
        log.set_profilo("\xff\x12\xff"s);
        log.attuale().nimm = 555;
    }
    log.corrente = 0;
    return log;
}

Clogbook import(const std::filesystem::path& path) {
    Clogbook log(peek_v10_count(path));
    log.Leggi_V10(path);
    return log;
}

void put_i32(std::string& bytes, size_t offset, int32_t v) { std::memcpy(bytes.data() + offset, &v, 4); }
void put_f64(std::string& bytes, size_t offset, double v) { std::memcpy(bytes.data() + offset, &v, 8); }

}  // namespace

TEST(V10Import, EveryFieldIsReadAndTheMissingOnesAreNew) {
    TempDir dir;
    const Clogbook old = old_logbook(3);
    write_v10_file(old, dir / "old.qvl");
    const Clogbook log = import(dir / "old.qvl");

    ASSERT_EQ(log.num_imm, 3u);
    EXPECT_EQ(log.corrente, 0u);
    EXPECT_EQ(log.base_num, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale[i] | log.seriale2[i], 0);
    for (uint32_t i = 0; i < 3; ++i) {
        Timmersione expected = old.immersioni[i];
        for (int32_t& c : expected.codice_dt) c = 0;
        expected.computer = 0;
        expected.computer_extra = 0;
        expected.nimm = int32_t(i) + 1;
        EXPECT_EQ(log.immersioni[i], expected) << "dive " << i;
    }
}

TEST(V10Import, BlockLayout) {
    TempDir dir;
    write_v10_file(old_logbook(1), dir / "old.qvl");
    std::string bytes = read_bytes(dir / "old.qvl");
    ASSERT_EQ(bytes.size(), 4u + 136 + 8 + 3 + 11 + 3);
    put_i32(bytes, 4 + 0, 31);
    put_i32(bytes, 4 + 8, 2024);
    put_i32(bytes, 4 + 20, 3);
    put_f64(bytes, 4 + 36, 21.5);
    put_i32(bytes, 4 + 48, 18);
    put_f64(bytes, 4 + 52, 47.25);
    put_f64(bytes, 4 + 76, 180.0);
    put_i32(bytes, 4 + 104, 0x7F);
    put_i32(bytes, 4 + 112, 2);  // lung_posto: the 2 bytes "Us"...
    put_i32(bytes, 4 + 116, 6);  // ...then punto takes "tica 0"
    write_bytes(dir / "patched.qvl", bytes);
    const Timmersione d = import(dir / "patched.qvl").immersioni[0];
    EXPECT_EQ(d.giorno, 31);
    EXPECT_EQ(d.anno, 2024);
    EXPECT_EQ(d.alt, 3);
    EXPECT_EQ(d.t_aria, 21.5);
    EXPECT_EQ(d.lbomb, 18);
    EXPECT_EQ(d.prof, 47.25);
    EXPECT_EQ(d.bar, 180.0);
    EXPECT_EQ(d.allarmi_alto, 0x7F);
    EXPECT_EQ(d.posto, "Us");
    EXPECT_EQ(d.punto, "tica 0");
    EXPECT_EQ(d.altro, "a\0b"s);
}

TEST(V10Import, EmptyFileAndSavingInTheCurrentFormat) {
    TempDir dir;
    write_bytes(dir / "empty.qvl", "\0\0\0\0"s);
    EXPECT_EQ(import(dir / "empty.qvl").num_imm, 0u);

    const Clogbook old = old_logbook(3);
    write_v10_file(old, dir / "old.qvl");
    import(dir / "old.qvl").Scrivi(dir / "new.qvl");
    const std::string saved = read_bytes(dir / "new.qvl");
    uint64_t strings = 0;
    for (const Timmersione& d : old.immersioni)
        strings += d.lung_posto + d.lung_punto + d.lung_altro + d.lung_compagni + d.lung_commenti + d.lung_profilo;
    EXPECT_EQ(saved.size(), 40 + 3 * 160 + strings);
    EXPECT_EQ(saved.substr(4, 36), std::string(36, '\0')) << "base_num, seriale and seriale2 are 0";
    Clogbook loaded(peek_native_count(dir / "new.qvl"));
    loaded.Leggi(dir / "new.qvl");
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.immersioni[i].nimm, int32_t(i) + 1);
        EXPECT_EQ(loaded.immersioni[i].computer, 0);
        EXPECT_EQ(loaded.immersioni[i].commenti, old.immersioni[i].commenti);
    }
}

TEST(V10Import, DamagedFilesFailWithoutReadingPastTheEnd) {
    TempDir dir;
    write_v10_file(old_logbook(2), dir / "good.qvl");
    const std::string good = read_bytes(dir / "good.qvl");
    for (size_t len = 0; len < good.size(); ++len) {
        write_bytes(dir / "cut.qvl", good.substr(0, len));
        Clogbook log(2);
        EXPECT_THROW(log.Leggi_V10(dir / "cut.qvl"), StreamReadError) << "length " << len;
    }

    std::string lying = good;
    put_i32(lying, 0, 100);
    write_bytes(dir / "count.qvl", lying);
    EXPECT_THROW(peek_v10_count(dir / "count.qvl"), StreamReadError);
    write_bytes(dir / "short.qvl", "\x01\0\0"s);
    EXPECT_THROW(peek_v10_count(dir / "short.qvl"), StreamReadError);
    Clogbook too_many(100);
    EXPECT_THROW(too_many.Leggi_V10(dir / "good.qvl"), StreamReadError);
    EXPECT_EQ(too_many.immersioni[0], Timmersione{}) << "nothing is read for a count the file cannot hold";

    put_i32(lying, 0, 2);
    put_i32(lying, 4 + 128, int32_t(0x80000000u));  // lung_commenti of the first dive
    write_bytes(dir / "string.qvl", lying);
    Clogbook log(2);
    EXPECT_THROW(log.Leggi_V10(dir / "string.qvl"), StreamReadError);

    EXPECT_THROW(import(dir / "missing.qvl"), CannotOpenFile);
    Clogbook one(1);
    EXPECT_THROW(one.Leggi_V10(dir / "missing.qvl"), CannotOpenFile);
}
