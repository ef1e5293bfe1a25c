#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <tuple>

#include "framework/core/recording_canvas.h"
#include "printing/page_tables.h"
#include "printing/printed_graph.h"
#include "printing/stampa_immersione.h"
#include "support/profile_bytes.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Op = RecordingCanvas::Op;

// A page at 300 dpi (M 236, H 50, G 2042) or 600 dpi (M 472, R 4328, B 6128, G 4084)
// of a dive with, given depth steps of 0.15625 m, a profile.
struct PrintedPage : RecordingCanvas {
    explicit PrintedPage(int dpi, const std::vector<unsigned>& steps = {}, double prof = 18.0, int32_t nimm = 42)
        : RecordingCanvas(dpi / 6) {
        std::vector<ProfileSample> samples;
        for (unsigned s : steps) samples.push_back({s * 0.15625, 0});
        const std::string bytes = profile_bytes(samples);
        print(dpi, {.lbomb = 10, .nimm = nimm, .lung_profilo = uint32_t(bytes.size()), .computer = 30, .min_dur = 50,
                    .prof = prof, .bar = 500.0, .posto = "", .punto = "", .altro = "", .compagni = "Anna",
                    .commenti = "", .profilo = bytes});
    }
    void print(int dpi, const Timmersione& dive) {
        DecodedProfile tables;
        Stampa_Immersione(*this, {dpi, dpi * 8, dpi * 11}, dive, PageChoices{1, "log.qvl", '.'}, tables);
    }
    // The text that starts with `prefix`, or an empty one.
    Op text(const std::string& prefix) const {
        for (const Op& op : of(Kind::text))
            if (op.text.rfind(prefix, 0) == 0) return op;
        return Op{};
    }
    std::vector<Op> lines_in(Rgb colour) const {
        std::vector<Op> out;
        for (const Op& op : of(Kind::line_to))
            if (op.pen.colour == colour) out.push_back(op);
        return out;
    }
    // The grid's vertical lines, from the box's top to its bottom, not its sides.
    std::vector<int> time_lines() const {
        std::vector<int> xs;
        for (const Op& op : lines_in(colours::black))
            if (op.x1 == op.x2 && op.y1 == 4084 && op.y2 == 6128 && op.x1 != 472 && op.x1 != 4328) xs.push_back(op.x1);
        return xs;
    }
};

}  // namespace

TEST(PageTables, IndexesOutsideATablePrintNothing) {
    EXPECT_EQ(testo_altitudine(3) + "|" + testo_meteo(5) + "|" + testo_muta(5), "2700-4000 mt|Nevoso |Stagna     ");
    for (const auto& [alt, other] : {std::pair{-1, -1}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {4, 6}})
        EXPECT_EQ(testo_altitudine(alt) + testo_meteo(other) + testo_muta(other), "") << alt;
}

// The page prints the stored reals it can; one that cannot be real prints as an empty
// field, as an index outside a table does.
TEST(DivePage, ValuesThatCannotBeRealPrintEmpty) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const auto fields = [](double prof, double t_acqua, double t_aria, double bar) {
        PrintedPage page(300);
        page.clear();
        Timmersione dive;
        std::tie(dive.prof, dive.t_acqua, dive.t_aria, dive.bar) = std::tie(prof, t_acqua, t_aria, bar);
        page.print(300, dive);
        return page.text("Prof. Max").text + "|" + page.text("T\xB0 Acqua").text + "|" + page.text("T\xB0 Aria").text +
               "|" + page.text("Bar Usati").text;
    };
    EXPECT_EQ(fields(nan, inf, 1e300, -inf), "Prof. Max:  mt|T\xB0 Acqua Min: \xB0|T\xB0 Aria: \xB0|Bar Usati:  bar");
    EXPECT_EQ(fields(-0.5, -100.5, 100.01, 1000.5), fields(nan, nan, nan, nan));
    EXPECT_EQ(fields(0.0, -100.0, 100.0, 1000.0),
              "Prof. Max: 0 mt|T\xB0 Acqua Min: -100\xB0|T\xB0 Aria: 100\xB0|Bar Usati: 1000 bar");
    EXPECT_EQ(fields(1000.0, -0.0, 12.5, 0.0), "Prof. Max: 1000 mt|T\xB0 Acqua Min: 0\xB0|T\xB0 Aria: 12.5\xB0|Bar Usati: 0 bar");
}

