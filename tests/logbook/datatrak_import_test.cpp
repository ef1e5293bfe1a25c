#include "logbook_files.h"
#include "support/import_writers.h"

using namespace std::string_literals;

namespace {

Clogbook import_file(const std::string& bytes) {
    TempDir dir;
    write_bytes(dir / "in.log", bytes);
    return read_file(dir / "in.log", peek_datatrak_count, &Clogbook::Leggi_DataTrak);
}

}  // namespace

TEST(DataTrakImport, EveryFieldIsConverted) {
    // The hundredths (35, 2570, 1429, 32765) are ones where v * 0.01 and v / 100
    // differ in the last bit; saved logbooks hold the products.
    const DataTrakDive full{
        .giorni = 144695, .minuti_inizio = 14 * 60 + 35, .posto = "Isola d'Elba \xe8"s, .punto = "Scoglio\0Remaiolo"s,
        .alt = 2, .meteo = 6, .muta = 4, .intervallo = 75, .t_aria = 2570, .lbomb = 1550, .prof = 35, .durata = 59,
        .t_acqua = 1429, .bar = 32765, .tipo_bit = 0xFC, .gas = 3, .att_bit1 = 0x81, .att_bit2 = 0x1F,
        .altro = "Pulizia fondale", .compagni = "Anna\r\nPaolo", .commenti = std::string(255, 'c'),
        .allarmi_bit = 0x39, .allarmi_alto = 0xFF, .nimm = 7, .codice_dt = {0xDE, 0x00, 0xBE, 0xEF}, .computer = 29,
        .computer_extra = 0xFF, .profilo = "\x00\x12\x00\x80\xff\x01\x7f\x00\x80\x00\x00\xfe\x00\x01\x00\x00\x00\x12\x00"s};
    const DataTrakHeader header{.seriale = {0x78, 0x56, 0x34, 0xFF}, .seriale2 = {1, 0, 0xFE, 4}};
    const Clogbook log = import_file(datatrak_bytes(header, {full}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale[i], header.seriale[i]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale2[i], header.seriale2[i]);
    const Timmersione e{
        .alt = 1, .meteo = 5, .muta = 3, .lbomb = 15, .nimm = 7, .lung_posto = 14, .lung_punto = 16, .lung_altro = 15,
        .lung_compagni = 11, .lung_commenti = 255, .lung_profilo = 19, .computer = 29, .computer_extra = 0xFF,
        .codice_dt = {0xDE, 0, 0xBE, 0xEF}, .giorno = 29, .mese = 2, .anno = 1996, .ora_imm = 14, .min_imm = 35,
        .ora_int = 1, .min_int = 15, .ora_dur = 0, .min_dur = 59, .tipo_bit = 0xFC, .gas = 3, .att_bit1 = 0x81,
        .att_bit2 = 0x1F, .allarmi_bit = 0x39, .allarmi_alto = 0xFF, .prof = 35 * 0.01, .t_acqua = 1429 * 0.01,
        .t_aria = 2570 * 0.01, .bar = 32765 * 0.01, .posto = "Isola d'Elba \xe8"s, .punto = "Scoglio\0Remaiolo"s,
        .altro = "Pulizia fondale", .compagni = "Anna\r\nPaolo", .commenti = std::string(255, 'c'),
        // A profile holds 255 for 0: here in two blocks of 16 that overlap.
        .profilo = "\xff\x12\xff\x80\xff\x01\x7f\xff\x80\xff\xff\xfe\xff\x01\xff\xff\xff\x12\xff"s};
    EXPECT_EQ(log.immersioni.at(0), e);
    DataTrakDive short_profile;
    short_profile.profilo = "\x00\x07\x00"s;
    EXPECT_EQ(import_file(datatrak_bytes({}, {short_profile})).immersioni.at(0).profilo, "\xff\x07\xff");
}

TEST(DataTrakImport, RawValuesOf32766AndAboveReadAsZero) {
    // A dive with the value in every raw 2-byte field, empty strings and classes of 0 ("none").
    Timmersione zero;
    zero.alt = zero.meteo = zero.muta = -1;
    zero.giorno = zero.mese = 1, zero.anno = 1600;  // day count 0
    for (uint16_t none : {uint16_t(32766), uint16_t(0xFFFF)}) {
        DataTrakDive d;
        d.alt = d.meteo = d.muta = 0;
        d.minuti_inizio = d.intervallo = d.t_aria = d.lbomb = d.prof = d.durata = d.t_acqua = d.bar = d.nimm = none;
        EXPECT_EQ(import_file(datatrak_bytes({}, {d})).immersioni.at(0), zero) << none;
    }

    // Neither the profile length nor the dive count is a raw value.
    DataTrakDive d;
    d.profilo = std::string(40000, '\x07');
    EXPECT_EQ(import_file(datatrak_bytes({}, {d})).immersioni[0].profilo, d.profilo);
    EXPECT_EQ(import_file(datatrak_bytes({}, std::vector<DataTrakDive>(258))).num_imm, 258u);
    EXPECT_EQ(import_file(datatrak_bytes({}, {})).num_imm, 0u);
}
