// The screen graph and the printed page of the same dive, for values a damaged file
// can hold: the same depth scale, grids no denser than their labels, labels that
// never overlap.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_immersione.h"
#include "profile/profile_graph.h"
#include "support/profile_bytes.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Op = RecordingCanvas::Op;

constexpr int kTextHeight = 10;

Timmersione dive_of(const std::vector<ProfileSample>& samples, double prof) {
    Timmersione d;
    d.computer = 30;
    d.prof = prof;
    d.profilo = profile_bytes(samples);
    d.lung_profilo = static_cast<uint32_t>(d.profilo.size());
    return d;
}

struct Drawing : RecordingCanvas {
    using RecordingCanvas::RecordingCanvas;
    bool page = false;
    int label_height = kTextHeight;

    // The labels of both grids: on screen in the grid's font, on paper in the graph's
    // plain 10-point font.
    std::vector<Op> labels() const {
        std::vector<Op> found;
        for (const Op& op : of(Kind::text))
            if (page ? op.font.points == 10 && !op.font.bold : op.font.face == "Times New Roman") found.push_back(op);
        return found;
    }
    std::vector<Op> in(Rgb colour) const {
        std::vector<Op> found;
        for (const Op& op : of(Kind::line_to))
            if (op.pen.colour == colour) found.push_back(op);
        return found;
    }
    // A pair of labels that share a pixel, as "a|b", or "".
    std::string overlap() {
        const auto all = labels();
        for (std::size_t a = 0; a < all.size(); ++a)
            for (std::size_t b = a + 1; b < all.size(); ++b) {
                const Op &p = all[a], &q = all[b];
                if (p.x1 < q.x1 + textWidth(q.text) && q.x1 < p.x1 + textWidth(p.text) &&
                    p.y1 < q.y1 + label_height && q.y1 < p.y1 + label_height)
                    return p.text + "|" + q.text;
            }
        return "";
    }
};

Drawing screen(const Timmersione& dive, int width = 734, int height = 487) {
    Drawing d(kTextHeight);
    DecodedProfile p;
    decode_profile(dive, p);
    draw_profile_graph(d, width, height, p, dive.prof, '.');
    return d;
}

// At 300 dpi: box (236, 2042) to (2164, 3064), T 1021; at 600 dpi (472, 4084) to (4328, 6128).
Drawing page(const Timmersione& dive, int dpi = 300) {
    Drawing d(dpi / 6);
    d.page = true;
    d.label_height = dpi / 6;
    DecodedProfile tables;
    Stampa_Immersione(d, {dpi, dpi * 8, dpi * 11}, dive, PageChoices{1, "log.qvl", '.'}, tables);
    return d;
}

std::vector<std::string> texts(const std::vector<Op>& ops) {
    std::vector<std::string> out;
    for (const Op& op : ops) out.push_back(op.text);
    return out;
}

}  // namespace

// A maximum depth that gives no scale draws, on screen and on paper alike, what the
// deepest sample plus 2 m gives: here 10 m, as a maximum of 10 m would.
TEST(GraphAndPage, MaximumDepthWithoutAScaleFallsBackToTheDeepestSample) {
    const std::vector<ProfileSample> samples{{5.0}, {10.0}, {7.5}};
    const Drawing screen_10 = screen(dive_of(samples, 10.0)), page_10 = page(dive_of(samples, 10.0));
    ASSERT_EQ(texts(page_10.labels()), (std::vector<std::string>{"2", "4", "6", "8", "10", "12"}));
    EXPECT_EQ(page_10.in(colours::green).at(0).y1, int(1021 / 12.0 * 7.5 + 2042));
    const double inf = std::numeric_limits<double>::infinity();
    for (double prof : {std::numeric_limits<double>::quiet_NaN(), -inf, inf, -2.0, -7.5}) {
        const Drawing s = screen(dive_of(samples, prof)), p = page(dive_of(samples, prof));
        EXPECT_EQ(s.ops().size(), screen_10.ops().size()) << prof;
        EXPECT_EQ(texts(s.labels()), texts(screen_10.labels())) << prof;
        EXPECT_EQ(texts(p.labels()), texts(page_10.labels())) << prof;
        for (Rgb colour : {colours::red, colours::green, colours::black}) {
            const auto got = p.in(colour), want = page_10.in(colour);
            ASSERT_EQ(got.size(), want.size()) << prof;
            for (std::size_t k = 0; k < got.size(); ++k)
                EXPECT_EQ(std::tuple(got[k].x2, got[k].y2), std::tuple(want[k].x2, want[k].y2)) << prof;
        }
    }
}

