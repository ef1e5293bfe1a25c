// The DataTrak import beside a plain read of the same file's bytes. A DataTrak
// header counts at most 65535 dives, so the 100,000-dive case sizes the logbook
// itself, as a caller could; 65535 goes through the peek like the import command.

#include <benchmark/benchmark.h>

#include "bench/plain_read.h"
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "logbook/count_peek.h"
#include "support/import_writers.h"

namespace {

std::vector<DataTrakDive> plausible_dives(uint32_t n) {
    static const char* const places[] = {"Elba", "Portofino", "Ustica", "Lampedusa", "Capo Noli", ""};
    std::mt19937 rng(7);
    std::vector<DataTrakDive> dives(n);
    for (DataTrakDive& d : dives) {
        d.giorni = 140000 + rng() % 10000;
        d.minuti_inizio = uint16_t(rng() % 1440);
        d.posto = places[rng() % 6];
        d.punto = "Secca di Capo Poro";
        d.intervallo = uint16_t(rng() % 600);
        d.t_aria = uint16_t(1500 + rng() % 2000);
        d.lbomb = rng() % 2 ? 1200 : 1500;
        d.prof = uint16_t(rng() % 4000);
        d.durata = uint16_t(20 + rng() % 40);
        d.t_acqua = uint16_t(1000 + rng() % 1500);
        d.bar = uint16_t(10000 + rng() % 12000);
        d.compagni = "Anna Rossi\r\nPaolo Bianchi";
        d.commenti = "Buona visibilita', corrente debole da nord. Visti due polpi e una murena.";
        d.computer = uint8_t(28 + rng() % 4);
        if (rng() % 10 != 0) {
            d.profilo.resize(300);
            for (char& c : d.profilo) c = char(rng() % 256);  // zero bytes included
        }
    }
    return dives;
}

std::filesystem::path datatrak_file_of(uint32_t n) {
    const auto folder = std::filesystem::temp_directory_path() / "quorvel-bench";
    std::filesystem::create_directories(folder);
    const auto path = folder / ("dives-" + std::to_string(n) + ".log");
    if (!std::filesystem::exists(path))
        std::ofstream(path, std::ios::binary) << datatrak_bytes({}, plausible_dives(n));
    return path;
}

void BM_Leggi_DataTrak(benchmark::State& state) {
    const uint32_t n = uint32_t(state.range(0));
    const auto path = datatrak_file_of(n);
    std::unique_ptr<Clogbook> log;
    for (auto _ : state) {
        state.PauseTiming();
        log.reset();  // freeing the previous logbook is not part of reading
        state.ResumeTiming();
        log = std::make_unique<Clogbook>(n <= 0xFFFF ? peek_datatrak_count(path) : n);
        log->Leggi_DataTrak(path);
        benchmark::DoNotOptimize(log->immersioni.data());
    }
}

void BM_ReadWholeFile_floor(benchmark::State& state) {
    read_whole_file_plainly(state, datatrak_file_of(uint32_t(state.range(0))));
}

}  // namespace

BENCHMARK(BM_Leggi_DataTrak)->Arg(65535)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWholeFile_floor)->Arg(65535)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
