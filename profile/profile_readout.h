#pragma once

// The time and depth under the mouse on the profile graph.

#include <cstddef>
#include <string>

#include "profile/profile_decoder.h"

struct ProfileReadout {
    int x = 0;               // the marker's left edge: the mouse, kept within the plot
    std::size_t sample = 0;  // the sample read, 0..N
    std::string testo_tempo;
    std::string testo_prof;
};

// "Tempo:" and the minutes and seconds of `minutes`, cut to 12 characters.
std::string readout_time_text(double minutes);
// "Prof:" and the depth in metres, cut to 11 characters.
std::string readout_depth_text(double metres, char decimal_separator);

// `x15` is the scale of the last paint of a graph `width` pixels wide.
ProfileReadout read_profile_at(int mouse_x, int width, double x15, const DecodedProfile& profile,
                               char decimal_separator);
