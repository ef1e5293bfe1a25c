#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <numeric>

#include "framework/core/recording_canvas.h"
#include "profile/profile_graph.h"

namespace {

using Op = RecordingCanvas::Op;
using Pen = RecordingCanvas::Pen;

DecodedProfile profile_of(const std::vector<double>& depths, std::vector<uint8_t> flags = {}) {
    flags.resize(depths.size());
    flags.insert(flags.begin(), 0);
    DecodedProfile p{{0.0}, std::move(flags), depths.size(), std::accumulate(depths.begin(), depths.end(), 0.0)};
    p.depth.insert(p.depth.end(), depths.begin(), depths.end());
    return p;
}

struct Drawn : RecordingCanvas {
    int height;
    // 734 x 487 is the design size: a plot of 684 x 407.
    Drawn(const DecodedProfile& p, double prof, int w = 734, int h = 487) : height(h) {
        draw_profile_graph(*this, w, h, p, prof, '.');
    }

    std::vector<Op> lines(const std::function<bool(const Op&)>& keep) const {
        std::vector<Op> found;
        for (const Op& op : of(Kind::line_to))
            if (keep(op)) found.push_back(op);
        return found;
    }
    std::vector<Op> in(Pen pen) const { return lines([&](const Op& op) { return op.pen == pen; }); }
    // Every line in the curve's pens but the UP lane's.
    std::vector<Op> curve() const {
        return lines([&](const Op& op) {
            return op.pen == Pen{colours::red, 2} || (op.pen == Pen{colours::purple, 3} && op.y1 != height - 30);
        });
    }
    // The thin black lines of the time (vertical) or depth grid.
    std::vector<int> grid(bool time) const {
        std::vector<int> at;
        for (const Op& op : in(Pen{colours::black, 1}))
            if ((op.x1 == op.x2) == time) at.push_back(time ? op.x1 : op.y1);
        return at;
    }
};

}  // namespace

// Time lines every five minutes, none on the right edge; depth lines down to the bottom
// edge of any usable scale.
TEST(ProfileGraph, GridsStopAtTheFrame) {
    const std::pair<std::size_t, std::vector<int>> cases[] = {{15, {}}, {16, {641}}, {45, {228, 456}}};
    for (const auto& [n, xs] : cases) EXPECT_EQ(Drawn(profile_of(std::vector<double>(n, 10.0)), 18.0).grid(true), xs) << n;
    // The bottom edge stands for prof + 2 m; a prof that gives no scale yields to the
    // deepest sample, 8 m.
    const DecodedProfile p = profile_of({4.0, 8.0, 6.0});
    const double inf = std::numeric_limits<double>::infinity();
    for (const double prof : {18.0, std::numeric_limits<double>::quiet_NaN(), inf, -inf, -2.0, -7.5}) {
        const double metres = prof == 18.0 ? 20.0 : 10.0;
        const Drawn d(p, prof);
        ASSERT_EQ(d.curve().size(), 2u) << prof;
        EXPECT_EQ(std::tuple(d.grid(false).size(), d.grid(false).back(), d.curve()[0].y2),
                  std::tuple(std::size_t(metres / 2), 407, int(4.0 * 407 / metres))) << prof;
    }
}

TEST(ProfileGraph, LanesAndCurveShowTheLeftSamplesFlags) {
    // Sample 1 DECO and UP (0x80 and 0x40 are depth bits), sample 2 TX alone; the
    // columns of samples 1 to 3 are 171, 342 and 513, DECO's lane spans the first two.
    const Drawn d(profile_of({50.46875, 5.0, 1.0, 0.5}, {0xC5, 0x20, 0x00, 0x00}), 60.0);
    const auto deco = d.in(Pen{colours::blue, 3});
    ASSERT_EQ(deco.size(), 1u);
    EXPECT_EQ(std::pair(deco[0].x1, deco[0].x2), std::pair(171, 342));
    // The curve to sample N - 1, purple after an alarm other than TX.
    const auto curve = d.curve();
    ASSERT_EQ(curve.size(), 3u);
    EXPECT_EQ((std::vector{curve[0].pen, curve[1].pen, curve[2].pen}),
              (std::vector<Pen>{{colours::red, 2}, {colours::purple, 3}, {colours::red, 2}}));
}

TEST(ProfileGraph, LongProfilesLookTheSameFromBoundedSegments) {
    // 28,200 samples on 684 columns, a saw of 0..40 m with a DECO patch: each column
    // covers the depths of all its samples, within a bounded count of lines.
    std::vector<double> depths(28200);
    std::vector<uint8_t> flags(28200);
    for (int k = 0; k < 28200; ++k) depths[k] = (k % 97) * 0.4, flags[k] = k >= 14000 && k < 15000;
    const DecodedProfile p = profile_of(depths, flags);
    const Drawn d(p, 40.0);
    std::map<int, std::pair<int, int>> covered, wanted;
    const auto widen = [](auto& spans, int x, int y1, int y2) {
        const auto it = spans.try_emplace(x, std::min(y1, y2), std::max(y1, y2)).first;
        it->second = {std::min({it->second.first, y1, y2}), std::max({it->second.second, y1, y2})};
    };
    for (const Op& op : d.curve())
        if (op.x1 == op.x2 && op.x1 > 0) widen(covered, op.x1, op.y1, op.y2);  // the surface joins column 0
    for (std::size_t t = 1; t < p.n; ++t)
        if (const int x = int(684.0 / p.n * t), y = int(p.depth[t] * 407 / 42.0); x > 0) widen(wanted, x, y, y);
    EXPECT_EQ(covered, wanted);
    EXPECT_LE(d.curve().size(), 2u * 685);
    EXPECT_LE(d.in(Pen{colours::red, 1}).size(), 6u * 3) << "lanes joined across alike samples";
}

TEST(ProfileGraph, NoSampleOrNoRoomDrawsWithinPixels) {
    const Drawn none(DecodedProfile{}, 18.0);
    EXPECT_TRUE(none.curve().empty() && none.grid(true).empty());
    EXPECT_TRUE(none.in(Pen{colours::green, 2, PenStyle::dash_dot}).empty());
    // A bottom edge a hair above the surface throws the curve far below, kept within int.
    const auto thrown = Drawn(profile_of({4.0, 8.0, 6.0}), -1.9999999999).curve();
    ASSERT_EQ(thrown.size(), 2u);
    EXPECT_EQ(std::pair(thrown[0].y2, thrown[1].y2), std::pair(1000000, 1000000));
    // A window smaller than the frame's margins draws no grid.
    const Drawn tiny(profile_of(std::vector<double>(30, 10.0)), 18.0, 40, 60);
    EXPECT_TRUE(tiny.grid(true).empty() && tiny.grid(false).empty());
}
