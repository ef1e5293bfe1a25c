// The UDDF import of the 100,000-dive benchmark logbook's export beside a plain
// QXmlStreamReader pass over the same file (every token read, nothing kept).

#include <benchmark/benchmark.h>

#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>

#include "bench/dive_generator.h"
#include "export/uddf_export.h"
#include "export/uddf_import.h"

namespace {

const std::filesystem::path& exported_file() {
    static const std::filesystem::path path = [] {
        const auto p = std::filesystem::temp_directory_path() / "quorvel-bench-import.uddf";
        esporta_uddf(logbook_of(100000), p, "2026-12-07T15:00:00");
        return p;
    }();
    return path;
}

void BM_PlainXmlPass(benchmark::State& state) {
    QFile file(QString::fromStdString(exported_file().string()));
    for (auto _ : state) {
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader r(&file);
        std::size_t tokens = 0;
        while (!r.atEnd()) tokens += r.readNext() != QXmlStreamReader::Invalid;
        benchmark::DoNotOptimize(tokens);
        file.close();
    }
    state.counters["MB"] = double(std::filesystem::file_size(exported_file())) / 1e6;
}

void BM_ImportaUDDF(benchmark::State& state) {
    for (auto _ : state) {
        const auto log = importa_uddf(exported_file());
        benchmark::DoNotOptimize(log->num_imm);
    }
}

}  // namespace

BENCHMARK(BM_PlainXmlPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportaUDDF)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove(exported_file());  // over a gigabyte
    return 0;
}
