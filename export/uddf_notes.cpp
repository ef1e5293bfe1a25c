#include "export/uddf_notes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

#include "export/dive_texts.h"
#include "logbook/list_text.h"

namespace {

std::string_view senza_spazi(std::string_view s) {
    auto spazio = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
    while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
    return s;
}

// The memo's lines: CR LF between them, a lone CR or LF read as one too.
std::vector<std::string_view> righe(std::string_view testo) {
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t fine = testo.find_first_of("\r\n");
        out.push_back(testo.substr(0, fine));
        if (fine == std::string_view::npos) return out;
        testo.remove_prefix(fine + (testo.substr(fine, 2) == "\r\n" ? 2 : 1));
    }
}

// The field lines, in the order they are written and read.
enum Campo { data, compagni, tipo, attivita, altro, allarmi, bombola, muta, meteo, altitudine, computer, campi };
constexpr std::array<std::string_view, campi> etichette = {
    "Data registrata", "Compagni", "Tipo di immersione", "Attivit\xe0", "Altro",      "Allarmi",
    "Bombola",         "Muta",     "Meteo",              "Altitudine",  "Computer"};


// A flag text read back: the names of single bits, in table order, each at most once.
template <class Testo>
std::optional<uint32_t> bit_di(std::string_view v, Testo testo) {
    uint32_t parola = 0;
    for (uint32_t bit = 1; bit <= 0x8000 && !v.empty(); bit <<= 1) {
        const std::string t(senza_separatori(testo(bit)));
        if (t.empty() || !v.starts_with(t)) continue;
        parola |= bit;
        v = senza_separatori(v.substr(t.size()));
    }
    return v.empty() ? std::optional(parola) : std::nullopt;
}

std::optional<int32_t> intero(std::string_view v) {
    int32_t n = 0;
    const auto [fine, errore] = std::from_chars(v.data(), v.data() + v.size(), n);
    return errore == std::errc() && fine == v.data() + v.size() ? std::optional(n) : std::nullopt;
}

// The index of a box's entry into `campo`; false for a text that is none of them.
template <std::size_t N>
bool voce(const std::array<const char*, N>& voci, std::string_view v, int32_t& campo) {
    for (std::size_t i = 0; i < N; ++i)
        if (v == voci[i]) return campo = int32_t(i), true;
    return false;
}

std::string testo_tipo(uint32_t w) { return Clogbook::Testo_Tipo(int32_t(w & 0xFF), int32_t(w >> 8)); }
std::string testo_att(uint32_t w) { return Clogbook::Testo_Attivita(int32_t(w & 0xFF), int32_t(w >> 8)); }
std::string testo_all(uint32_t w) { return Clogbook::Testo_Allarmi(int32_t(w & 0xFF), int32_t(w >> 8)); }

// One field line into the dive; false when the value is not one the export writes.
bool leggi_campo(Campo c, std::string_view v, Timmersione& d) {
    switch (c) {
    case data: {
        int32_t n[5];
        const char* separatori = "// :";
        for (int i = 0; i < 5; ++i) {
            const std::size_t fine = i < 4 ? v.find(separatori[i]) : v.size();
            const auto x = fine == std::string_view::npos ? std::nullopt : intero(v.substr(0, fine));
            if (!x) return false;
            n[i] = *x;
            v.remove_prefix(std::min(v.size(), fine + 1));
        }
        d.giorno = n[0], d.mese = n[1], d.anno = n[2], d.ora_imm = n[3], d.min_imm = n[4];
        return true;
    }
    case compagni:
        if (!d.compagni.empty()) d.compagni += "\r\n";
        d.compagni += v;
        return true;
    case tipo:
    case attivita:
    case allarmi: {
        const auto w = c == tipo ? bit_di(v, testo_tipo) : c == attivita ? bit_di(v, testo_att) : bit_di(v, testo_all);
        if (!w) return false;
        int32_t& basso = c == tipo ? d.tipo_bit : c == attivita ? d.att_bit1 : d.allarmi_bit;
        int32_t& alto = c == tipo ? d.gas : c == attivita ? d.att_bit2 : d.allarmi_alto;
        basso = int32_t(*w & 0xFF), alto = int32_t(*w >> 8);
        return true;
    }
    case altro: d.altro = v; return true;
    case bombola: {
        const auto n = v.ends_with(" l") ? intero(v.substr(0, v.size() - 2)) : std::nullopt;
        if (n) d.lbomb = *n;
        return n.has_value();
    }
    case muta: return voce(voci_muta, v, d.muta);
    case meteo: return voce(voci_meteo, v, d.meteo);
    case altitudine: return voce(voci_alt, v, d.alt);
    case computer: {
        const std::size_t aperta = v.rfind(" (");
        const auto n = aperta != std::string_view::npos && v.ends_with(")")
                           ? intero(v.substr(aperta + 2, v.size() - aperta - 3)) : std::nullopt;
        if (n) d.computer = *n;
        return n.has_value();
    }
    case campi: break;
    }
    return false;
}

struct Blocco {
    Timmersione dive;
    bool con_compagni = false;
};

