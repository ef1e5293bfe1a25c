#pragma once

// The dive computer's profile bytes as depths and alarm flags, three samples to a
// group after a model-dependent header. Shared by the screen graph and the printed
// page, so both always show the same samples.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "logbook/Clogbook.h"

struct DecodedProfile {
    // Slot 0 is the surface at the start of the dive (depth 0, no flags); slots 1..n
    // hold the samples in recording order, one every 20 seconds.
    std::vector<double> depth;
    std::vector<uint8_t> flags;
    std::size_t n = 0;  // samples decoded
    double sum = 0;     // of the n depths
};

std::size_t profile_header_length(int32_t computer);
std::size_t profile_group_length(int32_t computer);

// Samples that `length` profile bytes hold: three per whole group, and one per whole
// byte pair among the first six bytes of a final short group.
std::size_t profile_sample_count(int32_t computer, std::size_t length);

// Decodes the dive's profile into `out`, reusing its tables: no allocation per sample,
// none at all once the tables have held a profile as long.
void decode_profile(const Timmersione& dive, DecodedProfile& out);

// Depth of one sample from its two bytes (0xFF read as 0): 10 bits, 0.15625 m a step.
double sample_depth(uint8_t high, uint8_t low_and_flags);

// The mean depth, cut to 4 characters; "0" when there is no sample.
std::string mean_depth_text(const DecodedProfile& profile, char decimal_separator);

// Air consumption in litres a minute at the surface: tank litres times pressure used,
// over the minutes, over the mean depth in atmospheres. Cut to 4 characters; "0" with
// no pressure used and wherever it cannot be computed (no sample, no minutes).
std::string consumption_text(const Timmersione& dive, const DecodedProfile& profile,
                             char decimal_separator);
