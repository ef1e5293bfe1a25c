#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "framework/core/recording_canvas.h"
#include "profile/profile_graph.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Op = RecordingCanvas::Op;

constexpr int W = 734, H = 487;  // the design size: plot 684 x 407
constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A decoded profile of the given depths (samples 1..n) and flags.
DecodedProfile profile_of(const std::vector<double>& depths, const std::vector<uint8_t>& flags = {}) {
    DecodedProfile p;
    p.n = depths.size();
    p.depth.assign(p.n + 1, 0.0);
    p.flags.assign(p.n + 1, 0);
    for (std::size_t k = 1; k <= p.n; ++k) {
        p.depth[k] = depths[k - 1];
        if (k - 1 < flags.size()) p.flags[k] = flags[k - 1];
        p.sum += depths[k - 1];
    }
    return p;
}

DecodedProfile flat_profile(std::size_t n, double depth = 10.0) { return profile_of(std::vector<double>(n, depth)); }

using Box = std::vector<int>;
Box box(const Op& op) { return {op.x1, op.y1, op.x2, op.y2}; }
RecordingCanvas::Pen pen(Rgb colour, int width, PenStyle style = PenStyle::solid) { return {colour, width, style}; }

struct Drawn {
    RecordingCanvas canvas;
    GraphScales scales;
    Drawn(const DecodedProfile& p, double prof, int w = W, int h = H) {
        scales = draw_profile_graph(canvas, w, h, p, prof, '.');
    }
    template <class Keep>
    std::vector<Op> select(Kind kind, Keep keep) const {
        std::vector<Op> found;
        for (const Op& op : canvas.of(kind))
            if (keep(op)) found.push_back(op);
        return found;
    }
    std::vector<Op> lines(RecordingCanvas::Pen with) const {
        return select(Kind::line_to, [&](const Op& op) { return op.pen == with; });
    }
    std::vector<Op> texts_at_y(int y) const {
        return select(Kind::text, [&](const Op& op) { return op.y1 == y; });
    }
    // The curve: every line in the curve's pens but the UP lane's.
    std::vector<Op> curve() const {
        return select(Kind::line_to, [](const Op& op) {
            const bool up_lane = op.y1 == op.y2 && op.y1 == H - 30;
            return op.pen == pen(colours::red, 2) || (op.pen == pen(colours::purple, 3) && !up_lane);
        });
    }
    std::vector<Op> time_lines() const {
        return select(Kind::line_to, [](const Op& op) { return op.pen == pen(colours::black, 1) && op.x1 == op.x2; });
    }
    std::vector<Op> depth_lines() const {
        return select(Kind::line_to, [](const Op& op) { return op.pen == pen(colours::black, 1) && op.y1 == op.y2; });
    }
};

std::vector<std::string> texts_of(const std::vector<Op>& ops) {
    std::vector<std::string> t;
    for (const Op& op : ops) t.push_back(op.text);
    return t;
}

}  // namespace

TEST(ProfileGraph, FrameAndBackgroundBands) {
    const Drawn d(flat_profile(30), 18.0);
    const auto rects = d.canvas.of(Kind::rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(box(rects[0]), (Box{0, 0, 684, 407}));
    EXPECT_EQ(rects[0].pen, pen(colours::black, 4));

    std::vector<Box> fills;
    for (const Op& op : d.canvas.of(Kind::fill_background)) fills.push_back(box(op));
    EXPECT_EQ(fills, (std::vector<Box>{{0, H - 53, W, H}, {0, H - 70, W, H - 55}, {W - 40, 0, W, H - 55}}));
}

TEST(ProfileGraph, TimeGridEveryFiveMinutesBeforeTheRightEdge) {
    EXPECT_TRUE(Drawn(flat_profile(15), 18.0).time_lines().empty());

    const Drawn sixteen(flat_profile(16), 18.0);
    EXPECT_DOUBLE_EQ(sixteen.scales.x15, 684.0 / 16 * 15);  // 641.25
    const auto one = sixteen.time_lines();
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(box(one[0]), (Box{641, 0, 641, 407}));
    const auto label = sixteen.texts_at_y(H - 70);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].text, "5");
    EXPECT_EQ(label[0].x1, 631);
    EXPECT_EQ(label[0].font, (RecordingCanvas::Font{"Times New Roman", 8, false}));

    const Drawn fortyfive(flat_profile(45), 18.0);
    const auto two = fortyfive.time_lines();
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].x1, 228);
    EXPECT_EQ(two[1].x1, 456);
    EXPECT_EQ(texts_of(fortyfive.texts_at_y(H - 70)), (std::vector<std::string>{"5", "10"}));
}

