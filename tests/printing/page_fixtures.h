#pragma once

// Dives and pages for the printing tests: a recording canvas, and profiles built
// sample by sample from depth steps of 0.15625 m.

#include <string>
#include <vector>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_immersione.h"

using Kind = RecordingCanvas::Kind;

// A computer-30 profile (22-byte header, groups of 7) holding these depth steps.
inline std::string profile_of_steps(const std::vector<unsigned>& steps) {
    std::string bytes(22, '\x11');
    for (std::size_t k = 0; k < steps.size(); ++k) {
        bytes += static_cast<char>(steps[k] / 4);
        bytes += static_cast<char>((steps[k] % 4) << 6);
        if (k % 3 == 2) bytes += '\x33';
    }
    return bytes;
}

inline void give_profile(Timmersione& dive, const std::vector<unsigned>& steps) {
    dive.computer = 30;
    dive.profilo = profile_of_steps(steps);
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
    Timmersione d;
    d.nimm = 42;
    d.giorno = 7;
    d.mese = 8;
    d.anno = 1999;
    d.ora_imm = 9;
    d.min_imm = 5;
    d.ora_dur = 0;
    d.min_dur = 50;
    d.ora_int = 1;
    d.min_int = 30;
    d.prof = 18.0;
    d.t_acqua = 14.5;
    d.t_aria = 22.0;
    d.lbomb = 10;
    d.bar = 150.0;
    d.alt = 1;
    d.meteo = 3;
    d.muta = 2;
    d.posto = "Portofino";
    d.punto = "Cristo degli Abissi";
    d.altro = "Foto";
    d.compagni = "Anna";
    d.commenti = "Mare calmo.";
    return d;
}
