#pragma once

// The pieces the profile graph is drawn from, in the order it draws them.

#include "framework/core/canvas.h"
#include "profile/graph_geometry.h"

// Under the plot, a lane for each of the six alarm flags: each stretch between two
// neighbouring samples shows the flags of its left sample.
void draw_alarm_lanes(Canvas& canvas, const GraphGeometry& g, const DecodedProfile& profile);
void draw_lane_labels(Canvas& canvas, const GraphGeometry& g);

// The depth curve from the surface at the top-left corner to sample N - 1, purple
// where the left sample carries an alarm other than TX, red elsewhere. Returns the
// width of the pen it ended with.
int draw_depth_curve(Canvas& canvas, const GraphGeometry& g, const DecodedProfile& profile);
// The dash-dot line at the mean depth, in the given pen width.
void draw_mean_line(Canvas& canvas, const GraphGeometry& g, const DecodedProfile& profile, int pen_width);
