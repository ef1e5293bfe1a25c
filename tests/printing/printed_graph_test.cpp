#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "page_fixtures.h"
#include "printing/printed_graph.h"

namespace {

// 600 dpi on a 4800 x 6600 printable area: M 472, R 4328, B 6128, T 2042, G 4084.
PrintedPage graph_page(const std::vector<unsigned>& steps, double prof) {
    Timmersione dive = described_dive();
    dive.prof = prof;
    give_profile(dive, steps);
    return PrintedPage({600, 4800, 6600}, 100, dive, 1);
}

// The grid's vertical lines: black, from the box's top to its bottom, not its sides.
std::vector<int> time_lines(const PrintedPage& page) {
    std::vector<int> xs;
    for (const Op& op : page.lines_in(colours::black))
        if (op.x1 == op.x2 && op.y1 == 4084 && op.y2 == 6128 && op.x1 != 472 && op.x1 != 4328) xs.push_back(op.x1);
    return xs;
}

}  // namespace

TEST(PrintedGraph, TimeGridEveryFifteenSamplesNoneOnTheRightEdge) {
    const std::pair<std::size_t, std::vector<int>> cases[] = {{15, {}}, {16, {4087}}, {45, {1757, 3042}}};
    for (const auto& [n, xs] : cases) EXPECT_EQ(time_lines(graph_page(std::vector<unsigned>(n, 64), 18.0)), xs) << n;
    const PrintedPage page = graph_page(std::vector<unsigned>(45, 64), 18.0);
    const Op* ten = page.text_starting("10");
    ASSERT_NE(ten, nullptr);
    EXPECT_EQ(std::pair(ten->x1, ten->y1), std::pair(3032, 6138));  // B + 10
}

TEST(PrintedGraph, DepthGridCurveAndMeanLine) {
    // prof 18: 20 metres over 2042 pixels; the curve 102.1 pixels a metre.
    const PrintedPage page = graph_page({32, 64, 128, 64, 32, 16}, 18.0);  // 5, 10, 20, 10, 5, 2.5 m
    std::vector<int> depth_ys;
    for (const Op& op : page.lines_in(colours::black))
        if (op.x1 == 472 && op.x2 == 4328 && op.y1 == op.y2 && op.y1 > 4084 && op.y1 < 6128) depth_ys.push_back(op.y1);
    ASSERT_EQ(depth_ys.size(), 10u);
    EXPECT_EQ(std::pair(depth_ys[0], depth_ys[4]), std::pair(4288, 5105));
    EXPECT_NE(page.text_starting("20"), nullptr);
    EXPECT_EQ(page.text_starting("22"), nullptr);

    // From the surface at the box's corner to sample N - 1, 3856 / 6 pixels apart.
    const auto red = page.lines_in(colours::red);
    ASSERT_EQ(red.size(), 5u);
    EXPECT_EQ(std::pair(red[0].x1, red[0].y1), std::pair(472, 4084));
    std::vector<std::array<int, 3>> ends;
    for (const Op& op : red) ends.push_back({op.x2, op.y2, op.pen.width});
    EXPECT_EQ(ends, (std::vector<std::array<int, 3>>{
                        {1114, 4594, 3}, {1757, 5105, 3}, {2400, 6126, 3}, {3042, 5105, 3}, {3685, 4594, 3}}));

    const auto green = page.lines_in(colours::green);  // mean 8.75 m
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ((std::array{green[0].x1, green[0].y1, green[0].x2}), (std::array{472, 4977, 4328}));
    EXPECT_EQ(green[0].pen, (RecordingCanvas::Pen{colours::green, 3, PenStyle::dash_dot}));
}

TEST(PrintedGraph, MaximumDepthsWithoutAScaleDrawNoCurveAndEnd) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double prof : {std::numeric_limits<double>::quiet_NaN(), inf, -inf, -2.0, -5.0, 1e300, -1.9999999999}) {
        const PrintedPage page = graph_page(std::vector<unsigned>(40, 640), prof);
        ASSERT_NE(page.text_starting("Prof. Media"), nullptr);
        EXPECT_LE(page.of(Kind::line_to).size(), 12u + 2 + 40 + 1) << prof;
        for (const Op& op : page.ops()) {
            if (op.font.points == 10)  // the graph's texts; the description shows the value as stored
                EXPECT_TRUE(op.text.find("nan") == std::string::npos && op.text.find("inf") == std::string::npos) << op.text;
            EXPECT_LE(std::max(std::abs(op.y1), std::abs(op.y2)), 1'000'000) << prof;
        }
    }
    EXPECT_TRUE(graph_page(std::vector<unsigned>(40, 640), -2.0).lines_in(colours::red).empty());
    // 1e300 m is a scale, but a grid denser than the box's pixels is left out.
    EXPECT_EQ(graph_page(std::vector<unsigned>(40, 640), 1e300).text_starting("2"), nullptr);
}

TEST(PrintedGraph, VeryLongProfileDrawsNoMoreThanTheBoxIsWide) {
    // 3 million samples swinging between 0 and 100 m: every column spans the swing.
    std::vector<unsigned> steps(3'000'000);
    for (std::size_t k = 0; k < steps.size(); ++k) steps[k] = k % 2 ? 640 : 0;
    const PrintedPage page = graph_page(steps, 100.0);
    const auto red = page.lines_in(colours::red);
    EXPECT_LE(red.size(), 4u * (4328 - 472));
    EXPECT_GE(red.size(), 4328u - 472 - 1);
    const auto [highest, lowest] =
        std::minmax_element(red.begin(), red.end(), [](const Op& a, const Op& b) { return a.y2 < b.y2; });
    EXPECT_EQ(highest->y2, 4084);
    EXPECT_EQ(lowest->y2, to_pixel(2042 / 102.0 * 100.0 + 4084));
    EXPECT_EQ(red.back().x2, to_pixel(3856.0 / 3'000'000 * 2'999'999 + 472));
    EXPECT_TRUE(time_lines(page).empty()) << "200,000 grid lines would fill the box";
}

TEST(PrintedGraph, PixelConversionHoldsNonFiniteValues) {
    const std::pair<double, int> cases[] = {{12.9, 12}, {-12.9, -12}, {1e300, 1'000'000},
                                            {-std::numeric_limits<double>::infinity(), -1'000'000},
                                            {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [value, pixel] : cases) EXPECT_EQ(to_pixel(value), pixel) << value;
}
