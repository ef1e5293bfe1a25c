#pragma once

// The floor every reader is measured against: the file read whole into memory
// with one read call, no parsing.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

inline void read_whole_file_plainly(benchmark::State& state, const std::filesystem::path& path) {
    const size_t size = std::filesystem::file_size(path);
    for (auto _ : state) {
        std::string bytes(size, '\0');
        int fd = ::open(path.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, bytes.data(), size));
        ::close(fd);
        benchmark::DoNotOptimize(bytes.data());
    }
}
