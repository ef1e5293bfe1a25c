#include "profile/graph_axes.h"

#include <algorithm>
#include <cmath>

#include "framework/core/number_text.h"
#include "framework/core/pixel.h"

namespace {

double deepest_sample(const DecodedProfile& profile) {
    double deepest = 0;
    for (std::size_t k = 1; k <= profile.n; ++k) deepest = std::max(deepest, profile.depth[k]);
    return deepest;
}

bool usable_scale(double pixels) { return std::isfinite(pixels) && pixels > 0; }

// Grid steps of the time axis go 5, 10, 30, 60, 120, 360 ... minutes: each a multiple
// of the one before, so that labelled lines are always drawn lines. The first at least
// `need` steps of 5 minutes; infinity where none is.
double time_stride(double need) {
    double stride = 1;
    for (int k = 0; stride < need; ++k) {
        stride *= k % 3 == 1 ? 3 : 2;
        if (!std::isfinite(stride)) break;
    }
    return stride;
}

// Depth steps go 2, 4, 10, 20, 40, 100 ... metres: the first at least `need` steps of
// 2 metres; infinity where none is.
double depth_stride(double need) {
    if (!(need > 1)) return 1;
    const double decade = std::pow(10.0, std::floor(std::log10(need)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * decade >= need) return m * decade;
    return 10.0 * decade * 2.0;
}

struct Rect {
    int x, y, w, h;
    bool overlaps(const Rect& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

std::vector<GridMark> depth_marks(const PlotBox& box, double bottom, int text_height, char sep) {
    std::vector<GridMark> marks;
    const double y2 = box.depth_pixels / bottom * 2.0;
    if (!usable_scale(y2)) return marks;
    // Labels stacked down a column: at least a label's height apart.
    const double stride = depth_stride((text_height + 1.0) / y2);
    const double last = bottom * 0.5;
    for (double k = 1; k * stride <= last && k <= box.depth_pixels; ++k) {
        const double j = k * stride;
        marks.push_back({to_pixel(y2 * j + box.top), box.depth_labels_left, to_pixel(y2 * j + box.top - 10.0),
                         format_general(2.0 * j, sep)});
    }
    return marks;
}

std::string minutes_text(double i) { return std::to_string(static_cast<unsigned long long>(5.0 * i)); }

std::vector<GridMark> time_marks(Canvas& canvas, const PlotBox& box, std::size_t samples, int text_height,
                                 const std::vector<Rect>& depth_labels) {
    std::vector<GridMark> marks;
    const double n = static_cast<double>(samples);
    const double x15 = static_cast<double>(box.right - box.left) / n * 15.0;
    if (samples == 0 || !usable_scale(x15)) return marks;
    // Lines a few pixels apart at least, and no more than a profile of the exact limit
    // would have.
    const double least_gap = std::max(2, text_height / 4);
    const double lines = time_stride(std::max(std::ceil(n / static_cast<double>(exact_sample_limit)), least_gap / x15));
    const double steps = std::floor((n - 1) / 15.0);  // the last before the right edge
    if (!(lines <= steps)) return marks;
    // The widest label is the last line's; labels stand that far apart and a gap more.
    const double last_line = std::floor(steps / lines) * lines;
    const int widest = canvas.textWidth(minutes_text(last_line));
    const double labels = time_stride(std::max(lines, (widest + least_gap + 1.0) / x15));
    for (double i = lines; i <= steps; i += lines) {
        GridMark mark{to_pixel(x15 * i + box.left), to_pixel(x15 * i + box.left - 10.0), box.time_labels_top, {}};
        if (std::fmod(i, labels) == 0) {
            std::string text = minutes_text(i);
            const Rect at{mark.label_x, mark.label_y, canvas.textWidth(text), text_height};
            if (std::none_of(depth_labels.begin(), depth_labels.end(), [&](const Rect& r) { return r.overlaps(at); }))
                mark.label = std::move(text);
        }
        marks.push_back(std::move(mark));
    }
    return marks;
}

}  // namespace

double bottom_metres(double prof, const DecodedProfile& profile) {
    const double metres = prof + 2.0;
    if (std::isfinite(metres) && metres > 0) return metres;
    return deepest_sample(profile) + 2.0;
}

PlotGrids plan_grids(Canvas& canvas, const PlotBox& box, std::size_t samples, double bottom, char sep) {
    const int text_height = canvas.textHeight("0");
    PlotGrids grids;
    grids.depth = depth_marks(box, bottom, text_height, sep);
    // Only the depth labels beside the row of minutes can be in their way.
    std::vector<Rect> in_the_way;
    for (const GridMark& m : grids.depth)
        if (m.label_y < box.time_labels_top + text_height && box.time_labels_top < m.label_y + text_height)
            in_the_way.push_back({m.label_x, m.label_y, canvas.textWidth(m.label), text_height});
    grids.time = time_marks(canvas, box, samples, text_height, in_the_way);
    return grids;
}

void draw_time_marks(Canvas& canvas, const PlotBox& box, const std::vector<GridMark>& marks) {
    for (const GridMark& m : marks) {
        canvas.moveTo(m.at, box.top);
        canvas.lineTo(m.at, box.bottom);
        if (!m.label.empty()) canvas.textOut(m.label_x, m.label_y, m.label);
    }
}

void draw_depth_marks(Canvas& canvas, const PlotBox& box, const std::vector<GridMark>& marks) {
    for (const GridMark& m : marks) {
        canvas.moveTo(box.left, m.at);
        canvas.lineTo(box.right, m.at);
        canvas.textOut(m.label_x, m.label_y, m.label);
    }
}
