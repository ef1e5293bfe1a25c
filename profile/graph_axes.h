#pragma once

// What the axes of a profile graph stand for and where their grids go, the same on
// the screen and on paper: both draw the same curve from the same file, and neither
// draws a grid denser than its labels can be read.

#include <cstddef>
#include <string>
#include <vector>

#include "framework/core/canvas.h"
#include "profile/profile_decoder.h"

// Up to this many samples every sample is drawn on its own and every 5-minute grid
// line too; longer profiles are drawn a bounded number of segments per pixel column
// and get the grid a profile this long has, in multiples of 5 minutes.
inline constexpr std::size_t exact_sample_limit = 2047;

// The metres the bottom edge of the plot stands for: the dive's maximum depth plus
// 2 m. A maximum depth that gives no scale (NaN, infinite, -2 m or less) yields to
// the deepest sample plus 2 m, so that the curve still shows.
double bottom_metres(double prof, const DecodedProfile& profile);

// The plot frame in device pixels and where the grid labels stand: minutes along a
// row under the plot, metres in a column right of it.
struct PlotBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    double depth_pixels = 0;  // the height that `bottom_metres` span, down from `top`
    int time_labels_top = 0;
    int depth_labels_left = 0;
};

// A grid line at `at` (x of a time line, y of a depth line) and, where `label` is not
// empty, its label with the top-left corner at (label_x, label_y).
struct GridMark {
    int at = 0;
    int label_x = 0, label_y = 0;
    std::string label;
};

struct PlotGrids {
    std::vector<GridMark> time;   // every 5 minutes, none on the right edge
    std::vector<GridMark> depth;  // every 2 metres, down to the bottom edge
};

// The grids of `samples` samples (one every 20 s) over a plot whose bottom edge
// stands for `bottom` metres, measured in the canvas's current font. Lines stand at
// least a few pixels apart; depth lines thin out together with their labels where the
// labels would touch; every time line of a profile up to exact_sample_limit samples
// is drawn, but only as many carry a label as fit without overlapping each other or
// the depth labels. Labels are whole multiples of 5 minutes and 2 metres.
PlotGrids plan_grids(Canvas& canvas, const PlotBox& box, std::size_t samples, double bottom, char decimal_separator);

// Lines with the current pen, labels with the current font.
void draw_time_marks(Canvas& canvas, const PlotBox& box, const std::vector<GridMark>& marks);
void draw_depth_marks(Canvas& canvas, const PlotBox& box, const std::vector<GridMark>& marks);
