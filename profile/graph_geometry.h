#pragma once

// Where samples and depths fall on the graph of a W x H canvas: the plot frame spans
// (0, 0) to (W - 50, H - 80), time runs right at one sample every 20 seconds, depth
// runs down to the frame's bottom edge.

#include <cmath>
#include <cstddef>

#include "framework/core/pixel.h"
#include "profile/graph_axes.h"
#include "profile/profile_decoder.h"

struct GraphGeometry {
    GraphGeometry(int canvas_width, int canvas_height, const DecodedProfile& profile, double prof);

    int width, height;
    double plot_width;   // W - 50
    double plot_height;  // H - 80
    std::size_t n;       // samples
    double bottom_metres;  // at the frame's bottom edge

    int sample_x(std::size_t t) const { return to_pixel(plot_width / static_cast<double>(n) * static_cast<double>(t)); }
    int depth_y(double metres) const { return to_pixel(metres * plot_height / bottom_metres); }

    // Pixels per 15 samples (a 5-minute grid step); 0 when there is no sample.
    double x15() const;
    // Pixels per 2 metres.
    double y2() const { return plot_height / bottom_metres * 2.0; }

    // The plot frame and where its grid labels stand.
    PlotBox box() const;
};
