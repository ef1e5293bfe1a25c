#include "printing/printed_graph.h"

#include <algorithm>

#include "profile/graph_axes.h"

namespace {

void texts_above(Canvas& canvas, const PageMetrics& m, const Timmersione& dive, const DecodedProfile& profile,
                 char sep) {
    const int y = m.G - 2 * m.H + 10;
    canvas.setFontBold(true);
    canvas.textOut(m.M + 20, y, "Prof. Media: " + mean_depth_text(profile, sep) + " mt");
    canvas.textOut(m.M + 20 + m.C, y, "Consumo Aria: " + consumption_text(dive, profile, sep) + " l");
    canvas.setFontBold(false);
}

// The samples from the surface at the box's top-left corner to sample N - 1. Where
// several samples share a pixel column only the column's first, highest, lowest and
// last points are drawn: the same pixels, and no more lines than the box is wide.
void curve(Canvas& canvas, const PageMetrics& m, const DecodedProfile& profile, double scale) {
    canvas.moveTo(m.M, m.G);
    canvas.setPenWidth(3);
    canvas.setPenColour(colours::red);
    const double step = static_cast<double>(m.R - m.M) / static_cast<double>(profile.n);
    int last_y = m.G;
    auto draw_to = [&](int x, int y) {
        canvas.lineTo(x, y);
        last_y = y;
    };
    std::size_t i = 1;
    while (i < profile.n) {
        const int x = to_pixel(step * i + m.M);
        const int first = to_pixel(scale * profile.depth[i] + m.G);
        int top = first, bottom = first, last = first;
        for (++i; i < profile.n && to_pixel(step * i + m.M) == x; ++i) {
            last = to_pixel(scale * profile.depth[i] + m.G);
            top = std::min(top, last);
            bottom = std::max(bottom, last);
        }
        draw_to(x, first);
        if (top != last_y) draw_to(x, top);
        if (bottom != last_y) draw_to(x, bottom);
        if (last != last_y) draw_to(x, last);
    }
}

void mean_line(Canvas& canvas, const PageMetrics& m, const DecodedProfile& profile, double scale) {
    canvas.setPenColour(colours::green);
    canvas.setPenStyle(PenStyle::dash_dot);
    const int y = to_pixel(scale * profile.sum / static_cast<double>(profile.n) + m.G);
    canvas.moveTo(m.M, y);
    canvas.lineTo(m.R, y);
    canvas.setPenColour(colours::black);
    canvas.setPenStyle(PenStyle::solid);
}

}  // namespace

void draw_printed_graph(Canvas& canvas, const PageMetrics& m, const Timmersione& dive,
                        const DecodedProfile& profile, char decimal_separator) {
    if (profile.n == 0) return;
    texts_above(canvas, m, dive, profile, decimal_separator);
    const double bottom = bottom_metres(dive.prof, profile);
    // Minutes under the box, metres right of it.
    const PlotBox box{m.M, m.G, m.R, m.B, static_cast<double>(m.T), m.B + 10, m.R + 10};
    const PlotGrids grids = plan_grids(canvas, box, profile.n, bottom, decimal_separator);
    canvas.setPenWidth(1);
    draw_time_marks(canvas, box, grids.time);
    draw_depth_marks(canvas, box, grids.depth);
    const double scale = m.T / bottom;
    curve(canvas, m, profile, scale);
    mean_line(canvas, m, profile, scale);
}
