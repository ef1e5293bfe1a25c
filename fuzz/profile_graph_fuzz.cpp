// Any profile bytes, maximum depth, graph size and mouse position: the decoding, the
// graph and the readout must neither crash nor convert a double out of int's range.

#include <cstring>

#include "framework/core/recording_canvas.h"
#include "profile/profile_graph.h"
#include "profile/profile_readout.h"

namespace {

template <class T>
T take(const uint8_t*& data, size_t& size) {
    T value{};
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int32_t models[] = {30, 164, 244, 255};
    Timmersione dive;
    dive.computer = models[take<uint8_t>(data, size) % 4];
    dive.prof = take<double>(data, size);
    const int width = take<uint16_t>(data, size) % 3000;
    const int height = take<uint16_t>(data, size) % 2000;
    const int mouse_x = take<int16_t>(data, size);
    // The body repeated makes profiles far longer than an input: up to ~100,000 samples.
    const unsigned repeats = 1 + take<uint8_t>(data, size) % 64;
    const std::string body(reinterpret_cast<const char*>(data), size);
    for (unsigned r = 0; r < repeats; ++r) dive.profilo += body;
    dive.lung_profilo = uint32_t(dive.profilo.size());

    DecodedProfile profile;
    decode_profile(dive, profile);
    RecordingCanvas canvas;
    const GraphScales scales = draw_profile_graph(canvas, width, height, profile, dive.prof, '.');
    read_profile_at(mouse_x, width, scales.x15, profile, '.');
    mean_depth_text(profile, '.');
    consumption_text(dive, profile, '.');
    return 0;
}
