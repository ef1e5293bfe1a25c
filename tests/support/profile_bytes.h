#pragma once

// Profile bytes as a dive computer writes them, from depths and alarm flags: a header,
// then groups of three samples (10-bit depth of 0.15625 m steps, flags in the low six
// bits). A realistic dive shape for tests, benchmarks and pictures.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct ProfileSample {
    double depth = 0;   // metres, 0 to 159
    uint8_t flags = 0;  // 0x01 DECO, 0x02 RBT, 0x04 UP, 0x08 SOS, 0x10 AFFANNO, 0x20 TX
};

inline std::string profile_bytes(const std::vector<ProfileSample>& samples, std::size_t header = 22,
                                 std::size_t group = 7) {
    std::string out(header, '\x10');
    for (std::size_t s = 0; s < samples.size(); ++s) {
        const auto steps = static_cast<unsigned>(std::lround(std::clamp(samples[s].depth, 0.0, 159.0) / 0.15625));
        out.push_back(static_cast<char>(steps >> 2));
        out.push_back(static_cast<char>((steps & 3u) << 6 | (samples[s].flags & 0x3Fu)));
        if (s % 3 == 2) out.append(group - 6, '\x07');
    }
    return out;
}

// A dive of `count` samples (one every 20 s) down to `deepest` metres: descent, a
// wandering bottom, a multilevel ascent with a safety stop, the surface. A short
// decompression obligation at the end of the bottom, a too fast ascent flagged UP,
// the tank transmitter's signal lost for a while.
inline std::vector<ProfileSample> realistic_dive(std::size_t count, double deepest, unsigned seed = 7) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> wobble(0.0, 0.35);
    std::vector<ProfileSample> dive(count);
    const double n = static_cast<double>(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double f = (static_cast<double>(k) + 1.0) / n;  // fraction of the dive
        double depth;
        if (f < 0.08) depth = deepest * f / 0.08;
        else if (f < 0.40) depth = deepest - 3.0 + 3.0 * std::sin(f * 40.0) + wobble(rng);
        else if (f < 0.48) depth = deepest - 3.0 - (deepest - 18.0) * (f - 0.40) / 0.08;
        else if (f < 0.70) depth = 15.0 + 2.0 * std::sin(f * 30.0) + wobble(rng);
        else if (f < 0.80) depth = 15.0 - 10.0 * (f - 0.70) / 0.10;
        else if (f < 0.93) depth = 5.0 + 0.6 * wobble(rng);
        else depth = 5.0 * (1.0 - f) / 0.07;
        dive[k].depth = std::max(0.0, depth);
        if (f > 0.30 && f < 0.38) dive[k].flags |= 0x01;
        if (f > 0.42 && f < 0.45) dive[k].flags |= 0x04;
        if (f > 0.55 && f < 0.62) dive[k].flags |= 0x20;
    }
    return dive;
}
