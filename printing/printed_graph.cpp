#include "printing/printed_graph.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {


// Pixels a metre down the box: the maximum depth plus 2 metres fills its height.
std::optional<double> depth_scale(const PageMetrics& m, double prof) {
    const double span = prof + 2.0;
    if (!std::isfinite(span) || span <= 0.0) return std::nullopt;
    return m.T / span;
}

void texts_above(Canvas& canvas, const PageMetrics& m, const Timmersione& dive, const DecodedProfile& profile,
                 char sep) {
    const int y = m.G - 2 * m.H + 10;
    canvas.setFontBold(true);
    canvas.textOut(m.M + 20, y, "Prof. Media: " + mean_depth_text(profile, sep) + " mt");
    canvas.textOut(m.M + 20 + m.C, y, "Consumo Aria: " + consumption_text(dive, profile, sep) + " l");
    canvas.setFontBold(false);
}

// A line every 15 samples (5 minutes), labelled in minutes below the box; none on
// the right edge.
void time_grid(Canvas& canvas, const PageMetrics& m, std::size_t n) {
    canvas.setPenWidth(1);
    const std::size_t lines = (n - 1) / 15;
    if (lines > static_cast<std::size_t>(std::max(m.R - m.M, 0))) return;
    const double x15 = static_cast<double>(m.R - m.M) / static_cast<double>(n) * 15.0;
    for (std::size_t i = 1; i <= lines; ++i) {
        const int x = to_pixel(i * x15 + m.M);
        canvas.moveTo(x, m.G);
        canvas.lineTo(x, m.B);
        canvas.textOut(to_pixel(i * x15 + m.M - 10.0), m.B + 10, std::to_string(i * 5));
    }
}

// A line every 2 metres, labelled in metres right of the box.
void depth_grid(Canvas& canvas, const PageMetrics& m, double prof) {
    const double span = prof + 2.0;
    const double y2 = m.T / span * 2.0;
    const double half_span = span * 0.5;
    if (half_span > std::max(m.T, 0)) return;
    const int lines = static_cast<int>(half_span);
    for (int j = 1; j <= lines; ++j) {
        const int y = to_pixel(j * y2 + m.G);
        canvas.moveTo(m.M, y);
        canvas.lineTo(m.R, y);
        canvas.textOut(m.R + 10, to_pixel(j * y2 + m.G - 10.0), std::to_string(2 * j));
    }
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
    time_grid(canvas, m, profile.n);
    const std::optional<double> scale = depth_scale(m, dive.prof);
    if (!scale) return;
    depth_grid(canvas, m, dive.prof);
    curve(canvas, m, profile, *scale);
    mean_line(canvas, m, profile, *scale);
}
