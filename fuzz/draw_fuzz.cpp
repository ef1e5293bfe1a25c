// One dive made of arbitrary bytes, drawn as the screen graph at a few sizes, printed
// in both modes and read under a few mouse positions. Besides crashes and sanitizer
// reports, a finding is a drawing that does not stay within what the canvas can show:
// more operations than its size allows, or a "nan"/"inf" among the graph's texts.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_immersione.h"
#include "profile/graph_panels.h"
#include "profile/profile_graph.h"
#include "profile/profile_readout.h"

namespace {

Timmersione dive_from(FuzzedDataProvider& in) {
    static constexpr int32_t models[] = {30, 164, 244, 255};
    Timmersione dive;
    dive.computer = in.ConsumeBool() ? in.PickValueInArray(models) : in.ConsumeIntegral<int32_t>();
    dive.prof = in.ConsumeFloatingPoint<double>();
    dive.bar = in.ConsumeFloatingPoint<double>();
    dive.t_acqua = in.ConsumeFloatingPoint<double>();
    dive.t_aria = in.ConsumeFloatingPoint<double>();
    dive.lbomb = in.ConsumeIntegral<int32_t>();
    dive.ora_dur = in.ConsumeIntegral<int32_t>();
    dive.min_dur = in.ConsumeIntegral<int32_t>();
    dive.nimm = in.ConsumeIntegral<int32_t>();
    dive.alt = in.ConsumeIntegral<int32_t>();
    dive.meteo = in.ConsumeIntegral<int32_t>();
    dive.muta = in.ConsumeIntegral<int32_t>();
    dive.posto = in.ConsumeRandomLengthString(64);
    dive.compagni = in.ConsumeRandomLengthString(2000);
    dive.commenti = in.ConsumeRandomLengthString(4000);
    // The rest repeated makes profiles far longer than an input: up to ~100,000 samples.
    const unsigned repeats = 1 + in.ConsumeIntegral<uint8_t>() % 64;
    const std::string body = in.ConsumeRemainingBytesAsString();
    for (unsigned r = 0; r < repeats; ++r) dive.profilo += body;
    dive.lung_posto = static_cast<uint32_t>(dive.posto.size());
    dive.lung_compagni = static_cast<uint32_t>(dive.compagni.size());
    dive.lung_commenti = static_cast<uint32_t>(dive.commenti.size());
    dive.lung_profilo = static_cast<uint32_t>(dive.profilo.size());
    return dive;
}

bool not_finite_text(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// The drawing's operations are bounded by the pixels it could touch, beyond the
// profiles short enough to be drawn sample by sample.
void check_bounded(const RecordingCanvas& canvas, long width, long height, std::size_t samples) {
    const long exact = static_cast<long>(std::min<std::size_t>(samples, 2047));
    if (static_cast<long>(canvas.ops().size()) > 64 * (width + height) + 16 * exact + 1000) {
        std::fprintf(stderr, "%zu operations on %ld x %ld\n", canvas.ops().size(), width, height);
        std::abort();
    }
}

void draw_graph(const DecodedProfile& profile, const Timmersione& dive, int width, int height) {
    RecordingCanvas canvas;
    const GraphScales scales = draw_profile_graph(canvas, width, height, profile, dive.prof, '.');
    check_bounded(canvas, width, height, profile.n);
    for (const auto& op : canvas.of(RecordingCanvas::Kind::text))
        if (not_finite_text(op.text)) std::abort();

    GraphPanelValues panels;
    panels.prof = dive.prof;
    panels.nimm = dive.nimm;
    panels.testo_media = mean_depth_text(profile, '.');
    panels.testo_consumo = consumption_text(dive, profile, '.');
    if (not_finite_text(panels.testo_media) || not_finite_text(panels.testo_consumo)) std::abort();
    for (int x : {-100, 0, 1, width / 3, width - 51, width - 50, width + 500}) {
        const ProfileReadout readout = read_profile_at(x, width, scales.x15, profile, '.');
        if (readout.sample > profile.n || readout.testo_tempo.size() > 12 || readout.testo_prof.size() > 11 ||
            not_finite_text(readout.testo_tempo) || not_finite_text(readout.testo_prof))
            std::abort();
        panels.testo_tempo = readout.testo_tempo;
        panels.testo_prof = readout.testo_prof;
        graph_panel_texts(panels, '.');
    }
}

void print_page(const Timmersione& dive, DecodedProfile& tables, int32_t mode, int dpi, int width, int height) {
    RecordingCanvas canvas(dpi / 6);
    PageChoices choices;
    choices.stampa_cosa = mode;
    choices.nome_corto = "untitled.qvl";
    Stampa_Immersione(canvas, PrintArea{dpi, width, height}, dive, choices, tables);
    check_bounded(canvas, width, height, tables.n);
    // The description shows the stored values as they are; the graph's own texts
    // (drawn in the smaller font) never show a value that could not be computed.
    for (const auto& op : canvas.of(RecordingCanvas::Kind::text))
        if (op.font.points == 10 && not_finite_text(op.text)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(0, 3000);
    const int height = in.ConsumeIntegralInRange(0, 2000);
    const Timmersione dive = dive_from(in);

    DecodedProfile profile;
    decode_profile(dive, profile);
    if (profile.depth.size() != profile.n + 1 || profile.flags.size() != profile.n + 1) std::abort();

    draw_graph(profile, dive, 734, 487);
    draw_graph(profile, dive, 1920, 1080);
    draw_graph(profile, dive, 60, 90);
    draw_graph(profile, dive, 1, 1);
    draw_graph(profile, dive, width, height);

    DecodedProfile tables;
    print_page(dive, tables, 0, 600, 4724, 6779);
    print_page(dive, tables, 1, 300, 2362, 3389);
    print_page(dive, tables, 1, 72, 50, 50);
    return 0;
}