TEST(DivePage, CommentsFollowTheBuddiesAndEachPageStartsAfresh) {
    PrintedPage page(300, {64, 64, 64});
    EXPECT_EQ(std::pair(page.text(" Anna").y1, page.text("Commenti: ").y1), std::pair(886, 936));  // rows 12 and 13
    // A second page on the same canvas draws its frame with a thin black pen again; a
    // dive without profile leaves the box empty, as does a header without samples.
    page.clear();
    page.print(300, Timmersione{});
    EXPECT_EQ(page.of(Kind::line_to).front().pen, (RecordingCanvas::Pen{colours::black, 1}));
    const auto box = [](const PrintedPage& p) { return std::pair(p.of(Kind::line_to).size(), p.text("Prof. Me").text); };
    EXPECT_EQ(box(page), std::pair(std::size_t(12), std::string())) << "frame, three rules, box, footer";
    EXPECT_EQ(box(PrintedPage(300)), box(page));
}

TEST(PrintedGraph, EveryMaximumDepthDrawsTheCurveWithinInt) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double prof : {std::numeric_limits<double>::quiet_NaN(), inf, -inf, -2.0, 1e300, -1.9999999999}) {
        const PrintedPage page(600, std::vector<unsigned>(40, 640), prof);
        EXPECT_NE(page.text("Prof. Media").text, "");
        for (const Op& op : page.ops()) EXPECT_LE(std::max(std::abs(op.y1), std::abs(op.y2)), 1'000'000) << prof;
        EXPECT_FALSE(page.lines_in(colours::red).empty()) << prof;
        EXPECT_FALSE(page.lines_in(colours::green).empty()) << prof;
    }
    const std::pair<double, int> pixels[] = {{12.9, 12}, {-12.9, -12}, {1e300, 1'000'000}, {-inf, -1'000'000},
                                             {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [value, pixel] : pixels) EXPECT_EQ(to_pixel(value), pixel) << value;
}

// A grid line every fifteen samples, none on the right edge; a very long profile draws
// no more lines than the box is wide, and no more grid lines than 2,047 samples would.
TEST(PrintedGraph, TimeGridAndVeryLongCurveStayWithinTheBox) {
    const std::pair<std::size_t, std::vector<int>> cases[] = {{15, {}}, {16, {4087}}, {45, {1757, 3042}}};
    for (const auto& [n, xs] : cases) EXPECT_EQ(PrintedPage(600, std::vector<unsigned>(n, 64)).time_lines(), xs) << n;
    // 3 million samples swinging between 0 and 100 m (2042 / 102 pixels a metre): every
    // column spans the swing, from the surface at the box's corner.
    std::vector<unsigned> steps(3'000'000);
    for (std::size_t k = 0; k < steps.size(); ++k) steps[k] = k % 2 ? 640 : 0;
    const PrintedPage page(600, steps, 100.0);
    const auto red = page.lines_in(colours::red);
    EXPECT_LE(red.size(), 4u * (4328 - 472));
    EXPECT_GE(red.size(), 4328u - 472 - 1);
    const auto [top, bottom] =
        std::minmax_element(red.begin(), red.end(), [](const Op& a, const Op& b) { return a.y2 < b.y2; });
    EXPECT_EQ(std::pair(top->y2, bottom->y2), std::pair(4084, to_pixel(2042 / 102.0 * 100.0 + 4084)));
    EXPECT_EQ(std::pair(red[0].x1, red[0].y1), std::pair(472, 4084));
    EXPECT_EQ(red.back().x2, to_pixel(3856.0 / 3'000'000 * 2'999'999 + 472));
    EXPECT_EQ(page.time_lines().size(), 199'999u / 1728) << "in hours, not 200,000 grid lines";
}