// The lines of a notes block into a copy of the dive; nothing when one of them is not
// a field line or the lines are out of order.
std::optional<Blocco> leggi_blocco(std::string_view blocco, const Timmersione& d) {
    Blocco letto{d};
    letto.dive.compagni.clear();
    int ultimo = -1;
    for (std::string_view riga : righe(blocco)) {
        int c = 0;
        while (c < campi && !(riga.starts_with(etichette[c]) && riga.substr(etichette[c].size()).starts_with(":"))) ++c;
        if (c == campi || c < ultimo || (c == ultimo && c != compagni)) return std::nullopt;
        std::string_view valore = riga.substr(etichette[c].size() + 1);
        if (valore.starts_with(" ")) valore.remove_prefix(1);
        if (!leggi_campo(Campo(c), valore, letto.dive)) return std::nullopt;
        letto.con_compagni = letto.con_compagni || c == compagni;
        ultimo = c;
    }
    if (!letto.con_compagni) letto.dive.compagni = d.compagni;
    return letto;
}

// Where the block of a notes text (LF line ends) starts: after its last blank line, or
// at its start when it has none.
std::size_t inizio_blocco(std::string_view t) {
    const std::size_t vuota = t.rfind("\n\n");
    return vuota == std::string_view::npos ? 0 : vuota + 2;
}

// The block a notes text ends with, if any.
std::optional<Blocco> blocco_finale(std::string_view t, const Timmersione& d) {
    const std::size_t inizio = inizio_blocco(t);
    return inizio < t.size() ? leggi_blocco(t.substr(inizio), d) : std::nullopt;
}

std::string righe_campi(const Timmersione& d, bool sempre_bombola) {
    std::string out;
    auto riga = [&](Campo c, std::string_view v) {
        if (v.empty()) return;
        if (!out.empty()) out += '\n';
        out.append(etichette[c]).append(": ").append(v);
    };
    if (!data_reale(d) || !ora_reale(d)) {
        char testo[96];  // five numbers as stored, whatever they hold
        std::snprintf(testo, sizeof testo, "%d/%d/%d %02d:%02d", int(d.giorno), int(d.mese), int(d.anno),
                      int(d.ora_imm), int(d.min_imm));
        riga(data, testo);
    }
    if (compagni_ricostruiti(d.compagni) != d.compagni) {
        // Written even when empty, so that the lines come back as they were.
        for (std::string_view r : righe(d.compagni)) {
            if (!out.empty()) out += '\n';
            out.append(etichette[compagni]).append(": ").append(r);
        }
    }
    riga(tipo, testo_tipo_esportato(d));
    riga(attivita, senza_separatori(Clogbook::Testo_Attivita(d.att_bit1, d.att_bit2)));
    std::string a = d.altro;
    std::replace(a.begin(), a.end(), '\r', ' ');  // a line of its own
    std::replace(a.begin(), a.end(), '\n', ' ');
    riga(altro, a);
    riga(allarmi, testo_allarmi_esportato(d));
    if (d.lbomb != 0 || sempre_bombola) riga(bombola, std::to_string(d.lbomb) + " l");
    riga(muta, voce_scelta(voci_muta, d.muta));
    riga(meteo, voce_scelta(voci_meteo, d.meteo));
    riga(altitudine, voce_scelta(voci_alt, d.alt));
    if (d.computer != 0) riga(computer, std::string(nome_computer(d.computer)) + " (" + std::to_string(d.computer) + ")");
    return out;
}

}  // namespace

std::vector<std::string_view> persone(std::string_view riga) {
    std::vector<std::string_view> out;
    while (true) {
        const std::size_t fine = riga.find_first_of(",;");
        const std::string_view p = senza_spazi(riga.substr(0, fine));
        if (!p.empty()) out.push_back(p);
        if (fine == std::string_view::npos) return out;
        riga.remove_prefix(fine + 1);
    }
}

std::pair<std::string, std::string> nome_e_cognome(std::string_view persona) {
    const std::size_t spazio = persona.find_last_of(" \t");
    if (spazio == std::string_view::npos) return {std::string(persona), {}};
    return {std::string(senza_spazi(persona.substr(0, spazio))), std::string(persona.substr(spazio + 1))};
}

std::vector<std::string> compagni_distinti(std::string_view testo) {
    std::vector<std::string> out;
    for (std::string_view riga : righe(testo))
        for (std::string_view p : persone(riga))
            if (std::find(out.begin(), out.end(), p) == out.end()) out.emplace_back(p);
    return out;
}

std::string compagni_ricostruiti(std::string_view testo) {
    std::string out;
    for (const std::string& p : compagni_distinti(testo)) {
        const auto [nome, cognome] = nome_e_cognome(p);
        if (!out.empty()) out += "\r\n";
        out += nome;
        if (!nome.empty() && !cognome.empty()) out += ' ';
        out += cognome;
    }
    return out;
}

std::string note_immersione(const Timmersione& d) {
    std::string commenti = d.commenti;
    std::erase(commenti, '\r');  // one line break as XML has it
    std::string blocco = righe_campi(d, false);
    // Comments that end like a block of fields get a block of their own after them, so
    // that they come back as comments.
    if (blocco.empty() && blocco_finale(commenti, d)) blocco = righe_campi(d, true);
    if (blocco.empty()) return commenti;
    return commenti.empty() ? blocco : commenti + "\n\n" + blocco;
}

bool leggi_note(std::string_view testo, Timmersione& d) {
    std::string t(testo);
    std::erase(t, '\r');
    std::optional<Blocco> letto = blocco_finale(t, d);
    if (letto) {
        t.resize(inizio_blocco(t) == 0 ? 0 : inizio_blocco(t) - 2);
        d = std::move(letto->dive);
    }
    d.commenti.clear();
    for (char c : t) {
        if (c == '\n') d.commenti += '\r';
        d.commenti += c;
    }
    return letto && letto->con_compagni;
}
