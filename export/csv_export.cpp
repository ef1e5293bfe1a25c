#include "export/csv_export.h"

#include <cmath>

#include "export/dive_texts.h"
#include "framework/core/number_text.h"
#include "logbook/file_io.h"
#include "logbook/list_text.h"

namespace {

constexpr const char* intestazioni[] = {
    "Numero", "Data", "Ora", "Durata (min)", "Profondità massima (m)", "Temperatura acqua (°C)",
    "Temperatura aria (°C)", "Intervallo di superficie (min)", "Bombola (l)", "Bar consumati", "Muta",
    "Meteo", "Altitudine", "Luogo", "Punto", "Compagni", "Tipo di immersione", "Attività", "Allarmi",
    "Commenti", "Computer", "Profilo"};

class Riga {
public:
    Riga(std::string& out, CsvFormat f) : out_(out), f_(f) {}

    // A cell as it stands, quoted when it holds a separator, a quote or a line break.
    void cella(std::string_view testo) {
        if (!primo_) out_ += f_.separatore;
        primo_ = false;
        if (testo.find_first_of(std::string{f_.separatore, '"', '\r', '\n'}) == std::string_view::npos) {
            out_ += testo;
            return;
        }
        out_ += '"';
        for (char c : testo) {
            if (c == '"') out_ += '"';
            out_ += c;
        }
        out_ += '"';
    }

    // A stored text. One that a spreadsheet would take for a formula is kept as text.
    void testo(const std::string& bytes_1252) {
        std::string t = utf8_da_1252(bytes_1252);
        if (!t.empty() && (t[0] == '=' || t[0] == '+' || t[0] == '-' || t[0] == '@')) t.insert(0, 1, '\'');
        cella(t);
    }

    // A number; an empty cell for one that is not finite.
    void numero(double v) { cella(std::isfinite(v) ? format_general(v, f_.decimale) : std::string()); }
    // A temperature: 0 is one never entered, left empty as the UDDF export leaves it out.
    void temperatura(double v) { v == 0 ? cella({}) : numero(v); }
    void intero(int64_t v) { cella(std::to_string(v)); }

    void fine() { out_ += "\r\n"; }

private:
    std::string& out_;
    CsvFormat f_;
    bool primo_ = true;
};

void riga_immersione(std::string& out, CsvFormat f, const Timmersione& d) {
    Riga r(out, f);
    r.cella(unsigned_text(d.nimm));
    r.cella(data_iso(d));
    r.cella(ora_iso(d));
    r.intero(minuti(d.ora_dur, d.min_dur));
    r.numero(d.prof);
    r.temperatura(d.t_acqua);
    r.temperatura(d.t_aria);
    r.intero(minuti(d.ora_int, d.min_int));
    r.intero(d.lbomb);
    r.numero(d.bar);
    r.cella(voce_scelta(voci_muta, d.muta));
    r.cella(voce_scelta(voci_meteo, d.meteo));
    r.cella(voce_scelta(voci_alt, d.alt));
    r.testo(d.posto);
    r.testo(d.punto);
    r.testo(d.compagni);
    r.cella(testo_tipo_esportato(d));
    r.testo(testo_attivita_esportato(d));
    r.cella(testo_allarmi_esportato(d));
    r.testo(d.commenti);
    r.cella(nome_computer(d.computer));
    r.cella(d.lung_profilo != 0 ? "sì" : "no");
    r.fine();
}

}  // namespace

CsvFormat formato_csv(char decimal_separator) {
    return decimal_separator == ',' ? CsvFormat{';', ','} : CsvFormat{',', '.'};
}

std::string testo_csv(const Clogbook& logbook, CsvFormat formato) {
    std::string out = "\xEF\xBB\xBF";
    out.reserve(out.size() + 256 * std::size_t(logbook.immersioni.size()));
    Riga intestazione(out, formato);
    for (const char* t : intestazioni) intestazione.cella(t);
    intestazione.fine();
    for (const Timmersione& d : logbook.immersioni) riga_immersione(out, formato, d);
    return out;
}

void esporta_csv(const Clogbook& logbook, const std::filesystem::path& path, CsvFormat formato) {
    replace_file_atomically(path, testo_csv(logbook, formato));
}
