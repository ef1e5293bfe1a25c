// Profiles far longer than an input (its bytes repeated, up to ~100,000 samples) on
// the screen, at a fuzzed window size, and on the page: the slow part of the drawing.

#include "fuzz/drawing_checks.h"
#include "fuzz/fuzz_dive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(0, 3000);
    const int height = in.ConsumeIntegralInRange(0, 2000);
    const Timmersione dive = fuzzed_dive(in, 64);
    const DecodedProfile profile = drawing_checks::decoded(dive);
    drawing_checks::draw_graph(profile, dive, width, height);
    DecodedProfile tables;
    drawing_checks::print_page(dive, tables, 1, 600, 4724, 6779);
    return 0;
}
