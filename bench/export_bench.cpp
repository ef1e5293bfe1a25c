// The two exports beside Scrivi of the same logbook, in one run: 100,000 dives, most
// with a 300-byte profile. Every write is atomic and flushed to disk, as Scrivi's is.
// The profiles are random bytes, which raise some alarm at almost every sample; the
// "real dives" variant gives the same dives profiles shaped like real ones (alarms
// rare), which is what decides the UDDF file's size in practice.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench/dive_generator.h"
#include "export/csv_export.h"
#include "export/uddf_export.h"
#include "support/profile_bytes.h"

namespace {

std::filesystem::path bench_file(const char* name) {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "quorvel-bench";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder / name;
}

// The same dives, each 300-byte profile replaced by one of a real dive's shape.
const Clogbook& real_dives_of(uint32_t n) {
    static std::unique_ptr<Clogbook> log;
    if (!log || log->num_imm != n) {
        log = std::make_unique<Clogbook>(make_plausible_logbook(n));
        for (uint32_t i = 0; i < n; ++i) {
            log->corrente = i;
            if (log->attuale().lung_profilo == 0) continue;
            std::string bytes = profile_bytes(realistic_dive(119, 10.0 + i % 30, i));
            bytes.resize(300, '\x07');
            log->set_profilo(bytes);
        }
        log->corrente = 0;
    }
    return *log;
}

void BM_Scrivi(benchmark::State& state) {
    const Clogbook& log = logbook_of(uint32_t(state.range(0)));
    for (auto _ : state) log.Scrivi(bench_file("export-baseline.qvl"));
}

void BM_EsportaUDDF(benchmark::State& state) {
    const Clogbook& log = logbook_of(uint32_t(state.range(0)));
    for (auto _ : state) esporta_uddf(log, bench_file("export.uddf"), "2026-12-07T15:00:00");
    state.counters["MB"] = double(std::filesystem::file_size(bench_file("export.uddf"))) / 1e6;
    std::filesystem::remove(bench_file("export.uddf"));  // over a gigabyte
}

void BM_EsportaUDDF_RealDives(benchmark::State& state) {
    const Clogbook& log = real_dives_of(uint32_t(state.range(0)));
    for (auto _ : state) esporta_uddf(log, bench_file("export-real.uddf"), "2026-12-07T15:00:00");
    state.counters["MB"] = double(std::filesystem::file_size(bench_file("export-real.uddf"))) / 1e6;
    std::filesystem::remove(bench_file("export-real.uddf"));
}

void BM_EsportaCSV(benchmark::State& state) {
    const Clogbook& log = logbook_of(uint32_t(state.range(0)));
    for (auto _ : state) esporta_csv(log, bench_file("export.csv"), formato_csv(','));
    state.counters["MB"] = double(std::filesystem::file_size(bench_file("export.csv"))) / 1e6;
}

}  // namespace

BENCHMARK(BM_Scrivi)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EsportaUDDF)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EsportaUDDF_RealDives)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EsportaCSV)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
