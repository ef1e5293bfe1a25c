#include <array>

#include "profile/graph_parts.h"

namespace {

struct Lane {
    uint8_t bit;
    const char* label;
    int label_top;  // above the canvas's bottom edge
    int line;       // y of the lane, above the bottom edge
    Rgb colour;     // of a set flag
};

constexpr std::array<Lane, 6> lanes{{
    {0x01, "DECO", 55, 50, colours::blue},
    {0x02, "RBT", 45, 40, colours::navy},
    {0x04, "UP", 35, 30, colours::purple},
    {0x08, "SOS", 25, 20, colours::black},
    {0x10, "AFFANNO", 15, 10, colours::maroon},
    {0x20, "TX", 8, 3, colours::black},
}};

// Consecutive stretches of one lane in the same state.
struct Run {
    int from = 0, to = 0;
    bool set = false;
    bool open = false;
};

void draw_run(Canvas& canvas, const Lane& lane, int y, const Run& run) {
    canvas.setPenColour(run.set ? lane.colour : colours::red);
    canvas.setPenWidth(run.set ? 3 : 1);
    canvas.moveTo(run.from, y);
    canvas.lineTo(run.to, y);
}

}  // namespace

void draw_alarm_lanes(Canvas& canvas, const GraphGeometry& g, const DecodedProfile& profile) {
    // A long profile joins the stretches of a lane that share a state and leaves out
    // those within one pixel column: the lane looks the same from far fewer lines.
    const bool join = g.n > exact_sample_limit;
    std::array<Run, lanes.size()> runs{};
    int previous_x = 0;
    for (std::size_t t = 1; t < g.n; ++t) {
        const int x = g.sample_x(t);
        const uint8_t flags = profile.flags[t - 1];
        for (std::size_t l = 0; l < lanes.size(); ++l) {
            const Lane& lane = lanes[l];
            Run& run = runs[l];
            const bool set = (flags & lane.bit) != 0;
            if (join && run.open && run.set == set) {
                run.to = x;
                continue;
            }
            if (run.open && run.to != run.from) draw_run(canvas, lane, g.height - lane.line, run);
            run = {previous_x, x, set, true};
            if (!join) {
                draw_run(canvas, lane, g.height - lane.line, run);
                run.open = false;
            }
        }
        previous_x = x;
    }
    for (std::size_t l = 0; l < lanes.size(); ++l)
        if (runs[l].open && runs[l].to != runs[l].from) draw_run(canvas, lanes[l], g.height - lanes[l].line, runs[l]);
}

void draw_lane_labels(Canvas& canvas, const GraphGeometry& g) {
    for (const Lane& lane : lanes) canvas.textOut(g.width - 50, g.height - lane.label_top, lane.label);
}
