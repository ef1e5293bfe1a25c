#include "fuzz/fuzz_file.h"
#include "logbook/count_peek.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz_reader(
        data, size, peek_datatrak_count, [](Clogbook& log, const auto& path) { log.Leggi_DataTrak(path); },
        [](const Clogbook& log) {
            // Converted fields stay in the ranges their raw bytes allow.
            for (const Timmersione& d : log.immersioni)
                if (d.profilo.find('\0') != std::string::npos || d.mese < 1 || d.mese > 12 || d.giorno < 1 ||
                    d.giorno > 31 || d.alt < -1 || d.alt > 254 || d.min_imm > 59 || d.prof > 327.66)
                    std::abort();
        });
}