TEST(ProfileGraph, DepthGridDownToTheBottomEdge) {
    const Drawn d(flat_profile(30), 18.0);
    EXPECT_DOUBLE_EQ(d.scales.y2, 407.0 / 20 * 2);  // 40.7
    const auto lines = d.depth_lines();
    ASSERT_EQ(lines.size(), 10u);
    for (int j = 1; j <= 10; ++j) {
        const Op& line = lines[j - 1];
        EXPECT_EQ(line.y1, int(40.7 * j)) << j;
        EXPECT_EQ(line.x1, 0);
        EXPECT_EQ(line.x2, 684);
    }
    EXPECT_EQ(lines.back().y1, 407);  // 20 m on the frame's bottom edge

    std::vector<std::string> labels;
    for (const Op& t : d.canvas.of(Kind::text))
        if (t.x1 == W - 30) labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}));
    const auto at_20 = d.texts_at_y(int(40.7 * 10 - 10.0));
    ASSERT_EQ(at_20.size(), 1u);
    EXPECT_EQ(at_20[0].text, "20");
}

TEST(ProfileGraph, AlarmLanesShowTheLeftSamplesFlags) {
    // Sample 1 DECO and UP (0x80 and 0x40 are depth bits), sample 2 TX alone.
    const Drawn d(profile_of({50.46875, 5.0, 1.0, 0.5}, {0xC5, 0x20, 0x00, 0x00}), 60.0);
    const int x1 = 171, x2 = 342, x3 = 513;  // 684 / 4 * t

    const auto lane = [&](Rgb colour, int width, int above_bottom) {
        std::vector<std::pair<int, int>> spans;
        for (const Op& op : d.lines(pen(colour, width)))
            if (op.y1 == H - above_bottom && op.y2 == op.y1) spans.push_back({op.x1, op.x2});
        return spans;
    };
    using Spans = std::vector<std::pair<int, int>>;
    EXPECT_EQ(lane(colours::blue, 3, 50), (Spans{{x1, x2}}));      // DECO
    EXPECT_EQ(lane(colours::red, 1, 50), (Spans{{0, x1}, {x2, x3}}));
    EXPECT_EQ(lane(colours::navy, 3, 40), Spans{});                // RBT never set
    EXPECT_EQ(lane(colours::red, 1, 40), (Spans{{0, x1}, {x1, x2}, {x2, x3}}));
    EXPECT_EQ(lane(colours::purple, 3, 30), (Spans{{x1, x2}}));    // UP
    EXPECT_EQ(lane(colours::black, 3, 3), (Spans{{x2, x3}}));      // TX
    EXPECT_EQ(lane(colours::red, 1, 3), (Spans{{0, x1}, {x1, x2}}));

    std::vector<std::pair<std::string, int>> labels;
    for (const Op& t : d.canvas.of(Kind::text))
        if (t.x1 == W - 50) {
            labels.push_back({t.text, H - t.y1});
            EXPECT_EQ(t.font, (RecordingCanvas::Font{"SmallFont", 5, false}));
        }
    EXPECT_EQ(labels, (std::vector<std::pair<std::string, int>>{
                          {"DECO", 55}, {"RBT", 45}, {"UP", 35}, {"SOS", 25}, {"AFFANNO", 15}, {"TX", 8}}));
}

