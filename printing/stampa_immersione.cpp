#include "printing/stampa_immersione.h"

#include <string>

#include "framework/core/number_text.h"
#include "printing/page_tables.h"
#include "printing/printed_graph.h"
#include "printing/stampa_testo.h"

namespace {

std::string whole(int32_t v) { return std::to_string(v); }

// The offset of a row of the description block below its nominal place.
int row_offset(int row) { return row <= 4 ? 0 : row <= 7 ? 20 : 50; }

void rule(Canvas& canvas, const PageMetrics& m, int y) {
    canvas.moveTo(m.M, y);
    canvas.lineTo(m.R, y);
}

void closed_box(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.moveTo(left, top);
    canvas.lineTo(left, bottom);
    canvas.lineTo(right, bottom);
    canvas.lineTo(right, top);
    canvas.lineTo(left, top);
}

void description(Canvas& canvas, const PageMetrics& m, const Timmersione& d, char sep) {
    auto at = [&](int row, int column, const std::string& text) {
        canvas.textOut(column_left(m, column), static_cast<int>(row_top(m, row, row_offset(row))), text);
    };

    at(1, 0, "N\xB0 Immersione: " + unsigned_text(d.nimm));
    at(1, 1, "Data: " + whole(d.giorno) + "/" + whole(d.mese) + "/" + whole(d.anno));
    at(1, 2, "Ora: " + whole(d.ora_imm) + ":" + whole(d.min_imm));
    at(1, 3, "Durata: " + whole(d.ora_dur) + ":" + whole(d.min_dur));
    at(3, 0, "Posto: " + d.posto);
    at(4, 0, "Punto: " + d.punto);
    at(5, 0, "Prof. Max: " + testo_profondita(d.prof, sep) + " mt");
    at(5, 1, "T\xB0 Acqua Min: " + testo_temperatura(d.t_acqua, sep) + "\xB0");
    at(5, 2, "T\xB0 Aria: " + testo_temperatura(d.t_aria, sep) + "\xB0");
    at(6, 0, "Int.Sup.: " + whole(d.ora_int) + ":" + whole(d.min_int));
    at(6, 1, "Bombola: " + whole(d.lbomb) + " l");
    at(6, 2, "Bar Usati: " + testo_bar(d.bar, sep) + " bar");
    at(7, 0, "Altitudine: " + testo_altitudine(d.alt));
    at(7, 1, "Cond.Meteo: " + testo_meteo(d.meteo));
    at(7, 2, "Muta: " + testo_muta(d.muta));
    at(8, 0, "Tipo Immersione: " + Clogbook::Testo_Tipo(d.tipo_bit, d.gas));
    at(9, 0, "Attivit\xE0: " + d.altro + " " + Clogbook::Testo_Attivita(d.att_bit1, d.att_bit2));
    at(10, 0, "Allarmi: " + Clogbook::Testo_Allarmi(d.allarmi_bit, d.allarmi_alto));
    at(11, 0, "Compagni: ");
    rule(canvas, m, m.M + 5 * m.H + 10);
    rule(canvas, m, m.M + 8 * m.H + 30);
}

}  // namespace

void Stampa_Immersione(Canvas& canvas, const PrintArea& area, const Timmersione& dive,
                       const PageChoices& choices, DecodedProfile& tables) {
    canvas.setFontFace(kPageFont);
    canvas.setFontSize(11);
    canvas.setFontBold(false);
    // Every page starts with the same thin black pen, whatever the page before left.
    canvas.setPenColour(colours::black);
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::solid);
    const PageMetrics m = page_metrics(area, canvas.textHeight("Fg"));
    const bool graph = choices.stampa_cosa == 1;

    closed_box(canvas, m.M, m.M, m.R, m.G - 25);
    rule(canvas, m, m.M + 2 * m.H + 10);
    if (graph) {
        closed_box(canvas, m.M, m.G, m.R, m.B);
        rule(canvas, m, m.G - 2 * m.H);
    }

    canvas.setFontBold(true);
    description(canvas, m, dive, choices.decimal_separator);

    canvas.setFontBold(false);
    const int n = 12 + Stampa_Testo(canvas, m, dive.compagni, 12);
    canvas.setFontBold(true);
    const int64_t commenti_top = row_top(m, n, 50);
    if (commenti_top < m.page_height) canvas.textOut(column_left(m, 0), static_cast<int>(commenti_top), "Commenti: ");
    canvas.setFontBold(false);
    Stampa_Testo(canvas, m, dive.commenti, n + 1);

    canvas.textOut(column_left(m, 3), m.G - 2 * m.H + 10, choices.nome_corto);

    if (!graph) return;
    canvas.setFontSize(10);
    if (dive.lung_profilo == 0) return;
    decode_profile(dive, tables);
    draw_printed_graph(canvas, m, dive, tables, choices.decimal_separator);
}
