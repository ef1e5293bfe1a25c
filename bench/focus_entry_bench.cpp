// Entering the dive list sorts the logbook, rebuilds the list and refills the editor.
// Measured on the real main window (offscreen) beside the bare sort of the same dives.

#include <benchmark/benchmark.h>

#include <QListView>

#include "dive_generator.h"
#include "loaded_window.h"

namespace {

struct Date {
    int32_t giorno, mese, anno, ora, min;
};

// The dives' dates and times in generated (unsorted) order, put back before each run.
std::vector<Date> shuffled_dates(const Clogbook& lb) {
    std::vector<Date> dates;
    for (const Timmersione& d : lb.immersioni) dates.push_back({d.giorno, d.mese, d.anno, d.ora_imm, d.min_imm});
    return dates;
}

void unsort(Clogbook& lb, const std::vector<Date>& dates) {
    for (size_t i = 0; i < dates.size(); ++i) {
        Timmersione& d = lb.immersioni[i];
        d.giorno = dates[i].giorno;
        d.mese = dates[i].mese;
        d.anno = dates[i].anno;
        d.ora_imm = dates[i].ora;
        d.min_imm = dates[i].min;
    }
    lb.corrente = uint32_t(dates.size() / 2);
}

struct Window {
    std::unique_ptr<TMainForm> form;
    std::vector<Date> dates;
};

// One window per size, loaded once through the File command as a user would.
Window& window_with(uint32_t n) {
    static std::map<uint32_t, Window> windows;
    Window& w = windows[n];
    if (!w.form) {
        const Clogbook lb = make_plausible_logbook(n);
        const auto path = bench_file("quorvel_focus_");
        w.form = loaded_window(lb, path);
        std::filesystem::remove(path);
        w.dates = shuffled_dates(lb);
    }
    return w;
}

void BM_ListBox1Enter(benchmark::State& state) {
    Window& w = window_with(uint32_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        unsort(w.form->logbook(), w.dates);
        state.ResumeTiming();
        w.form->ListBox1Enter();
        QApplication::processEvents();  // the list repaints
    }
}

// The common case: the list gets the focus again and the logbook is still in order.
void BM_ListBox1Enter_sorted(benchmark::State& state) {
    Window& w = window_with(uint32_t(state.range(0)));
    unsort(w.form->logbook(), w.dates);
    w.form->logbook().Ordina();
    for (auto _ : state) {
        w.form->ListBox1Enter();
        QApplication::processEvents();
    }
}

void BM_Ordina_floor(benchmark::State& state) {
    Window& w = window_with(uint32_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        unsort(w.form->logbook(), w.dates);
        state.ResumeTiming();
        w.form->logbook().Ordina();
    }
}

}  // namespace

BENCHMARK(BM_ListBox1Enter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListBox1Enter_sorted)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ordina_floor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return run_benchmarks_with_qt(argc, argv); }
