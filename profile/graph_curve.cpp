#include <algorithm>

#include "profile/graph_parts.h"

namespace {

// DECO, RBT, UP, SOS, AFFANNO; TX alone leaves the curve red.
constexpr uint8_t curve_alarms = 0x1F;

int set_curve_pen(Canvas& canvas, bool alarm) {
    const int width = alarm ? 3 : 2;
    canvas.setPenColour(alarm ? colours::purple : colours::red);
    canvas.setPenWidth(width);
    return width;
}

// The samples of a long profile that share one pixel column: one vertical stroke
// through their extremes, after which the curve goes on from the last of them.
struct Column {
    int x = 0;
    int top = 0, bottom = 0, last = 0;
    bool alarm = false;
    bool more = false;

    void start(int at_x, int y) { *this = {at_x, y, y, y, false, false}; }
    void add(int y, bool sample_alarm) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        last = y;
        alarm = alarm || sample_alarm;
        more = true;
    }
};

}  // namespace

int draw_depth_curve(Canvas& canvas, const GraphGeometry& g, const DecodedProfile& profile) {
    // Sample 0 is the surface at (0, 0): where the curve starts, with no flags.
    int width = 2;
    canvas.moveTo(0, 0);
    const bool join = g.n > exact_sample_limit;
    Column column;
    auto finish_column = [&] {
        if (!column.more) return;
        if (column.top != column.bottom) {
            width = set_curve_pen(canvas, column.alarm);
            canvas.moveTo(column.x, column.top);
            canvas.lineTo(column.x, column.bottom);
        }
        canvas.moveTo(column.x, column.last);
    };
    for (std::size_t t = 1; t < g.n; ++t) {
        const int x = g.sample_x(t);
        const int y = g.depth_y(profile.depth[t]);
        const bool alarm = (profile.flags[t - 1] & curve_alarms) != 0;
        if (join && x == column.x) {
            column.add(y, alarm);
            continue;
        }
        finish_column();
        width = set_curve_pen(canvas, alarm);
        canvas.lineTo(x, y);
        column.start(x, y);
    }
    finish_column();
    return width;
}

void draw_mean_line(Canvas& canvas, const GraphGeometry& g, const DecodedProfile& profile, int pen_width) {
    if (g.n == 0) return;
    canvas.setPenColour(colours::green);
    canvas.setPenStyle(PenStyle::dash_dot);
    canvas.setPenWidth(pen_width);
    const int y = to_pixel(g.plot_height / g.bottom_metres * profile.sum / static_cast<double>(g.n));
    canvas.moveTo(0, y);
    canvas.lineTo(to_pixel(g.plot_width), y);
}
