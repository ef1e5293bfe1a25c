#include "profile/graph_geometry.h"

#include <algorithm>

namespace {

double deepest_sample(const DecodedProfile& profile) {
    double deepest = 0;
    for (std::size_t k = 1; k <= profile.n; ++k) deepest = std::max(deepest, profile.depth[k]);
    return deepest;
}

}  // namespace

GraphGeometry::GraphGeometry(int canvas_width, int canvas_height, const DecodedProfile& profile, double prof)
    : width(canvas_width),
      height(canvas_height),
      plot_width(canvas_width - 50.0),
      plot_height(canvas_height - 80.0),
      n(profile.n),
      bottom_metres(prof + 2.0) {
    if (!std::isfinite(bottom_metres) || bottom_metres <= 0) bottom_metres = deepest_sample(profile) + 2.0;
}

double GraphGeometry::x15() const {
    if (n == 0) return 0;
    return plot_width / static_cast<double>(n) * 15.0;
}
