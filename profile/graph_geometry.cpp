#include "profile/graph_geometry.h"

GraphGeometry::GraphGeometry(int canvas_width, int canvas_height, const DecodedProfile& profile, double prof)
    : width(canvas_width),
      height(canvas_height),
      plot_width(canvas_width - 50.0),
      plot_height(canvas_height - 80.0),
      n(profile.n),
      bottom_metres(::bottom_metres(prof, profile)) {}

double GraphGeometry::x15() const {
    if (n == 0) return 0;
    return plot_width / static_cast<double>(n) * 15.0;
}

PlotBox GraphGeometry::box() const {
    return {0, 0, width - 50, height - 80, plot_height, height - 70, width - 30};
}
