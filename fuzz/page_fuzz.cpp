// The printed page of one fuzzed dive in both modes, on A4 at 600 dpi and on a fuzzed
// printable area.

#include "fuzz/drawing_checks.h"
#include "fuzz/fuzz_dive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int dpi = in.ConsumeIntegralInRange(1, 1200);
    const int width = in.ConsumeIntegralInRange(0, 10000);
    const int height = in.ConsumeIntegralInRange(0, 14000);
    const Timmersione dive = fuzzed_dive(in);
    DecodedProfile tables;
    drawing_checks::print_page(dive, tables, 0, 600, 4724, 6779);
    drawing_checks::print_page(dive, tables, 1, 600, 4724, 6779);
    drawing_checks::print_page(dive, tables, 1, dpi, width, height);
    return 0;
}