TEST(ProfileGraph, CurveColouredByAlarmsEndsAtSampleNMinusOne) {
    const DecodedProfile p = profile_of({50.46875, 5.0, 1.0, 0.5}, {0xC5, 0x20, 0x00, 0x00});
    const Drawn d(p, 60.0);
    const auto curve = d.curve();
    ASSERT_EQ(curve.size(), 3u);
    const auto y = [](double metres) { return int(metres * 407 / 62.0); };
    EXPECT_EQ(box(curve[0]), (Box{0, 0, 171, y(50.46875)}));
    EXPECT_EQ(curve[0].pen, pen(colours::red, 2));
    EXPECT_EQ(curve[1].pen, pen(colours::purple, 3));  // after 0xC5
    EXPECT_EQ(curve[2].pen, pen(colours::red, 2));     // TX alone
    EXPECT_EQ(box(curve[2]), (Box{342, y(5.0), 513, y(1.0)}));  // to sample 3 = N - 1

    // The mean line, in the width the curve ended with.
    const auto mean = d.lines(pen(colours::green, 2, PenStyle::dash_dot));
    ASSERT_EQ(mean.size(), 1u);
    const int mean_y = int(407 / 62.0 * p.sum / 4);
    EXPECT_EQ(box(mean[0]), (Box{0, mean_y, 684, mean_y}));

    const Drawn ending_purple(profile_of({3, 4, 5}, {0x10, 0, 0}), 10.0);  // sample 2 starts purple
    EXPECT_EQ(ending_purple.lines(pen(colours::green, 3, PenStyle::dash_dot)).size(), 1u);
}

TEST(ProfileGraph, ProfilesUpToTheTableSizeDrawEverySample) {
    std::vector<double> depths;
    for (int k = 0; k < 2047; ++k) depths.push_back(k % 7 + 0.5 * (k % 3));
    const Drawn d(profile_of(depths), 10.0, 1920, 1080);
    const auto curve = d.curve();
    ASSERT_EQ(curve.size(), 2046u);
    for (std::size_t t = 1; t < 2047; ++t) {
        EXPECT_EQ(curve[t - 1].x2, int(1870.0 / 2047 * t));
        EXPECT_EQ(curve[t - 1].y2, int(depths[t - 1] * 1000 / 12.0));
    }
    EXPECT_EQ(d.lines(pen(colours::red, 1)).size(), 6u * 2046);
}

TEST(ProfileGraph, LongProfilesLookTheSameFromBoundedSegments) {
    // 28,200 samples on 684 columns: a saw of 0..40 m with an alarm patch.
    std::vector<double> depths;
    std::vector<uint8_t> flags;
    for (int k = 0; k < 28200; ++k) {
        depths.push_back((k % 97) * 0.4);
        flags.push_back(k >= 14000 && k < 15000 ? 0x01 : 0x00);
    }
    const DecodedProfile p = profile_of(depths, flags);
    const Drawn d(p, 40.0);
    const auto curve = d.curve();
    EXPECT_LE(curve.size(), 2u * 685);

    // Each column covers the depths of all its samples.
    std::map<int, std::pair<int, int>> covered, wanted;
    for (const Op& op : curve) {
        if (op.x1 != op.x2) continue;
        auto [it, fresh] = covered.try_emplace(op.x1, std::min(op.y1, op.y2), std::max(op.y1, op.y2));
        if (!fresh) it->second = {std::min({it->second.first, op.y1, op.y2}), std::max({it->second.second, op.y1, op.y2})};
    }
    for (std::size_t t = 1; t < p.n; ++t) {
        const int x = int(684.0 / p.n * t), y = int(p.depth[t] * 407 / 42.0);
        auto [it, fresh] = wanted.try_emplace(x, y, y);
        if (!fresh) it->second = {std::min(it->second.first, y), std::max(it->second.second, y)};
    }
    for (const auto& [x, span] : wanted)
        if (x > 0) {
            EXPECT_EQ(covered[x], span) << x;
        }

    // The DECO lane: one thick stretch over the patch, the red on either side.
    const auto deco = d.lines(pen(colours::blue, 3));
    ASSERT_EQ(deco.size(), 1u);
    EXPECT_NEAR(deco[0].x1, 684.0 * 14001 / 28200, 1);
    EXPECT_NEAR(deco[0].x2, 684.0 * 15001 / 28200, 1);
    EXPECT_LE(d.lines(pen(colours::red, 1)).size(), 6u * 3);
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](const Op& op) { return op.x2 <= 684; }));
}

