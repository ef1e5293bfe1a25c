#include <gtest/gtest.h>

#include <array>

#include "framework/core/errors.h"
#include "logbook/Clogbook.h"
#include "logbook/count_peek.h"
#include "support/import_writers.h"
#include "support/temp_dir.h"

using namespace std::string_literals;

namespace {

// Every field its own value; the hundredths (35, 2570, 1429, 32765) are ones where
// v * 0.01 and v / 100 differ in the last bit.
DataTrakDive full_dive() {
    DataTrakDive d;
    d.giorni = 144695;
    d.minuti_inizio = 14 * 60 + 35;
    d.posto = "Isola d'Elba \xe8"s;
    d.punto = "Scoglio\0Remaiolo"s;
    d.alt = 2;
    d.intervallo = 75;
    d.meteo = 6;
    d.t_aria = 2570;
    d.muta = 4;
    d.lbomb = 1550;
    d.prof = 35;
    d.durata = 59;
    d.t_acqua = 1429;
    d.bar = 32765;
    d.tipo_bit = 0xFC;
    d.gas = 3;
    d.att_bit1 = 0x81;
    d.att_bit2 = 0x1F;
    d.altro = "Pulizia fondale";
    d.compagni = "Anna\r\nPaolo";
    d.commenti = std::string(255, 'c');
    d.allarmi_bit = 0x39;
    d.allarmi_alto = 0xFF;
    d.nimm = 7;
    d.codice_dt[0] = 0xDE;
    d.codice_dt[1] = 0x00;
    d.codice_dt[2] = 0xBE;
    d.codice_dt[3] = 0xEF;
    d.computer = 29;
    d.computer_extra = 0xFF;
    d.profilo = "\x00\x12\x00\x80\xff"s;
    return d;
}

DataTrakHeader full_header() {
    DataTrakHeader h;
    const uint8_t s[4] = {0x78, 0x56, 0x34, 0xFF};
    const uint8_t s2[4] = {1, 0, 0xFE, 4};
    std::copy(s, s + 4, h.seriale);
    std::copy(s2, s2 + 4, h.seriale2);
    return h;
}

std::array<int32_t, 3> dmy(const Timmersione& t) { return {t.giorno, t.mese, t.anno}; }

Clogbook import(const std::filesystem::path& path) {
    Clogbook log(peek_datatrak_count(path));
    log.Leggi_DataTrak(path);
    return log;
}

Clogbook import_bytes(const TempDir& dir, const std::string& bytes) {
    write_bytes(dir / "in.log", bytes);
    return import(dir / "in.log");
}

Timmersione import_one(const DataTrakDive& d) {
    TempDir dir;
    return import_bytes(dir, datatrak_bytes({}, {d})).immersioni.at(0);
}

// A file whose single dive has `value` in every raw 2-byte field.
Timmersione with_every_raw_field(uint16_t value) {
    DataTrakDive d;
    d.minuti_inizio = d.intervallo = d.t_aria = d.lbomb = d.prof = value;
    d.durata = d.t_acqua = d.bar = d.nimm = value;
    return import_one(d);
}

}  // namespace

TEST(DataTrakImport, EveryFieldIsConverted) {
    TempDir dir;
    DataTrakDive second = full_dive();
    second.giorni = 146097;
    second.posto = "";
    second.nimm = 8;
    const Clogbook log = import_bytes(dir, datatrak_bytes(full_header(), {full_dive(), second}));

    ASSERT_EQ(log.num_imm, 2u);
    EXPECT_EQ(log.corrente, 0u);
    EXPECT_EQ(log.base_num, 0);
    const int32_t seriale[4] = {0x78, 0x56, 0x34, 0xFF}, seriale2[4] = {1, 0, 0xFE, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(log.seriale[i], seriale[i]);
        EXPECT_EQ(log.seriale2[i], seriale2[i]);
    }

    Timmersione e;
    e.giorno = 29, e.mese = 2, e.anno = 1996;
    e.ora_imm = 14, e.min_imm = 35;
    e.posto = "Isola d'Elba \xe8"s, e.lung_posto = 14;
    e.punto = "Scoglio\0Remaiolo"s, e.lung_punto = 16;
    e.alt = 1;
    e.ora_int = 1, e.min_int = 15;
    e.meteo = 5;
    e.t_aria = 2570 * 0.01;
    e.muta = 3;
    e.lbomb = 15;
    e.prof = 35 * 0.01;
    e.ora_dur = 0, e.min_dur = 59;
    e.t_acqua = 1429 * 0.01;
    e.bar = 32765 * 0.01;
    e.tipo_bit = 0xFC, e.gas = 3;
    e.att_bit1 = 0x81, e.att_bit2 = 0x1F;
    e.altro = "Pulizia fondale", e.lung_altro = 15;
    e.compagni = "Anna\r\nPaolo", e.lung_compagni = 11;
    e.commenti = std::string(255, 'c'), e.lung_commenti = 255;
    e.allarmi_bit = 0x39, e.allarmi_alto = 0xFF;
    e.nimm = 7;
    e.codice_dt[0] = 0xDE, e.codice_dt[1] = 0, e.codice_dt[2] = 0xBE, e.codice_dt[3] = 0xEF;
    e.computer = 29, e.computer_extra = 0xFF;
    e.profilo = "\xff\x12\xff\x80\xff"s, e.lung_profilo = 5;
    EXPECT_EQ(log.immersioni[0], e);
    EXPECT_NE(log.immersioni[0].bar, 327.65) << "hundredths are v * 0.01, not v / 100";

    e.giorno = 1, e.mese = 1, e.anno = 2000;
    e.posto = "", e.lung_posto = 0;
    e.nimm = 8;
    EXPECT_EQ(log.immersioni[1], e);
}

