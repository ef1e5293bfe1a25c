#pragma once

// The screen graph with its readout, and the printed page, drawn on a canvas that
// keeps only the texts. Besides crashes and sanitizer reports, a finding is a drawing
// that does not stay within what the canvas can show: more operations than its size
// allows, a "nan"/"inf" among the texts computed from numbers, a readout text longer
// than its panel or a sample outside the table, two grid labels that overlap.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_immersione.h"
#include "profile/graph_axes.h"
#include "profile/graph_panels.h"
#include "profile/profile_graph.h"
#include "profile/profile_readout.h"

namespace drawing_checks {

using Op = RecordingCanvas::Op;

[[noreturn]] inline void finding(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "finding: %s %s\n", what, detail.c_str());
    std::abort();
}

inline bool not_finite_text(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// The operations are bounded by the pixels they could touch, beyond the profiles
// short enough to be drawn sample by sample.
inline void check_bounded(const RecordingCanvas& canvas, long width, long height, std::size_t samples) {
    const long exact = static_cast<long>(std::min<std::size_t>(samples, exact_sample_limit));
    if (static_cast<long>(canvas.count()) > 64 * (width + height) + 16 * exact + 1000)
        finding("unbounded drawing", std::to_string(canvas.count()) + " operations on " + std::to_string(width) + " x " +
                                         std::to_string(height));
}

// No two of the texts `is_label` picks share a pixel, as the canvas measures them.
template <class IsLabel>
void check_labels_apart(RecordingCanvas& canvas, IsLabel is_label) {
    struct Box {
        int x, y, w;
        const std::string* text;
    };
    std::vector<Box> boxes;
    for (const Op& op : canvas.ops())
        if (op.kind == RecordingCanvas::Kind::text && is_label(op))
            boxes.push_back({op.x1, op.y1, canvas.textWidth(op.text), &op.text});
    const int h = canvas.textHeight("0");
    for (std::size_t a = 0; a < boxes.size(); ++a)
        for (std::size_t b = a + 1; b < boxes.size(); ++b) {
            const Box &p = boxes[a], &q = boxes[b];
            if (p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + h && q.y < p.y + h)
                finding("overlapping labels", *p.text + " | " + *q.text);
        }
}

inline DecodedProfile decoded(const Timmersione& dive) {
    DecodedProfile profile;
    decode_profile(dive, profile);
    if (profile.depth.size() != profile.n + 1 || profile.flags.size() != profile.n + 1) finding("decoded tables");
    return profile;
}

inline void draw_graph(const DecodedProfile& profile, const Timmersione& dive, int width, int height) {
    RecordingCanvas canvas(10, true);
    const GraphScales scales = draw_profile_graph(canvas, width, height, profile, dive.prof, '.');
    check_bounded(canvas, width, height, profile.n);
    for (const Op& op : canvas.ops())
        if (not_finite_text(op.text)) finding("not finite", op.text);
    check_labels_apart(canvas, [](const Op& op) { return op.font.face == "Times New Roman"; });

    GraphPanelValues panels;
    panels.prof = dive.prof;
    panels.nimm = dive.nimm;
    panels.testo_media = mean_depth_text(profile, '.');
    panels.testo_consumo = consumption_text(dive, profile, '.');
    if (not_finite_text(panels.testo_media) || not_finite_text(panels.testo_consumo)) finding("not finite panel");
    for (int x : {-100, 0, 1, width / 3, width - 51, width - 50, width + 500}) {
        const ProfileReadout readout = read_profile_at(x, width, scales.x15, profile, '.');
        if (readout.sample > profile.n || readout.testo_tempo.size() > 12 || readout.testo_prof.size() > 11 ||
            not_finite_text(readout.testo_tempo) || not_finite_text(readout.testo_prof))
            finding("readout", readout.testo_tempo + " " + readout.testo_prof);
        panels.testo_tempo = readout.testo_tempo;
        panels.testo_prof = readout.testo_prof;
        graph_panel_texts(panels, '.');
    }
}

// The page's texts made from numbers: the graph's own (the 10-point font) and the
// description's real values. The stored texts may hold any bytes.
inline bool from_numbers(const Op& op) {
    if (op.font.points == 10) return true;
    for (const char* label : {"Prof. Max: ", "T\xB0 Acqua Min: ", "T\xB0 Aria: ", "Bar Usati: "})
        if (op.text.rfind(label, 0) == 0) return true;
    return false;
}

inline void print_page(const Timmersione& dive, DecodedProfile& tables, int32_t mode, int dpi, int width,
                       int height) {
    RecordingCanvas canvas(dpi / 6, true);
    PageChoices choices;
    choices.stampa_cosa = mode;
    choices.nome_corto = "untitled.qvl";
    Stampa_Immersione(canvas, PrintArea{dpi, width, height}, dive, choices, tables);
    check_bounded(canvas, width, height, mode == 1 ? tables.n : 0);
    for (const Op& op : canvas.ops())
        if (from_numbers(op) && not_finite_text(op.text)) finding("not finite on the page", op.text);
    check_labels_apart(canvas, [](const Op& op) { return op.font.points == 10 && !op.font.bold; });
}

}  // namespace drawing_checks
