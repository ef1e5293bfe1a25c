#include <gtest/gtest.h>

#include "logbook_files.h"

using namespace std::string_literals;

TEST(Logbook, SettersActOnCorrenteAndKeepLengthsWithBytes) {
    Clogbook log(3);
    log.base_num = 40;
    log.corrente = 1;
    log.set_posto("a\0b\xff"s);
    log.set_nimm(7);
    const Timmersione& d = log.immersioni[1];
    EXPECT_EQ(d.posto, "a\0b\xff"s);
    EXPECT_EQ(d.lung_posto, 4u);
    EXPECT_EQ(d.nimm, 42) << "the number follows the position, not the argument";
    EXPECT_EQ(log.immersioni[0], Timmersione{});
    EXPECT_EQ(log.immersioni[2], Timmersione{});
}

TEST(Logbook, CopiesOfRecordsAndLogbooksRenumber) {
    const Clogbook source = sample_logbook(3);
    // A record copied over a longer one keeps nothing of it; corrente stays put.
    Clogbook target = sample_logbook(3);
    target.base_num = 10;
    target.corrente = 2;
    target.Copia_Immersione(source, 1);
    Timmersione expected = source.immersioni[1];
    expected.nimm = 13;
    EXPECT_EQ(target.immersioni[2], expected);
    EXPECT_EQ(target.corrente, 2u);

    target.corrente = 1;
    const Clogbook copy(target);
    EXPECT_EQ(copy.corrente, 0u);
    EXPECT_EQ(copy.base_num, 10);
    EXPECT_EQ(0, std::memcmp(copy.seriale, source.seriale, sizeof copy.seriale));
    EXPECT_EQ(0, std::memcmp(copy.seriale2, source.seriale2, sizeof copy.seriale2));
    for (uint32_t i = 0; i < 3; ++i) {
        expected = target.immersioni[i];
        expected.nimm = 11 + int(i);
        EXPECT_EQ(copy.immersioni[i], expected) << "dive " << i;
    }
}

TEST(FlagTexts, NamesOfSetBitsInTableOrder) {
    const std::pair<std::string, std::string> cases[] = {
        {Clogbook::Testo_Tipo(0, 0), ""},
        {Clogbook::Testo_Tipo(0x04 | 0x40, 1), "In Curva,Acqua Dolce, Nitrox, "},
        {Clogbook::Testo_Tipo(0, 3), "Nitrox, SCR "},
        {Clogbook::Testo_Tipo(0x03, 0), ""},  // bits 1 and 2 have no name
        {Clogbook::Testo_Tipo(0xFC, 0),
         "In Curva,Decompressione,Risalita Unica, Risalite Multiple, Acqua Dolce, Acqua Salata, "},
        {Clogbook::Testo_Attivita(0, 0x10), "Altro, "},
        {Clogbook::Testo_Attivita(0x81, 0x0C), "Osservazione, Ricerca, Corrente, Foto/Video, "},
        {Clogbook::Testo_Attivita(0xFF, 0x1F), "Osservazione, In gruppo, Corso, Addestramento, Notturna, In grotta, "
                                               "Ghiaccio, Ricerca, Relitto, Fiume, Corrente, Foto/Video, Altro, "},
        {Clogbook::Testo_Allarmi(0x39, 0), "Risalita, Decompressione, Affanno, SOS, "},
        {Clogbook::Testo_Allarmi(0x06, 0xFF), ""},  // other alarm bits and the high byte have no name
    };
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
}
