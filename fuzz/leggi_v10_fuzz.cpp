#include "fuzz/fuzz_file.h"
#include "logbook/count_peek.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz_reader(
        data, size, peek_v10_count, [](Clogbook& log, const auto& path) { log.Leggi_V10(path); },
        [](const Clogbook& log) {
            // Version 1.0 has no dive-computer fields.
            for (const Timmersione& d : log.immersioni)
                if (d.computer != 0 || d.computer_extra != 0 || log.seriale[0] != 0) std::abort();
        });
}
