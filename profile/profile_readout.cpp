#include "profile/profile_readout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/core/number_text.h"

namespace {

// 1 / 16.666: with the factor 1000 it makes a minute 60.0024 seconds, so that a third
// of a minute reads 0:20 and not 0:19.
constexpr double seconds_factor = 0.06000240009600384;

}  // namespace

std::string readout_time_text(double minutes) {
    // Callers keep the minutes finite, non-negative and within the dive.
    const auto whole = static_cast<int64_t>(minutes);
    // The long minute would read the last 0.04 s of one as its 60th second.
    const auto seconds = std::min<int64_t>(
        static_cast<int64_t>((minutes - static_cast<double>(whole)) * 1000.0 * seconds_factor), 59);
    return truncate_text("Tempo:" + std::to_string(whole) + ":" + std::to_string(seconds), 12);
}

std::string readout_depth_text(double metres, char decimal_separator) {
    return truncate_text("Prof:" + format_general(metres, decimal_separator), 11);
}

ProfileReadout read_profile_at(int mouse_x, int width, double x15, const DecodedProfile& profile,
                               char decimal_separator) {
    ProfileReadout r;
    // Right of the frame reads as its edge; left of the plot (a drag from the graph)
    // as its start.
    r.x = std::max(0, std::min(mouse_x, width - 50));

    double minutes = 0;
    if (std::isfinite(x15) && x15 > 0) minutes = r.x / x15 * 5.0;
    // Within the plot the minutes are at most N / 3, but x15 may come from another
    // width than the one given: the sample index is held to the table all the same.
    const double last = static_cast<double>(profile.n);
    const double k = std::min(std::trunc(minutes * 3.0), last);
    minutes = std::min(minutes, last / 3.0 + 1.0);

    r.testo_tempo = readout_time_text(minutes);

    r.sample = static_cast<std::size_t>(k);
    const double depth = r.sample < profile.depth.size() ? profile.depth[r.sample] : 0.0;
    r.testo_prof = readout_depth_text(depth, decimal_separator);
    return r;
}
