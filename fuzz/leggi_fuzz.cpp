#include "fuzz/fuzz_file.h"
#include "logbook/count_peek.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz_reader(
        data, size, peek_native_count, [](Clogbook& log, const auto& path) { log.Leggi(path); },
        [](const Clogbook&) {});
}
