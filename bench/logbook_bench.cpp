// The logbook's file and sort operations, each beside its floor on the same data:
// a plain whole-file read, a plain atomic write of the same bytes, and std::sort of
// the bare keys.

#include <benchmark/benchmark.h>

#include "bench/plain_read.h"
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "bench/dive_generator.h"
#include "logbook/count_peek.h"

namespace {

std::filesystem::path bench_folder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "quorvel-bench";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

std::filesystem::path saved_file_of(uint32_t n) {
    auto path = bench_folder() / ("dives-" + std::to_string(n) + ".qvl");
    if (!std::filesystem::exists(path)) logbook_of(n).Scrivi(path);
    return path;
}

std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_Leggi(benchmark::State& state) {
    const auto path = saved_file_of(uint32_t(state.range(0)));
    std::unique_ptr<Clogbook> log;
    for (auto _ : state) {
        state.PauseTiming();
        log.reset();  // freeing the previous logbook is not part of reading
        state.ResumeTiming();
        log = std::make_unique<Clogbook>(peek_native_count(path));
        log->Leggi(path);
        benchmark::DoNotOptimize(log->immersioni.data());
    }
}

void BM_ReadWholeFile_floor(benchmark::State& state) {
    read_whole_file_plainly(state, saved_file_of(uint32_t(state.range(0))));
}

void BM_Scrivi(benchmark::State& state) {
    const Clogbook& log = logbook_of(uint32_t(state.range(0)));
    const auto path = bench_folder() / "scrivi.qvl";
    for (auto _ : state) log.Scrivi(path);
}

void write_atomically_plainly(const std::string& bytes) {
    const auto path = bench_folder() / "plain.qvl";
    const auto temp = bench_folder() / "plain.qvl.tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), path.c_str());
}

void BM_WriteAtomic_floor(benchmark::State& state) {
    const std::string bytes = file_bytes(saved_file_of(uint32_t(state.range(0))));
    for (auto _ : state) write_atomically_plainly(bytes);
}

// Loading a logbook and saving it again, beside reading the file's bytes and writing
// them back atomically.
void BM_LoadSave(benchmark::State& state) {
    const auto path = saved_file_of(uint32_t(state.range(0)));
    const auto target = bench_folder() / "scrivi.qvl";
    std::unique_ptr<Clogbook> log;
    for (auto _ : state) {
        state.PauseTiming();
        log.reset();
        state.ResumeTiming();
        log = std::make_unique<Clogbook>(peek_native_count(path));
        log->Leggi(path);
        log->Scrivi(target);
    }
}

void BM_ReadWriteAtomic_floor(benchmark::State& state) {
    const auto path = saved_file_of(uint32_t(state.range(0)));
    std::string bytes(std::filesystem::file_size(path), '\0');
    for (auto _ : state) {
        read_plainly_into(bytes, path);
        write_atomically_plainly(bytes);
    }
}

void BM_Ordina(benchmark::State& state) {
    const Clogbook& shuffled = logbook_of(uint32_t(state.range(0)));
    std::unique_ptr<Clogbook> log;
    for (auto _ : state) {
        state.PauseTiming();
        log.reset();  // freeing the dives is not part of the sort
        log = std::make_unique<Clogbook>(shuffled);
        state.ResumeTiming();
        log->Ordina();
        benchmark::DoNotOptimize(log->immersioni.data());
    }
}

void BM_StdSortOfKeys_floor(benchmark::State& state) {
    const Clogbook& shuffled = logbook_of(uint32_t(state.range(0)));
    using Key = std::array<uint32_t, 5>;
    std::vector<Key> keys;
    for (const Timmersione& d : shuffled.immersioni)
        keys.push_back({uint32_t(d.anno), uint32_t(d.mese), uint32_t(d.giorno), uint32_t(d.ora_imm),
                        uint32_t(d.min_imm)});
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Key> work = keys;
        state.ResumeTiming();
        std::sort(work.begin(), work.end());
        benchmark::DoNotOptimize(work.data());
    }
}

}  // namespace

BENCHMARK(BM_Leggi)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWholeFile_floor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scrivi)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAtomic_floor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSave)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWriteAtomic_floor)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ordina)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortOfKeys_floor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