// Depth lines thin out with their labels, which stay a label apart and count in whole
// steps of 2 metres; the curve and the mean line still show.
TEST(GraphAndPage, NoGridIsDenserThanItsLabels) {
    const std::vector<ProfileSample> samples{{4.0}, {30.0}, {6.0}};
    for (double prof : {1e300, 5000.0, 150.0, std::numeric_limits<double>::max()}) {
        for (Drawing d : {screen(dive_of(samples, prof)), page(dive_of(samples, prof))}) {
            const auto labels = d.labels();
            ASSERT_GE(labels.size(), 2u) << prof;
            EXPECT_EQ(d.overlap(), "") << prof;
            const double first = std::stod(labels[0].text);
            for (std::size_t k = 0; k < labels.size(); ++k)
                EXPECT_DOUBLE_EQ(std::stod(labels[k].text), first * double(k + 1)) << prof;
            // One depth line a label, besides the page's frames and rules.
            std::size_t rows = 0;
            for (const Op& op : d.in(colours::black)) rows += op.y1 == op.y2 && op.pen.width == 1;
            EXPECT_EQ(rows, labels.size() + (d.page ? 8 : 0)) << prof;
            EXPECT_FALSE(d.in(colours::red).empty()) << prof;
            EXPECT_FALSE(d.in(colours::green).empty()) << prof;
        }
    }
    EXPECT_EQ(screen(dive_of(samples, 1e300)).labels().at(0).text, "4e+298") << "a step of 2e+298 m, 8 pixels";
    EXPECT_EQ(texts(screen(dive_of(samples, 100.0)).labels()).at(0), "4") << "8 pixels a 2 m step";
}

// Minute labels never overlap each other or the depth labels, whatever the length of
// the profile and the size of the window or the page. Every 5-minute line of a profile
// up to 2,047 samples is drawn; longer ones get as many as 2,047 samples would.
TEST(GraphAndPage, MinuteLabelsNeverOverlap) {
    for (std::size_t n : {16, 46, 180, 700, 2047, 25700}) {
        const Timmersione dive = dive_of(realistic_dive(n, 40.0), 40.0);
        for (const auto& [w, h] : {std::pair{734, 487}, {1920, 1080}, {300, 200}, {120, 487}}) {
            Drawing d = screen(dive, w, h);
            EXPECT_EQ(d.overlap(), "") << n << " samples on " << w;
            std::vector<int> xs;
            for (const Op& op : d.in(colours::black))
                if (op.x1 == op.x2 && op.pen.width == 1) xs.push_back(op.x1);
            if (w == 734 && n <= 2047) {
                ASSERT_EQ(xs.size(), (n - 1) / 15) << n;
                for (std::size_t i = 1; i <= xs.size(); ++i) EXPECT_EQ(xs[i - 1], int(684.0 / n * 15.0 * i)) << n;
            }
            EXPECT_LE(xs.size(), 137u);
            for (std::size_t k = 1; k < xs.size(); ++k) EXPECT_GE(xs[k] - xs[k - 1], 2) << n << " on " << w;
        }
        for (int dpi : {300, 600}) {
            Drawing p = page(dive, dpi);
            EXPECT_EQ(p.overlap(), "") << n << " samples at " << dpi;
            const PageMetrics m = page_metrics({dpi, dpi * 8, dpi * 11}, dpi / 6);
            std::vector<int> xs;
            for (const Op& op : p.in(colours::black))
                if (op.x1 == op.x2 && op.y1 == m.G && op.y2 == m.B && op.x1 != m.M) xs.push_back(op.x1);
            EXPECT_EQ(xs.size(), n <= 2047 ? (n - 1) / 15 : 25700 / 15 / 24) << n << " at " << dpi;
        }
    }
    // 2,047 samples at the design size: a line every 5 pixels, a label every 30 minutes.
    const auto labels = screen(dive_of(realistic_dive(2047, 40.0), 40.0)).labels();
    EXPECT_EQ(labels.at(0).text, "30");
}
