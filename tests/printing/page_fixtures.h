#pragma once

// A page printed on a recording canvas, and a dive with a value in every printed field.

#include <string>
#include <vector>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_immersione.h"
#include "support/profile_bytes.h"

using Kind = RecordingCanvas::Kind;
using Op = RecordingCanvas::Op;

// A computer-30 profile of these depth steps of 0.15625 m.
inline void give_profile(Timmersione& dive, const std::vector<unsigned>& steps) {
    std::vector<ProfileSample> samples(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) samples[k].depth = steps[k] * 0.15625;
    dive.computer = 30;
    dive.profilo = profile_bytes(samples);
    dive.lung_profilo = static_cast<uint32_t>(dive.profilo.size());
}

struct PrintedPage : RecordingCanvas {
    PrintedPage(const PrintArea& area, int line_height, const Timmersione& dive, int32_t cosa,
                const std::string& name = "log.qvl")
        : RecordingCanvas(line_height) {
        DecodedProfile tables;
        Stampa_Immersione(*this, area, dive, PageChoices{cosa, name, '.'}, tables);
    }
    // The text that starts with `prefix`, or null.
    const Op* text_starting(const std::string& prefix) const {
        for (const Op& op : ops())
            if (op.kind == Kind::text && op.text.rfind(prefix, 0) == 0) return &op;
        return nullptr;
    }
    std::vector<Op> lines_in(Rgb colour) const {
        std::vector<Op> out;
        for (const Op& op : of(Kind::line_to))
            if (op.pen.colour == colour) out.push_back(op);
        return out;
    }
};

inline Timmersione described_dive() {
    return {.alt = 1, .meteo = 3, .muta = 2, .lbomb = 10, .nimm = 42, .giorno = 7, .mese = 8, .anno = 1999,
            .ora_imm = 9, .min_imm = 5, .ora_int = 1, .min_int = 30, .ora_dur = 0, .min_dur = 50,
            .prof = 18.0, .t_acqua = 14.5, .t_aria = 22.0, .bar = 150.0, .posto = "Portofino",
            .punto = "Cristo degli Abissi", .altro = "Foto", .compagni = "Anna", .commenti = "Mare calmo.", .profilo = {}};
}
