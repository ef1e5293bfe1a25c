// The screen graph and its readout of one fuzzed dive (a profile as long as an input
// holds), at the design size or at a fuzzed one: one graph an input, for speed.

#include "fuzz/drawing_checks.h"
#include "fuzz/fuzz_dive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool design_size = in.ConsumeBool();
    const int width = design_size ? 734 : in.ConsumeIntegralInRange(0, 3000);
    const int height = design_size ? 487 : in.ConsumeIntegralInRange(0, 2000);
    const Timmersione dive = fuzzed_dive(in);
    const DecodedProfile profile = drawing_checks::decoded(dive);
    drawing_checks::draw_graph(profile, dive, width, height);
    return 0;
}
