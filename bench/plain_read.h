#pragma once

// The floor every reader is measured against: the file read whole into memory
// with one read call, no parsing.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/kept_memory.h"

// Reads the whole file into `buffer`, which already holds its size.
inline void read_plainly_into(std::string& buffer, const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
    ::close(fd);
    benchmark::DoNotOptimize(buffer.data());
}

// The buffer is made once: filling fresh pages with zeros is no part of reading, and
// the readers beside it take their memory from the same kept heap (kept_memory.h).
inline void read_whole_file_plainly(benchmark::State& state, const std::filesystem::path& path) {
    std::string buffer(std::filesystem::file_size(path), '\0');
    for (auto _ : state) read_plainly_into(buffer, path);
}