TEST(DataTrakImport, DocumentedValues) {
    DataTrakDive d;
    d.prof = 0x04D2;
    d.lbomb = 1550;
    d.giorni = 0x023AB1;
    d.alt = d.meteo = d.muta = 0;
    d.profilo = "\x00\x12\x00"s;
    const Timmersione t = import_one(d);
    EXPECT_EQ(t.prof, 12.34);
    EXPECT_EQ(t.lbomb, 15);
    EXPECT_EQ(dmy(t), (std::array<int32_t, 3>{1, 1, 2000}));
    EXPECT_EQ(t.alt, -1);
    EXPECT_EQ(t.meteo, -1);
    EXPECT_EQ(t.muta, -1);
    EXPECT_EQ(t.profilo, "\xff\x12\xff"s);
    EXPECT_EQ(t.lung_profilo, 3u);

    d.giorni = 0x023537;
    d.prof = 0x7FFE;
    const Timmersione leap = import_one(d);
    EXPECT_EQ(dmy(leap), (std::array<int32_t, 3>{29, 2, 1996}));
    EXPECT_EQ(leap.prof, 0.0);
}

TEST(DataTrakImport, RawValuesOf32766AndAboveReadAsZero) {
    for (uint16_t none : {uint16_t(32766), uint16_t(32767), uint16_t(0x8000), uint16_t(0xFFFF)}) {
        const Timmersione t = with_every_raw_field(none);
        Timmersione zero;
        zero.giorno = zero.mese = 1, zero.anno = 1600;  // day count 0
        EXPECT_EQ(t, zero) << none;
    }
    const Timmersione top = with_every_raw_field(32765);
    EXPECT_EQ(top.ora_imm, 546);
    EXPECT_EQ(top.min_imm, 5);
    EXPECT_EQ(top.ora_int * 60 + top.min_int, 32765);
    EXPECT_EQ(top.ora_dur * 60 + top.min_dur, 32765);
    EXPECT_EQ(top.lbomb, 327);
    EXPECT_EQ(top.prof, 32765 * 0.01);
    EXPECT_EQ(top.t_aria, 32765 * 0.01);
    EXPECT_EQ(top.t_acqua, 32765 * 0.01);
    EXPECT_EQ(top.nimm, 32765);

    // Flag bytes and the profile length are not raw values.
    DataTrakDive d;
    d.tipo_bit = d.gas = d.att_bit1 = d.att_bit2 = d.allarmi_bit = d.allarmi_alto = 0xFF;
    d.profilo = std::string(40000, '\x07');
    const Timmersione flags = import_one(d);
    EXPECT_EQ(flags.tipo_bit + flags.gas + flags.att_bit1 + flags.att_bit2, 4 * 255);
    EXPECT_EQ(flags.allarmi_bit + flags.allarmi_alto, 2 * 255);
    EXPECT_EQ(flags.lung_profilo, 40000u);
    EXPECT_EQ(flags.profilo, d.profilo);
}

TEST(DataTrakImport, EmptyStringsAndTheFieldsAfterThem) {
    DataTrakDive d;
    d.punto = "Secca";
    d.alt = 3;
    d.compagni = "";
    d.commenti = "x";
    d.allarmi_bit = 0x08;
    const Timmersione t = import_one(d);
    EXPECT_EQ(t.lung_posto, 0u);
    EXPECT_EQ(t.punto, "Secca");
    EXPECT_EQ(t.alt, 2);
    EXPECT_EQ(t.lung_compagni, 0u);
    EXPECT_EQ(t.commenti, "x");
    EXPECT_EQ(t.allarmi_bit, 0x08);
    EXPECT_EQ(t.lung_profilo, 0u);
}

