#pragma once

// Dives and pages for the printing tests: a recording canvas, and profiles built
// sample by sample from depth steps of 0.15625 m.

#include <string>
#include <vector>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_immersione.h"
#include "support/profile_bytes.h"

using Kind = RecordingCanvas::Kind;

// A computer-30 profile holding these depth steps.
inline void give_profile(Timmersione& dive, const std::vector<unsigned>& steps) {
    std::vector<ProfileSample> samples(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) samples[k].depth = steps[k] * 0.15625;
    dive.computer = 30;
    dive.profilo = profile_bytes(samples);
    dive.lung_profilo = static_cast<uint32_t>(dive.profilo.size());
}

struct PrintedPage {
    RecordingCanvas canvas;
    DecodedProfile tables;

    explicit PrintedPage(int line_height) : canvas(line_height) {}

    void print(const PrintArea& area, const Timmersione& dive, int32_t cosa, const std::string& name = "log.qvl") {
        Stampa_Immersione(canvas, area, dive, PageChoices{cosa, name, '.'}, tables);
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& op : canvas.of(Kind::text)) out.push_back(op.text);
        return out;
    }
    // The text that starts with `prefix`, or null.
    const RecordingCanvas::Op* text_starting(const std::string& prefix) const {
        for (const auto& op : canvas.ops())
            if (op.kind == Kind::text && op.text.rfind(prefix, 0) == 0) return &op;
        return nullptr;
    }
    // Lines drawn in one pen colour.
    std::vector<RecordingCanvas::Op> lines_in(Rgb colour) const {
        std::vector<RecordingCanvas::Op> out;
        for (const auto& op : canvas.of(Kind::line_to))
            if (op.pen.colour == colour) out.push_back(op);
        return out;
    }
};

// A dive with a value in every field the page prints.
inline Timmersione described_dive() {
    return {.alt = 1, .meteo = 3, .muta = 2, .lbomb = 10, .nimm = 42, .giorno = 7, .mese = 8, .anno = 1999,
            .ora_imm = 9, .min_imm = 5, .ora_int = 1, .min_int = 30, .ora_dur = 0, .min_dur = 50,
            .prof = 18.0, .t_acqua = 14.5, .t_aria = 22.0, .bar = 150.0, .posto = "Portofino",
            .punto = "Cristo degli Abissi", .altro = "Foto", .compagni = "Anna", .commenti = "Mare calmo.", .profilo = {}};
}
