#include <gtest/gtest.h>

#include "logbook/Clogbook.h"

using namespace std::string_literals;

TEST(Logbook, NewLogbookHoldsEmptyRecordsAndZeroHeader) {
    Clogbook empty(0);
    EXPECT_EQ(empty.num_imm, 0u);
    EXPECT_TRUE(empty.immersioni.empty());
    Clogbook copy(empty);
    EXPECT_EQ(copy.num_imm, 0u);
    EXPECT_EQ(copy.corrente, 0u);

    Clogbook log(3);
    ASSERT_EQ(log.immersioni.size(), 3u);
    EXPECT_EQ(log.immersioni[2], Timmersione{});
    EXPECT_EQ(log.base_num, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(log.seriale[i] | log.seriale2[i], 0);
}

TEST(Logbook, StringSettersKeepLengthEqualToByteCount) {
    Clogbook log(2);
    log.corrente = 1;
    const std::string with_zeros = "a\0b\xff"s;
    log.set_posto(with_zeros);
    log.set_profilo("\xff\x12\xff"s);
    log.set_compagni("Anna\r\nPaolo");
    const Timmersione& d = log.immersioni[1];
    EXPECT_EQ(d.posto, with_zeros);
    EXPECT_EQ(d.lung_posto, 4u);
    EXPECT_EQ(d.lung_profilo, 3u);
    EXPECT_EQ(d.lung_compagni, 11u);
    EXPECT_EQ(log.immersioni[0], Timmersione{}) << "setters act on corrente only";

    log.set_posto("");
    EXPECT_EQ(d.lung_posto, 0u);
    EXPECT_TRUE(d.posto.empty());
}

TEST(Logbook, NumberSetterFollowsPositionNotValue) {
    Clogbook log(5);
    log.base_num = 40;
    log.corrente = 3;
    log.set_nimm(7);
    EXPECT_EQ(log.immersioni[3].nimm, 44);
}

TEST(Logbook, CopyRecordOverwritesEveryFieldAndRenumbers) {
    Clogbook source(2);
    source.corrente = 1;
    source.set_data(3, 4, 1999);
    source.set_orario(10, 30);
    source.set_tipo(0x44, 1);
    source.set_codice_dt(1, 2, 3, 4);
    source.set_bar(123.45);
    source.set_posto("");
    source.set_commenti("note");

    Clogbook target(3);
    target.base_num = 10;
    target.corrente = 2;
    target.set_posto("A long place name that must not survive");
    target.set_altro("x");
    target.Copia_Immersione(source, 1);

    const Timmersione& d = target.immersioni[2];
    EXPECT_EQ(d.posto, "");
    EXPECT_EQ(d.lung_posto, 0u);
    EXPECT_EQ(d.altro, "");
    EXPECT_EQ(d.commenti, "note");
    EXPECT_EQ(d.anno, 1999);
    EXPECT_EQ(d.codice_dt[3], 4);
    EXPECT_DOUBLE_EQ(d.bar, 123.45);
    EXPECT_EQ(d.nimm, 13);
    EXPECT_EQ(target.corrente, 2u) << "callers advance corrente";
}

TEST(Logbook, CopyConstructionCarriesHeaderAndRenumbers) {
    Clogbook log(3);
    log.base_num = 99;
    log.set_seriale(1, 2, 3, 255);
    log.set_seriale2(9, 8, 7, 6);
    for (uint32_t i = 0; i < 3; ++i) {
        log.corrente = i;
        log.attuale().nimm = 1000;  // a stale number, as an import leaves it
        log.set_punto("p" + std::to_string(i));
    }
    Clogbook copy(log);
    EXPECT_EQ(copy.corrente, 0u);
    EXPECT_EQ(copy.base_num, 99);
    EXPECT_EQ(copy.seriale[3], 255);
    EXPECT_EQ(copy.seriale2[0], 9);
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(copy.immersioni[i].nimm, 100 + int(i));
        EXPECT_EQ(copy.immersioni[i].punto, "p" + std::to_string(i));
    }
}

TEST(FlagTexts, NamesOfSetBitsInTableOrder) {
    EXPECT_EQ(Clogbook::Testo_Tipo(0, 0), "");
    EXPECT_EQ(Clogbook::Testo_Tipo(0x04 | 0x40, 1), "In Curva,Acqua Dolce, Nitrox, ");
    EXPECT_EQ(Clogbook::Testo_Tipo(0, 3), "Nitrox, SCR ");
    EXPECT_EQ(Clogbook::Testo_Tipo(0x03, 0), "") << "bits 1 and 2 have no name";
    EXPECT_EQ(Clogbook::Testo_Tipo(0xFC, 0),
              "In Curva,Decompressione,Risalita Unica, Risalite Multiple, Acqua Dolce, Acqua Salata, ");

    EXPECT_EQ(Clogbook::Testo_Attivita(0, 0x10), "Altro, ");
    EXPECT_EQ(Clogbook::Testo_Attivita(0x81, 0x0C), "Osservazione, Ricerca, Corrente, Foto/Video, ");
    EXPECT_EQ(Clogbook::Testo_Attivita(0xFF, 0x1F),
              "Osservazione, In gruppo, Corso, Addestramento, Notturna, In grotta, Ghiaccio, Ricerca, "
              "Relitto, Fiume, Corrente, Foto/Video, Altro, ");

    EXPECT_EQ(Clogbook::Testo_Allarmi(0x39, 0), "Risalita, Decompressione, Affanno, SOS, ");
    EXPECT_EQ(Clogbook::Testo_Allarmi(0x06, 0xFF), "") << "other alarm bits and the high byte have no name";
}
