#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "page_fixtures.h"
#include "printing/printed_graph.h"

namespace {

// 600 dpi on a 4800 x 6600 printable area: M 472, R 4328, B 6128, T 2042, G 4084.
constexpr PrintArea k600{600, 4800, 6600};

PrintedPage graph_page(const std::vector<unsigned>& steps, double prof) {
    PrintedPage page(100);
    Timmersione dive = described_dive();
    dive.prof = prof;
    give_profile(dive, steps);
    page.print(k600, dive, 1);
    return page;
}

// The grid's vertical lines: black, 1 pixel, from the box's top to its bottom.
std::vector<int> time_lines(const PrintedPage& page) {
    std::vector<int> xs;
    for (const auto& op : page.lines_in(colours::black))
        if (op.x1 == op.x2 && op.y1 == 4084 && op.y2 == 6128 && op.x1 != 472 && op.x1 != 4328) xs.push_back(op.x1);
    return xs;
}

// Among the texts of the graph part (10 points); the description shows the stored
// value as the editor does.
bool graph_text_has(const PrintedPage& page, const std::string& part) {
    for (const auto& op : page.canvas.of(Kind::text))
        if (op.font.points == 10 && op.text.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(PrintedGraph, TimeGridEveryFifteenSamplesNoneOnTheRightEdge) {
    EXPECT_TRUE(time_lines(graph_page(std::vector<unsigned>(15, 64), 18.0)).empty());

    // X15 = 3856 / 16 * 15 = 3615.
    PrintedPage sixteen = graph_page(std::vector<unsigned>(16, 64), 18.0);
    EXPECT_EQ(time_lines(sixteen), std::vector<int>{4087});
    const auto* five = sixteen.text_starting("5");
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five->x1, 4077);
    EXPECT_EQ(five->y1, 6138);  // B + 10
    EXPECT_EQ(five->font.points, 10);

    // X15 = 3856 / 45 * 15 = 1285.33.
    PrintedPage fortyfive = graph_page(std::vector<unsigned>(45, 64), 18.0);
    EXPECT_EQ(time_lines(fortyfive), (std::vector<int>{1757, 3042}));
    ASSERT_NE(fortyfive.text_starting("10"), nullptr);
    EXPECT_EQ(fortyfive.text_starting("10")->x1, 3032);
}

TEST(PrintedGraph, DepthGridCurveAndMeanLine) {
    // prof 18: 20 metres over T = 2042 pixels, Y2 = 204.2; the curve 102.1 pixels a metre.
    const std::vector<unsigned> steps = {32, 64, 128, 64, 32, 16};  // 5, 10, 20, 10, 5, 2.5 m
    PrintedPage page = graph_page(steps, 18.0);

    std::vector<int> depth_ys;
    for (const auto& op : page.lines_in(colours::black))
        if (op.x1 == 472 && op.x2 == 4328 && op.y1 == op.y2 && op.y1 > 4084 && op.y1 < 6128) depth_ys.push_back(op.y1);
    ASSERT_EQ(depth_ys.size(), 10u);
    EXPECT_EQ(depth_ys.front(), 4288);
    EXPECT_EQ(depth_ys[4], 5105);
    const auto* two = page.text_starting("2");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->x1, 4338);  // R + 10
    EXPECT_EQ(two->y1, 4278);
    EXPECT_NE(page.text_starting("20"), nullptr);
    EXPECT_EQ(page.text_starting("22"), nullptr);

    // From the surface at the box's corner to sample N - 1, 3856 / 6 pixels apart.
    const auto red = page.lines_in(colours::red);
    ASSERT_EQ(red.size(), 5u);
    EXPECT_EQ(red[0].x1, 472);
    EXPECT_EQ(red[0].y1, 4084);
    const std::vector<std::pair<int, int>> points = {{1114, 4594}, {1757, 5105}, {2400, 6126}, {3042, 5105},
                                                     {3685, 4594}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(red[i].x2, points[i].first) << i;
        EXPECT_EQ(red[i].y2, points[i].second) << i;
        EXPECT_EQ(red[i].pen.width, 3);
    }

    // Mean 8.75 m.
    const auto green = page.lines_in(colours::green);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(green[0].y1, 4977);
    EXPECT_EQ(green[0].x1, 472);
    EXPECT_EQ(green[0].x2, 4328);
    EXPECT_EQ(green[0].pen, (RecordingCanvas::Pen{colours::green, 3, PenStyle::dash_dot}));
}

TEST(PrintedGraph, MaximumDepthsWithoutAScaleDrawNoCurveAndEnd) {
    const double absurd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), -2.0, -5.0, 1e300, -1.9999999999};
    for (double prof : absurd) {
        PrintedPage page = graph_page(std::vector<unsigned>(40, 640), prof);
        ASSERT_NE(page.text_starting("Prof. Media"), nullptr);
        EXPECT_FALSE(graph_text_has(page, "nan")) << prof;
        EXPECT_FALSE(graph_text_has(page, "inf")) << prof;
        EXPECT_LE(page.canvas.of(Kind::line_to).size(), 12u + 2 + 40 + 1) << prof;
        for (const auto& op : page.canvas.ops()) {
            EXPECT_LE(std::abs(op.y2), 1'000'000) << prof;
            EXPECT_LE(std::abs(op.y1), 1'000'000) << prof;
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
    PrintedPage page = graph_page(steps, 100.0);
    const auto red = page.lines_in(colours::red);
    EXPECT_LE(red.size(), 4u * (4328 - 472));
    EXPECT_GE(red.size(), 4328u - 472 - 1);
    int lowest = 0, highest = 1 << 30;
    for (const auto& op : red) {
        lowest = std::max(lowest, op.y2);
        highest = std::min(highest, op.y2);
    }
    EXPECT_EQ(highest, 4084);
    EXPECT_EQ(lowest, to_pixel(2042 / 102.0 * 100.0 + 4084));
    EXPECT_EQ(red.back().x2, to_pixel(3856.0 / 3'000'000 * 2'999'999 + 472));
    EXPECT_TRUE(time_lines(page).empty()) << "200,000 grid lines would fill the box";
}

TEST(PrintedGraph, PixelConversionHoldsNonFiniteValues) {
    EXPECT_EQ(to_pixel(12.9), 12);
    EXPECT_EQ(to_pixel(-12.9), -12);
    EXPECT_EQ(to_pixel(1e300), 1'000'000);
    EXPECT_EQ(to_pixel(-std::numeric_limits<double>::infinity()), -1'000'000);
    EXPECT_EQ(to_pixel(std::numeric_limits<double>::quiet_NaN()), 0);
}
