#include "export/uddf_notes.h"

#include <gtest/gtest.h>

#include "every_kind_logbook.h"
#include "export/dive_texts.h"

namespace {

// What an import knows of a dive before its notes: the date if it is a real one, the
// buddies from the links, no suit, weather or altitude.
Timmersione before_notes(const Timmersione& d) {
    Timmersione r;
    r.giorno = r.mese = r.anno = 1;
    if (!data_iso(d).empty() && !ora_iso(d).empty())
        std::tie(r.giorno, r.mese, r.anno, r.ora_imm, r.min_imm) = std::tie(d.giorno, d.mese, d.anno, d.ora_imm, d.min_imm);
    r.alt = r.meteo = r.muta = -1;
    r.compagni = compagni_ricostruiti(d.compagni);
    return r;
}

struct Fields {
    std::string commenti, compagni, altro;
    int32_t giorno, mese, anno, ora, min, tipo, gas, att1, att2, allarmi, lbomb, muta, meteo, alt, computer;
    bool operator==(const Fields&) const = default;
    friend void PrintTo(const Fields& f, std::ostream* os) {
        *os << f.commenti << "|" << f.compagni << "|" << f.altro << "|" << f.giorno << "/" << f.mese << "/" << f.anno
            << " " << f.ora << ":" << f.min;
        for (int32_t v : {f.tipo, f.gas, f.att1, f.att2, f.allarmi, f.lbomb, f.muta, f.meteo, f.alt, f.computer}) *os << " " << v;
    }
};
Fields fields(const Timmersione& d) {
    return {d.commenti, d.compagni,  d.altro,       d.giorno,   d.mese,  d.anno, d.ora_imm, d.min_imm, d.tipo_bit,   d.gas,
            d.att_bit1, d.att_bit2, d.allarmi_bit, d.lbomb, d.muta, d.meteo, d.alt,    d.computer};
}

}  // namespace

TEST(UddfNotes, EveryFieldTheNotesCarryComesBack) {
    Clogbook lb = every_kind_logbook();
    // Comments that end as the fields do, with fields and without; a date out of range
    // and flags of every table.
    lb.immersioni[0].commenti = "Nota\r\n\r\nMuta: Umida";
    lb.immersioni[0].anno = -5;
    Timmersione& d3 = lb.immersioni[3];
    std::tie(d3.alt, d3.meteo, d3.muta, d3.computer, d3.ora_imm) = std::tuple(-1, -1, -1, 0, 10);
    d3.commenti = "Nota\r\n\r\nMuta: Umida";
    Timmersione& d2 = lb.immersioni[2];
    std::tie(d2.alt, d2.meteo, d2.muta, d2.lbomb, d2.computer) = std::tuple(3, -1, 5, -2, 164);
    std::tie(d2.tipo_bit, d2.gas, d2.att_bit1, d2.att_bit2, d2.allarmi_bit) = std::tuple(0xFC, 3, 0xFF, 0x1F, 0x39);
    d2.altro = "Relitto, pesca";
    d2.compagni = "Fabio, Markus\r\nAnna  Rossi";
    d2.commenti = "\r\nuna\r\n\r\n\r\ndue\r\n";
    for (Timmersione d : lb.immersioni) {
        d.commenti = without_unwritable(d.commenti);
        Timmersione read = before_notes(d);
        const bool buddies = leggi_note(note_immersione(d), read);
        EXPECT_EQ(fields(read), fields(d)) << note_immersione(d);
        EXPECT_EQ(buddies, compagni_ricostruiti(d.compagni) != d.compagni);
    }
}

TEST(UddfNotes, OtherProgramsNotesAreCommentsUnlessTheyEndInFieldLines) {
    const std::pair<std::string, std::string> cases[] = {
        {"Visto: un polpo\nMuta: Umida", "Visto: un polpo\r\nMuta: Umida"},  // not every line a field
        {"Muta: Umida\nTipo di immersione: Nitrox", "Muta: Umida\r\nTipo di immersione: Nitrox"},  // out of order
        {"Muta: Muta da sub", "Muta: Muta da sub"},  // not an entry of the box
        {"Bombola: 12", "Bombola: 12"},
        {"Bel tuffo\n\nMuta: Stagna\nMeteo: Nuvolo", "Bel tuffo"},
    };
    for (const auto& [notes, commenti] : cases) {
        Timmersione d;
        leggi_note(notes, d);
        EXPECT_EQ(d.commenti, commenti);
    }
}

TEST(UddfNotes, ABuddyLineMayHoldSeveralPeople) {
    EXPECT_EQ(compagni_distinti("Fabio, Markus\r\n Anna Maria Rossi ;Fabio\r\n,\r\n"),
              (std::vector<std::string>{"Fabio", "Markus", "Anna Maria Rossi"}));
    EXPECT_EQ(nome_e_cognome("Anna Maria  Rossi"), (std::pair<std::string, std::string>{"Anna Maria", "Rossi"}));
    EXPECT_EQ(nome_e_cognome("Peter"), (std::pair<std::string, std::string>{"Peter", ""}));
    EXPECT_EQ(compagni_ricostruiti("Fabio, Markus\r\nAnna  Rossi"), "Fabio\r\nMarkus\r\nAnna Rossi");
}