TEST(ProfileGraph, LongProfilesGetTheTimeGridOfTheLongestTable) {
    // 28,000 samples: a line every 14 steps (70 minutes), as dense as 2047 samples get.
    const Drawn d(flat_profile(28000), 18.0, 1920, 1080);
    const auto lines = d.time_lines();
    ASSERT_EQ(lines.size(), 133u);  // 14 x 133 x 15 = 27,930 samples, before the edge
    EXPECT_EQ(lines[0].x1, int(1870.0 / 28000 * 15 * 14));
    const auto labels = texts_of(d.texts_at_y(1080 - 70));
    EXPECT_EQ(labels.front(), "70");
    EXPECT_EQ(labels.back(), "9310");
    // 2047 samples keep a line every 5 minutes.
    EXPECT_EQ(Drawn(flat_profile(2047), 18.0, 1920, 1080).time_lines().size(), 136u);
}

TEST(ProfileGraph, NoSampleDrawsTheFrameAndNothingDividedByZero) {
    const Drawn d(DecodedProfile{}, 18.0);
    EXPECT_EQ(d.scales.x15, 0.0);
    EXPECT_EQ(d.canvas.of(Kind::rectangle).size(), 1u);
    EXPECT_TRUE(d.curve().empty());
    EXPECT_TRUE(d.time_lines().empty());
    EXPECT_TRUE(d.lines(pen(colours::green, 2, PenStyle::dash_dot)).empty());
    EXPECT_EQ(d.depth_lines().size(), 10u);
    EXPECT_EQ(d.canvas.of(Kind::text).size(), 6u + 10u);
}

TEST(ProfileGraph, MaximumDepthWithoutAScaleYieldsToTheDeepestSample) {
    const DecodedProfile p = profile_of({4.0, 8.0, 6.0});
    for (const double prof : {not_a_number, inf, -inf, -2.0, -7.5}) {
        const Drawn d(p, prof);
        EXPECT_DOUBLE_EQ(d.scales.y2, 407.0 / 10 * 2) << prof;  // bottom edge 8 + 2 m
        EXPECT_EQ(texts_of(d.texts_at_y(int(407.0 / 10 * 2 * 5 - 10))), std::vector<std::string>{"10"});
        const auto curve = d.curve();
        ASSERT_EQ(curve.size(), 2u) << prof;
        EXPECT_EQ(curve[0].y2, int(4.0 * 407 / 10));
        for (const Op& t : d.canvas.of(Kind::text)) {
            EXPECT_EQ(t.text.find("nan"), std::string::npos);
            EXPECT_EQ(t.text.find("inf"), std::string::npos);
        }
    }
}

TEST(ProfileGraph, AbsurdScalesStayBoundedByPixels) {
    const DecodedProfile p = profile_of({4.0, 8.0, 6.0});
    // Depth lines less than a pixel apart: at most one per pixel row, on distinct rows.
    for (const double prof : {1e300, 5000.0, std::numeric_limits<double>::max()}) {
        const Drawn d(p, prof);
        const auto rows = d.depth_lines();
        EXPECT_GT(rows.size(), 100u) << prof;
        EXPECT_LE(rows.size(), 408u) << prof;
        std::set<int> distinct;
        for (const Op& op : rows) distinct.insert(op.y1);
        EXPECT_EQ(distinct.size(), rows.size()) << prof;
        EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const Op& op) { return op.y1 >= 0 && op.y1 <= 407; }));
    }
    // A bottom edge a hair above the surface throws the curve far below the canvas,
    // kept within int.
    const Drawn deep(p, -1.9999999999);
    const auto thrown = deep.curve();
    ASSERT_EQ(thrown.size(), 2u);
    for (const Op& op : thrown) EXPECT_EQ(op.y2, 1000000);

    // A million samples in a narrow window: the time grid keeps to the pixel columns.
    const Drawn narrow(flat_profile(1000000), 18.0, 300, 200);
    EXPECT_LE(narrow.time_lines().size(), 251u);
    EXPECT_GT(narrow.time_lines().size(), 100u);
    EXPECT_LE(narrow.curve().size(), 2u * 251);

    // A window smaller than the frame's margins draws no grid and no curve.
    const Drawn tiny(flat_profile(30), 18.0, 40, 60);
    EXPECT_TRUE(tiny.time_lines().empty());
    EXPECT_TRUE(tiny.depth_lines().empty());
}
