// The screen graph and its readout of one fuzzed dive (a profile as long as an input
// holds) at the design size and at a fuzzed one.

#include "fuzz/drawing_checks.h"
#include "fuzz/fuzz_dive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(0, 3000);
    const int height = in.ConsumeIntegralInRange(0, 2000);
    const Timmersione dive = fuzzed_dive(in);
    const DecodedProfile profile = drawing_checks::decoded(dive);
    drawing_checks::draw_graph(profile, dive, 734, 487);
    drawing_checks::draw_graph(profile, dive, width, height);
    return 0;
}
