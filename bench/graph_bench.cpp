// One paint of the profile graph at 1920 x 1080 through the QPainter canvas, beside a
// plain baseline on the same image: the same lines, in the same pens, drawn by bare
// QPainter::drawLine calls with nothing computed. And a movement of the marker over the
// real window's graph of that size, which shows the kept picture again, beside the
// same movement with every paint drawing the whole graph.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "framework/core/recording_canvas.h"
#include "framework/paint_box.h"
#include "framework/painter_canvas.h"
#include "loaded_window.h"
#include "mainwindow/TMainForm.h"
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

// The main window showing a dive of that many samples, its graph 1920 x 1080.
TMainForm& window_with_graph(std::size_t samples) {
    static std::map<std::size_t, std::unique_ptr<TMainForm>> forms;
    auto& form = forms[samples];
    if (!form) {
        form = std::make_unique<TMainForm>();
        Clogbook& lb = form->logbook();
        lb.set_computer(30);
        lb.set_profilo(profile_bytes(realistic_dive(samples, 35.0)));
        lb.set_prof(37.0);
        form->show();
        form->ListBox1DblClick();
        QApplication::processEvents();
        form->resize(form->size() + QSize(width, height) - form->figura->size());
        QApplication::processEvents();
    }
    return *form;
}

// The readout, the marker's move and the repaint it causes, back and forth.
void move_marker_back_and_forth(benchmark::State& state, TMainForm& form) {
    state.counters["width"] = form.figura->width();
    state.counters["height"] = form.figura->height();
    int x = 400;
    for (auto _ : state) {
        x = x == 400 ? 1200 : 400;
        form.figuraMouseMove(x, 100);
        QApplication::processEvents();
    }
}

void BM_marker_move(benchmark::State& state) {
    move_marker_back_and_forth(state, window_with_graph(std::size_t(state.range(0))));
}

void BM_marker_move_whole_paint(benchmark::State& state) {
    TMainForm& form = window_with_graph(std::size_t(state.range(0)));
    const auto key = std::exchange(form.figura->pictureKey, nullptr);
    move_marker_back_and_forth(state, form);
    form.figura->pictureKey = key;
}

}  // namespace

BENCHMARK(BM_marker_move)->Arg(2047)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_marker_move_whole_paint)->Arg(2047)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_graph_paint)->Arg(2047)->Arg(28000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_drawLine)->Arg(2047)->Arg(28000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return run_benchmarks_with_qt(argc, argv); }
