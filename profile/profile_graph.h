#pragma once

// The graph of a decoded profile on a canvas of W x H pixels: alarm lanes along the
// bottom, the framed plot with its time and depth grids, the depth curve and the
// mean-depth line. The whole graph is drawn every time; nothing is kept between paints.

#include "framework/core/canvas.h"
#include "profile/profile_decoder.h"

struct GraphScales {
    double x15 = 0;  // pixels per 15 samples (5 minutes); 0 with no sample
    double y2 = 0;   // pixels per 2 metres
};

// `prof` is the dive's maximum depth: the frame's bottom edge stands for prof + 2 m.
GraphScales draw_profile_graph(Canvas& canvas, int width, int height, const DecodedProfile& profile, double prof,
                               char decimal_separator);
