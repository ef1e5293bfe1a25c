// One paint of the profile graph at 1920 x 1080 through the QPainter canvas, beside a
// plain baseline on the same image: the same lines, in the same pens, drawn by bare
// QPainter::drawLine calls with nothing computed. The graph is redrawn whole at every
// movement of the marker, so this is the price of a mouse movement.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <map>
#include <vector>

#include "framework/core/recording_canvas.h"
#include "framework/painter_canvas.h"
#include "profile/profile_graph.h"
#include "support/profile_bytes.h"

namespace {

constexpr int width = 1920, height = 1080;

const DecodedProfile& profile_of(std::size_t samples) {
    static std::map<std::size_t, DecodedProfile> profiles;
    DecodedProfile& p = profiles[samples];
    if (p.n == 0) {
        Timmersione dive;
        dive.computer = 30;
        dive.profilo = profile_bytes(realistic_dive(samples, 35.0));
        dive.lung_profilo = uint32_t(dive.profilo.size());
        decode_profile(dive, p);
    }
    return p;
}

QImage& image() {
    static QImage picture(width, height, QImage::Format_RGB32);
    return picture;
}

// The graph's lines with their pens, as the recording canvas saw them.
struct PlainLine {
    QLine line;
    QPen pen;
    bool new_pen;  // differs from the line before
};

std::vector<PlainLine> lines_of(std::size_t samples) {
    RecordingCanvas recorder;
    draw_profile_graph(recorder, width, height, profile_of(samples), 37.0, '.');
    std::vector<PlainLine> lines;
    for (const auto& op : recorder.of(RecordingCanvas::Kind::line_to)) {
        const QPen pen = painter_pen(op.pen.colour, op.pen.width, op.pen.style);
        lines.push_back({QLine(op.x1, op.y1, op.x2, op.y2), pen, lines.empty() || lines.back().pen != pen});
    }
    return lines;
}

void BM_graph_paint(benchmark::State& state) {
    const DecodedProfile& profile = profile_of(std::size_t(state.range(0)));
    for (auto _ : state) {
        QPainter painter(&image());
        PainterCanvas canvas(&painter, QColor(240, 240, 240), Qt::black);
        benchmark::DoNotOptimize(draw_profile_graph(canvas, width, height, profile, 37.0, '.'));
    }
}

void BM_plain_drawLine(benchmark::State& state) {
    const std::vector<PlainLine> lines = lines_of(std::size_t(state.range(0)));
    state.counters["lines"] = double(lines.size());
    for (auto _ : state) {
        QPainter painter(&image());
        for (const PlainLine& l : lines) {
            if (l.new_pen) painter.setPen(l.pen);
            painter.drawLine(l.line);
        }
    }
}

}  // namespace

BENCHMARK(BM_graph_paint)->Arg(2047)->Arg(28000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_drawLine)->Arg(2047)->Arg(28000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
