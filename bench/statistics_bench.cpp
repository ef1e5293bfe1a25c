// The statistics window counts its dives each time it is activated: the count beside
// a plain loop that only sums the durations of the same dives.

#include <benchmark/benchmark.h>

#include "bench/dive_generator.h"
#include "statistics/statistics.h"

namespace {

void BM_count_statistics(benchmark::State& state) {
    const Clogbook& lb = logbook_of(uint32_t(state.range(0)));
    for (auto _ : state) {
        Statistics s = count_statistics(lb);
        benchmark::DoNotOptimize(s);
    }
}

// "Solo immersioni selezionate" with every other dive selected.
void BM_count_statistics_selected(benchmark::State& state) {
    const Clogbook& lb = logbook_of(uint32_t(state.range(0)));
    std::vector<bool> selected(lb.num_imm);
    for (std::size_t i = 0; i < selected.size(); i += 2) selected[i] = true;
    for (auto _ : state) {
        Statistics s = count_statistics(lb, selected);
        benchmark::DoNotOptimize(s);
    }
}

void BM_sum_durations_floor(benchmark::State& state) {
    const Clogbook& lb = logbook_of(uint32_t(state.range(0)));
    for (auto _ : state) {
        double total = 0;
        for (const Timmersione& d : lb.immersioni) total += double(d.ora_dur) * 60.0 + double(d.min_dur);
        benchmark::DoNotOptimize(total);
    }
}

}  // namespace

BENCHMARK(BM_count_statistics)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_count_statistics_selected)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sum_durations_floor)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
