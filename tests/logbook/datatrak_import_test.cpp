#include <gtest/gtest.h>

#include "logbook_files.h"
#include "support/import_writers.h"

using namespace std::string_literals;

namespace {

// Every field its own value; the hundredths (35, 2570, 1429, 32765) are ones where
// v * 0.01 and v / 100 differ in the last bit.
DataTrakDive full_dive() {
    return {.giorni = 144695, .minuti_inizio = 14 * 60 + 35, .posto = "Isola d'Elba \xe8"s,
            .punto = "Scoglio\0Remaiolo"s, .alt = 2, .meteo = 6, .muta = 4, .intervallo = 75, .t_aria = 2570,
            .lbomb = 1550, .prof = 35, .durata = 59, .t_acqua = 1429, .bar = 32765,
            .tipo_bit = 0xFC, .gas = 3, .att_bit1 = 0x81, .att_bit2 = 0x1F, .altro = "Pulizia fondale",
            .compagni = "Anna\r\nPaolo", .commenti = std::string(255, 'c'), .allarmi_bit = 0x39,
            .allarmi_alto = 0xFF, .nimm = 7, .codice_dt = {0xDE, 0x00, 0xBE, 0xEF}, .computer = 29,
            .computer_extra = 0xFF, .profilo = "\x00\x12\x00\x80\xff"s};
}

const DataTrakHeader kHeader{.seriale = {0x78, 0x56, 0x34, 0xFF}, .seriale2 = {1, 0, 0xFE, 4}};

Clogbook import_bytes(const TempDir& dir, const std::string& bytes) {
    write_bytes(dir / "in.log", bytes);
    return read_datatrak(dir / "in.log");
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
    // The second dive: empty strings with fields after them, classes of 0 ("none"),
    // and the documented depth 0x04D2.
    DataTrakDive second = full_dive();
    second.giorni = 146097;
    second.posto = second.compagni = "";
    second.alt = second.meteo = second.muta = 0;
    second.prof = 0x04D2;
    second.nimm = 8;
    const Clogbook log = import_bytes(dir, datatrak_bytes(kHeader, {full_dive(), second}));

    ASSERT_EQ(log.num_imm, 2u);
    EXPECT_EQ(log.corrente, 0u);
    EXPECT_EQ(log.base_num, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale[i], kHeader.seriale[i]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale2[i], kHeader.seriale2[i]);

    Timmersione e{.alt = 1, .meteo = 5, .muta = 3, .lbomb = 15, .nimm = 7,
                  .lung_posto = 14, .lung_punto = 16, .lung_altro = 15, .lung_compagni = 11,
                  .lung_commenti = 255, .lung_profilo = 5, .computer = 29, .computer_extra = 0xFF,
                  .codice_dt = {0xDE, 0, 0xBE, 0xEF}, .giorno = 29, .mese = 2, .anno = 1996,
                  .ora_imm = 14, .min_imm = 35, .ora_int = 1, .min_int = 15, .ora_dur = 0, .min_dur = 59,
                  .tipo_bit = 0xFC, .gas = 3, .att_bit1 = 0x81, .att_bit2 = 0x1F,
                  .allarmi_bit = 0x39, .allarmi_alto = 0xFF,
                  .prof = 35 * 0.01, .t_acqua = 1429 * 0.01, .t_aria = 2570 * 0.01, .bar = 32765 * 0.01,
                  .posto = "Isola d'Elba \xe8"s, .punto = "Scoglio\0Remaiolo"s, .altro = "Pulizia fondale",
                  .compagni = "Anna\r\nPaolo", .commenti = std::string(255, 'c'),
                  .profilo = "\xff\x12\xff\x80\xff"s};
    EXPECT_EQ(log.immersioni[0], e);
    EXPECT_NE(log.immersioni[0].bar, 327.65) << "hundredths are v * 0.01, not v / 100";

    e.giorno = 1, e.mese = 1, e.anno = 2000;
    e.posto = e.compagni = "", e.lung_posto = e.lung_compagni = 0;
    e.alt = e.meteo = e.muta = -1;
    e.prof = 12.34;
    e.nimm = 8;
    EXPECT_EQ(log.immersioni[1], e);

    // Saved and loaded, every field stays; the numbers then follow the positions.
    log.Scrivi(dir / "saved.qvl");
    const Clogbook loaded = read_native(dir / "saved.qvl");
    EXPECT_EQ(0, std::memcmp(loaded.seriale, log.seriale, sizeof loaded.seriale));
    EXPECT_EQ(0, std::memcmp(loaded.seriale2, log.seriale2, sizeof loaded.seriale2));
    EXPECT_EQ(loaded.immersioni, Clogbook(log).immersioni);
}

TEST(DataTrakImport, RawValuesOf32766AndAboveReadAsZero) {
    Timmersione zero;
    zero.giorno = zero.mese = 1, zero.anno = 1600;  // day count 0
    for (uint16_t none : {uint16_t(32766), uint16_t(32767), uint16_t(0x8000), uint16_t(0xFFFF)})
        EXPECT_EQ(with_every_raw_field(none), zero) << none;
    const Timmersione top = with_every_raw_field(32765);
    for (int32_t hhmm : {top.ora_imm * 100 + top.min_imm, top.ora_int * 100 + top.min_int,
                         top.ora_dur * 100 + top.min_dur})
        EXPECT_EQ(hhmm, 54605);  // 546 hours and 5 minutes
    EXPECT_EQ(top.lbomb, 327);
    for (double v : {top.prof, top.t_aria, top.t_acqua, top.bar}) EXPECT_EQ(v, 32765 * 0.01);
    EXPECT_EQ(top.nimm, 32765);

    // The profile length is not a raw value.
    DataTrakDive d;
    d.profilo = std::string(40000, '\x07');
    EXPECT_EQ(import_one(d).profilo, d.profilo);
}

TEST(DataTrakImport, CountPeek) {
    TempDir dir;
    // 258 dives: the count's high byte matters.
    const std::string many = datatrak_bytes(kHeader, std::vector<DataTrakDive>(258));
    write_bytes(dir / "many.log", many);
    EXPECT_EQ(peek_datatrak_count(dir / "many.log"), 258u);
    EXPECT_EQ(read_datatrak(dir / "many.log").immersioni[257], with_every_raw_field(0));
    EXPECT_EQ(import_bytes(dir, many.substr(0, 12).replace(6, 2, "\0\0"s)).num_imm, 0u);
}

TEST(DataTrakImport, DamagedFilesFailWithoutReadingPastTheEnd) {
    TempDir dir;
    // The smallest dive record, all strings and the profile empty, is 52 bytes.
    expect_damage_fails(dir, datatrak_bytes(kHeader, {full_dive(), full_dive()}), 2, 12 + 2 * 52,
                        peek_datatrak_count, &Clogbook::Leggi_DataTrak);

    // The last string's length enlarged in place: the fields after it shift, and
    // the profile length read from them promises more than the file holds.
    DataTrakDive d = full_dive();
    d.commenti = "Nota";
    std::string long_string = datatrak_bytes({}, {d});
    long_string[long_string.find("Nota") - 1] = '\xff';
    expect_read_fails(dir, long_string, 1, &Clogbook::Leggi_DataTrak);
}
