#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "page_fixtures.h"
#include "printing/page_tables.h"

namespace {

std::vector<std::array<int, 4>> lines_of(const RecordingCanvas& canvas) {
    std::vector<std::array<int, 4>> out;
    for (const Op& op : canvas.of(Kind::line_to)) out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

}  // namespace

TEST(PageMetrics, MarginIsTwoCentimetresTruncated) {
    EXPECT_EQ(margine(720), 566);  // 566.9
    const PageMetrics m = page_metrics({600, 4801, 6601}, 97);
    const std::array<int, 6> expected = {4329, 6129, 1082, 2043, 4086, 97};  // C is R div 4, not (R - M) div 4
    EXPECT_EQ((std::array<int, 6>{m.R, m.B, m.C, m.T, m.G, m.H}), expected);
}

TEST(PageTables, IndexesOutsideATablePrintNothing) {
    EXPECT_EQ(testo_altitudine(3) + "|" + testo_meteo(5) + "|" + testo_muta(5), "2700-4000 mt|Nevoso |Stagna     ");
    EXPECT_EQ(testo_altitudine(4) + testo_meteo(6) + testo_muta(6), "");
    for (int32_t bad : {-1, INT_MIN, INT_MAX})
        EXPECT_EQ(testo_altitudine(bad) + testo_meteo(bad) + testo_muta(bad), "") << bad;
}

TEST(DivePage, DescriptionRowsAndWrappedTextsAt600Dpi) {
    // M 472, R 4328, H 100, C 1082, G 4084.
    const PrintedPage page({600, 4800, 6600}, 100, described_dive(), 0, "Mare.qvl");
    const std::vector<std::array<int, 4>> frame_and_rules = {
        {472, 472, 472, 4059}, {472, 4059, 4328, 4059}, {4328, 4059, 4328, 472}, {4328, 472, 472, 472},
        {472, 682, 4328, 682}, {472, 982, 4328, 982}, {472, 1302, 4328, 1302},  // M + 2H + 10, 5H + 10, 8H + 30
    };
    EXPECT_EQ(lines_of(page), frame_and_rules);

    struct Placed {
        const char* text;
        int x, y;
        bool bold;
    };
    const Placed placed[] = {
        {"N\xB0 Immersione: 42", 492, 572, true},
        {"Durata: 0:50", 3738, 572, true},
        {"Punto: Cristo degli Abissi", 492, 872, true},  // row 4
        {"T\xB0 Acqua Min: 14.5\xB0", 1574, 992, true},  // row 5, 20 lower
        {"Muta: Monopezzo  ", 2656, 1192, true},          // row 7
        {"Tipo Immersione: ", 492, 1322, true},           // row 8, 50 lower
        {" Anna", 492, 1722, false},                      // buddies from row 12
        {"Commenti: ", 492, 1822, true},                  // on the row after them
        {" Mare calmo.", 492, 1922, false},
        {"Mare.qvl", 3738, 3894, false},  // G - 2H + 10
    };
    for (const Placed& p : placed) {
        const Op* op = page.text_starting(p.text);
        ASSERT_NE(op, nullptr) << p.text;
        EXPECT_EQ(std::tuple(op->text, op->x1, op->y1, op->font.bold), std::tuple(std::string(p.text), p.x, p.y, p.bold));
    }
    EXPECT_EQ(page.of(Kind::text).size(), 23u);
}

TEST(DivePage, GraphBoxAt300DpiAndTheNextPageStartsAlike) {
    // M 236, R 2164, B 3064, H 50, C 541, G 2042.
    Timmersione dive = described_dive();
    std::vector<unsigned> steps(124, 79);
    steps.push_back(80);  // a mean of 12.345 m
    give_profile(dive, steps);
    dive.bar = 500.0;
    dive.nimm = -1;
    PrintedPage page({300, 2400, 3300}, 50, dive, 1);

    const auto lines = lines_of(page);
    ASSERT_GE(lines.size(), 12u);
    const std::vector<std::array<int, 4>> box_and_footer = {
        {236, 2042, 236, 3064}, {236, 3064, 2164, 3064}, {2164, 3064, 2164, 2042}, {2164, 2042, 236, 2042},
        {236, 1942, 2164, 1942},  // G - 2H
    };
    EXPECT_EQ(std::vector(lines.begin() + 5, lines.begin() + 10), box_and_footer);
    EXPECT_EQ(page.text_starting("N\xB0")->text, "N\xB0 Immersione: 4294967295");
    // Both cut, the consumption from the mean at full precision: 100 / 2.2345 = 44.75
    // (44.84 from the cut mean).
    const Op* mean = page.text_starting("Prof. Media");
    const Op* air = page.text_starting("Consumo Aria");
    ASSERT_TRUE(mean && air);
    EXPECT_EQ(mean->text, "Prof. Media: 12.3 mt");
    EXPECT_EQ(air->text, "Consumo Aria: 44.7 l");
    EXPECT_EQ(std::tuple(mean->x1, mean->y1, air->x1, air->y1, mean->font.points), std::tuple(256, 1952, 797, 1952, 10));

    // A second page on the same canvas draws its frame with a thin black pen again.
    page.clear();
    DecodedProfile tables;
    Stampa_Immersione(page, {300, 2400, 3300}, described_dive(), PageChoices{1, "log.qvl", '.'}, tables);
    const Op first = page.of(Kind::line_to).front();
    EXPECT_EQ(first.pen, (RecordingCanvas::Pen{colours::black, 1}));
    EXPECT_EQ(first.font.points, 11);
}

TEST(DivePage, EmptyGraphBoxWithoutProfileSamples) {
    for (const std::string& profile : {std::string(), std::string(22, '\x11')}) {
        Timmersione dive = described_dive();
        dive.computer = 30;
        dive.profilo = profile;
        dive.lung_profilo = static_cast<uint32_t>(profile.size());
        const PrintedPage page({300, 2400, 3300}, 50, dive, 1);
        EXPECT_EQ(page.of(Kind::line_to).size(), 12u) << "frame, three rules, box, footer";
        EXPECT_EQ(page.text_starting("Prof. Media"), nullptr);
        EXPECT_NE(page.text_starting("log.qvl"), nullptr);
    }
}