TEST(DataTrakImport, FileNumberStaysUntilTheLogbookIsSorted) {
    TempDir dir;
    DataTrakDive a = full_dive(), b = full_dive();
    a.nimm = 7;
    b.nimm = 3;
    b.giorni += 1;
    Clogbook log = import_bytes(dir, datatrak_bytes({}, {a, b}));
    EXPECT_EQ(log.immersioni[0].nimm, 7);
    EXPECT_EQ(log.immersioni[1].nimm, 3);
    log.Ordina();
    EXPECT_EQ(log.immersioni[0].nimm, 1);
    EXPECT_EQ(log.immersioni[1].nimm, 2);
}

TEST(DataTrakImport, ImportSaveLoadKeepsEveryField) {
    TempDir dir;
    DataTrakDive second = full_dive();
    second.profilo = "";
    second.alt = 0;
    const Clogbook imported = import_bytes(dir, datatrak_bytes(full_header(), {full_dive(), second}));
    imported.Scrivi(dir / "saved.qvl");
    Clogbook loaded(peek_native_count(dir / "saved.qvl"));
    loaded.Leggi(dir / "saved.qvl");
    ASSERT_EQ(loaded.num_imm, 2u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(loaded.seriale[i], imported.seriale[i]);
        EXPECT_EQ(loaded.seriale2[i], imported.seriale2[i]);
    }
    for (uint32_t i = 0; i < 2; ++i) {
        Timmersione expected = imported.immersioni[i];
        expected.nimm = int32_t(i) + 1;
        EXPECT_EQ(loaded.immersioni[i], expected) << "dive " << i;
    }
}

TEST(DataTrakImport, CountPeek) {
    TempDir dir;
    // 258 dives: the count's high byte matters.
    const std::string many = datatrak_bytes(full_header(), std::vector<DataTrakDive>(258));
    ASSERT_EQ(many.size(), 12u + 52 * 258) << "the smallest dive record is 52 bytes";
    write_bytes(dir / "many.log", many);
    EXPECT_EQ(peek_datatrak_count(dir / "many.log"), 258u);
    EXPECT_EQ(import(dir / "many.log").immersioni[257], with_every_raw_field(0));

    // A count the file's size cannot hold, and a header cut short.
    write_bytes(dir / "short.log", many.substr(0, many.size() - 1));
    EXPECT_THROW(peek_datatrak_count(dir / "short.log"), StreamReadError);
    write_bytes(dir / "header.log", many.substr(0, 11));
    EXPECT_THROW(peek_datatrak_count(dir / "header.log"), StreamReadError);
    write_bytes(dir / "none.log", many.substr(0, 12).replace(6, 2, "\0\0"s));
    EXPECT_EQ(import(dir / "none.log").num_imm, 0u);

    try {
        peek_datatrak_count(dir / "missing.log");
        ADD_FAILURE() << "a missing file was peeked";
    } catch (const CannotOpenFile& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "missing.log").string());
    }
    Clogbook log(1);
    EXPECT_THROW(log.Leggi_DataTrak(dir / "missing.log"), CannotOpenFile);
}

TEST(DataTrakImport, DamagedFilesFailWithoutReadingPastTheEnd) {
    TempDir dir;
    const std::string good = datatrak_bytes(full_header(), {full_dive(), full_dive()});
    // Every prefix of the file: each field boundary and each byte inside a field.
    for (size_t len = 0; len < good.size(); ++len) {
        write_bytes(dir / "cut.log", good.substr(0, len));
        Clogbook log(2);
        EXPECT_THROW(log.Leggi_DataTrak(dir / "cut.log"), StreamReadError) << "length " << len;
    }
    // A logbook sized by a lying count refuses before reading any dive.
    Clogbook too_many(1000);
    write_bytes(dir / "good.log", good);
    EXPECT_THROW(too_many.Leggi_DataTrak(dir / "good.log"), StreamReadError);
    EXPECT_EQ(too_many.immersioni[0], Timmersione{});

    // Lengths that promise more than the file holds: the last string's and the
    // profile's, enlarged in place.
    DataTrakDive d = full_dive();
    d.commenti = "Nota";
    std::string long_profile = datatrak_bytes({}, {d});
    long_profile[long_profile.size() - d.profilo.size() - 1] = '\xff';
    std::string long_string = datatrak_bytes({}, {d});
    long_string[long_string.find("Nota") - 1] = '\xff';
    for (const std::string& bytes : {long_profile, long_string}) {
        write_bytes(dir / "long.log", bytes);
        Clogbook log(1);
        EXPECT_THROW(log.Leggi_DataTrak(dir / "long.log"), StreamReadError);
    }
}
