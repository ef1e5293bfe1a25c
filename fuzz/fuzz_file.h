#pragma once

// Runs one reader on fuzzer bytes written to a file, as the import commands do:
// peek the count, construct the logbook, read. The program's own errors are the
// expected outcome for damaged input; anything else (a crash, a sanitizer report,
// a broken invariant) is a finding.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/core/errors.h"
#include "logbook/Clogbook.h"

inline const std::filesystem::path& fuzz_input_path() {
    static const std::filesystem::path path = [] {
        const std::filesystem::path shm = "/dev/shm";
        const auto folder = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        return folder / ("quorvel-fuzz-" + std::to_string(::getpid()));
    }();
    return path;
}

// Every stored string must agree with its length.
inline void check_lengths(const Clogbook& log) {
    for (const Timmersione& d : log.immersioni)
        if (d.lung_posto != d.posto.size() || d.lung_punto != d.punto.size() || d.lung_altro != d.altro.size() ||
            d.lung_compagni != d.compagni.size() || d.lung_commenti != d.commenti.size() ||
            d.lung_profilo != d.profilo.size())
            std::abort();
}

template <typename Peek, typename Read, typename Check>
int fuzz_reader(const uint8_t* data, size_t size, Peek peek, Read read, Check check) {
    const auto& path = fuzz_input_path();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    try {
        Clogbook log(peek(path));
        read(log, path);
        if (log.corrente != 0) std::abort();
        check_lengths(log);
        check(log);
    } catch (const QuorvelError&) {
    }
    std::filesystem::remove(path);
    return 0;
}
