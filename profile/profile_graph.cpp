#include "profile/profile_graph.h"

#include <algorithm>
#include <cmath>

#include "framework/core/number_text.h"
#include "profile/graph_parts.h"

namespace {

// Every how many grid steps a line is drawn: 1, or where the steps stand closer than
// a pixel, enough of them to make more than a pixel (a hair more, so that rounding
// never puts two lines on one row). A grid thus never has more lines than the plot
// has pixels across it.
double grid_stride(double pixels_per_step) {
    return pixels_per_step >= 1.0 ? 1.0 : std::ceil(1.0 / pixels_per_step * (1.0 + 1e-12));
}

bool usable_scale(double pixels) { return std::isfinite(pixels) && pixels > 0; }

// Calls draw(step) for the grid steps 1, 2, 3, ... (every stride-th where they stand
// closer than a pixel) while within(step) holds, never more often than the plot has
// pixels across the grid.
template <class Within, class Draw>
void for_each_grid_step(double pixels_per_step, double pixels_across, double least_stride, Within within, Draw draw) {
    if (!usable_scale(pixels_per_step)) return;
    const double stride = std::max(grid_stride(pixels_per_step), least_stride);
    for (double k = 1; k <= pixels_across + 1; ++k) {
        const double step = k * stride;
        if (!within(step)) break;
        draw(step);
    }
}

}  // namespace

void draw_time_grid(Canvas& canvas, const GraphGeometry& g) {
    const double x15 = g.x15();
    // A line on the frame's right edge is not drawn.
    const auto before_the_end = [&](double i) { return 15.0 * i < static_cast<double>(g.n); };
    // A profile of more than 2047 samples gets the grid a 2047-sample one has, in
    // multiples of 5 minutes: 136 lines at most, not a line on every pixel column.
    const double per_line = std::ceil(static_cast<double>(g.n) / static_cast<double>(exact_sample_limit));
    for_each_grid_step(x15, g.plot_width, per_line, before_the_end, [&](double i) {
        const int x = to_pixel(x15 * i);
        canvas.moveTo(x, 0);
        canvas.lineTo(x, to_pixel(g.plot_height));
        canvas.textOut(to_pixel(x15 * i - 10.0), g.height - 70, std::to_string(static_cast<unsigned long long>(5.0 * i)));
    });
}

void draw_depth_grid(Canvas& canvas, const GraphGeometry& g, char decimal_separator) {
    const double y2 = g.y2();
    // The last line may lie on the bottom edge, which stands for prof + 2 m.
    const auto down_to_the_bottom = [&](double j) { return j <= g.bottom_metres * 0.5; };
    for_each_grid_step(y2, g.plot_height, 1.0, down_to_the_bottom, [&](double j) {
        const int y = to_pixel(y2 * j);
        canvas.moveTo(0, y);
        canvas.lineTo(to_pixel(g.plot_width), y);
        canvas.textOut(g.width - 30, to_pixel(y2 * j - 10.0), format_general(2.0 * j, decimal_separator));
    });
}

GraphScales draw_profile_graph(Canvas& canvas, int width, int height, const DecodedProfile& profile, double prof,
                               char decimal_separator) {
    const GraphGeometry g(width, height, profile, prof);

    canvas.fillBackground(0, height - 53, width, height);
    canvas.setPenStyle(PenStyle::solid);
    draw_alarm_lanes(canvas, g, profile);

    canvas.setFontFace("SmallFont");
    canvas.setFontSize(5);
    canvas.setFontBold(false);
    draw_lane_labels(canvas, g);

    canvas.setPenColour(colours::black);
    canvas.setPenWidth(4);
    canvas.rectangle(0, 0, width - 50, height - 80);

    canvas.setPenWidth(1);
    canvas.setFontFace("Times New Roman");
    canvas.setFontSize(8);
    canvas.fillBackground(0, height - 70, width, height - 55);
    draw_time_grid(canvas, g);

    canvas.fillBackground(width - 40, 0, width, height - 55);
    draw_depth_grid(canvas, g, decimal_separator);

    const int curve_pen = draw_depth_curve(canvas, g, profile);
    draw_mean_line(canvas, g, profile, curve_pen);
    canvas.setPenColour(colours::black);
    canvas.setPenStyle(PenStyle::solid);

    return {g.x15(), g.y2()};
}
