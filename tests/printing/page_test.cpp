#include <gtest/gtest.h>

#include <climits>

#include "page_fixtures.h"
#include "printing/page_tables.h"

namespace {

using Op = RecordingCanvas::Op;

// The lines of the page as (x1, y1, x2, y2), in drawing order.
std::vector<std::array<int, 4>> lines_of(const PrintedPage& page) {
    std::vector<std::array<int, 4>> out;
    for (const Op& op : page.canvas.of(Kind::line_to)) out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

void expect_text_at(const PrintedPage& page, const std::string& text, int x, int y, bool bold) {
    const Op* op = page.text_starting(text);
    ASSERT_NE(op, nullptr) << text;
    EXPECT_EQ(op->text, text);
    EXPECT_EQ(op->x1, x) << text;
    EXPECT_EQ(op->y1, y) << text;
    EXPECT_EQ(op->font.bold, bold) << text;
    EXPECT_EQ(op->font.face, "TmsRmn");
}

}  // namespace

TEST(PageMetrics, MarginIsTwoCentimetresTruncated) {
    EXPECT_EQ(margine(720), 566);  // 566.9
    EXPECT_EQ(margine(1200), 944);

    const PageMetrics m = page_metrics({600, 4801, 6601}, 97);
    EXPECT_EQ(m.R, 4329);
    EXPECT_EQ(m.B, 6129);
    EXPECT_EQ(m.C, 1082);  // R div 4, not (R - M) div 4
    EXPECT_EQ(m.T, 2043);
    EXPECT_EQ(m.G, 4086);
    EXPECT_EQ(m.H, 97);
}

TEST(PageTables, IndexesOutsideATablePrintNothing) {
    // The last entry of each table, then the first index past it.
    EXPECT_EQ(testo_altitudine(3), "2700-4000 mt");
    EXPECT_EQ(testo_meteo(5), "Nevoso ");
    EXPECT_EQ(testo_muta(5), "Stagna     ");
    EXPECT_EQ(testo_altitudine(4), "");
    EXPECT_EQ(testo_meteo(6), "");
    EXPECT_EQ(testo_muta(6), "");
    for (int32_t bad : {-1, INT_MIN, INT_MAX})
        EXPECT_EQ(testo_altitudine(bad) + testo_meteo(bad) + testo_muta(bad), "") << bad;
}

TEST(DivePage, DescriptionAt600DpiWithoutGraph) {
    // M 472, R 4328, B 6128, H 100, C 1082, T 2042, G 4084.
    PrintedPage page(100);
    page.print({600, 4800, 6600}, described_dive(), 0, "Mare.qvl");

    const std::vector<std::array<int, 4>> frame_and_rules = {
        {472, 472, 472, 4059}, {472, 4059, 4328, 4059}, {4328, 4059, 4328, 472}, {4328, 472, 472, 472},
        {472, 682, 4328, 682},    // header rule, M + 2H + 10
        {472, 982, 4328, 982},    // between rows 4 and 5, M + 5H + 10
        {472, 1302, 4328, 1302},  // between rows 7 and 8, M + 8H + 30
    };
    EXPECT_EQ(lines_of(page), frame_and_rules);
    for (const Op& op : page.canvas.of(Kind::line_to)) EXPECT_EQ(op.pen, (RecordingCanvas::Pen{colours::black, 1}));

    expect_text_at(page, "N\xB0 Immersione: 42", 492, 572, true);
    expect_text_at(page, "Data: 7/8/1999", 1574, 572, true);
    expect_text_at(page, "Ora: 9:5", 2656, 572, true);
    expect_text_at(page, "Durata: 0:50", 3738, 572, true);
    expect_text_at(page, "Posto: Portofino", 492, 772, true);
    expect_text_at(page, "Punto: Cristo degli Abissi", 492, 872, true);
    expect_text_at(page, "Prof. Max: 18 mt", 492, 992, true);
    expect_text_at(page, "T\xB0 Acqua Min: 14.5\xB0", 1574, 992, true);
    expect_text_at(page, "T\xB0 Aria: 22\xB0", 2656, 992, true);
    expect_text_at(page, "Int.Sup.: 1:30", 492, 1092, true);
    expect_text_at(page, "Bombola: 10 l", 1574, 1092, true);
    expect_text_at(page, "Bar Usati: 150 bar", 2656, 1092, true);
    expect_text_at(page, "Altitudine: 0900-1750 mt", 492, 1192, true);
    expect_text_at(page, "Cond.Meteo: Pioggia", 1574, 1192, true);
    expect_text_at(page, "Muta: Monopezzo  ", 2656, 1192, true);
    expect_text_at(page, "Tipo Immersione: ", 492, 1322, true);
    expect_text_at(page, "Attivit\xE0: Foto ", 492, 1422, true);
    expect_text_at(page, "Allarmi: ", 492, 1522, true);
    expect_text_at(page, "Compagni: ", 492, 1622, true);
    expect_text_at(page, " Anna", 492, 1722, false);       // row 12
    expect_text_at(page, "Commenti: ", 492, 1822, true);   // row 13
    expect_text_at(page, " Mare calmo.", 492, 1922, false);  // row 14
    expect_text_at(page, "Mare.qvl", 3738, 3894, false);    // G - 2H + 10
    EXPECT_EQ(page.texts().size(), 23u);
}

TEST(DivePage, GraphBoxAt300DpiAndLaterPagesStartAlike) {
    // M 236, R 2164, B 3064, H 50, C 541, T 1021, G 2042.
    PrintedPage page(50);
    Timmersione dive = described_dive();
    // 124 samples of 79 steps and one of 80: a mean of 12.345 m.
    std::vector<unsigned> steps(124, 79);
    steps.push_back(80);
    give_profile(dive, steps);
    dive.bar = 500.0;
    page.print({300, 2400, 3300}, dive, 1);

    const auto lines = lines_of(page);
    ASSERT_GE(lines.size(), 12u);
    const std::vector<std::array<int, 4>> box_and_footer = {
        {236, 2042, 236, 3064}, {236, 3064, 2164, 3064}, {2164, 3064, 2164, 2042}, {2164, 2042, 236, 2042},
        {236, 1942, 2164, 1942},  // footer rule, G - 2H
    };
    EXPECT_EQ(std::vector(lines.begin() + 5, lines.begin() + 10), box_and_footer);
    expect_text_at(page, "N\xB0 Immersione: 42", 256, 286, true);
    expect_text_at(page, "log.qvl", 1879, 1952, false);
    // Both cut, the consumption from the mean at full precision: 100 / 2.2345 = 44.75
    // (44.84 from the cut mean).
    expect_text_at(page, "Prof. Media: 12.3 mt", 256, 1952, true);
    expect_text_at(page, "Consumo Aria: 44.7 l", 797, 1952, true);
    EXPECT_EQ(page.text_starting("Prof. Media")->font.points, 10);
    EXPECT_EQ(page.text_starting("N\xB0")->font.points, 11);

    // A second page on the same canvas draws its frame with a thin black pen again.
    page.canvas.clear();
    page.print({300, 2400, 3300}, described_dive(), 1);
    const Op first = page.canvas.of(Kind::line_to).front();
    EXPECT_EQ(first.pen, (RecordingCanvas::Pen{colours::black, 1}));
    EXPECT_EQ(first.font.points, 11);
}

TEST(DivePage, EmptyGraphBoxWithoutProfileSamples) {
    for (const std::string& profile : {std::string(), std::string(22, '\x11')}) {
        PrintedPage page(50);
        Timmersione dive = described_dive();
        dive.computer = 30;
        dive.profilo = profile;
        dive.lung_profilo = static_cast<uint32_t>(profile.size());
        page.print({300, 2400, 3300}, dive, 1);
        EXPECT_EQ(page.canvas.of(Kind::line_to).size(), 12u) << "frame, three rules, box, footer";
        EXPECT_EQ(page.text_starting("Prof. Media"), nullptr);
        EXPECT_EQ(page.text_starting("Consumo Aria"), nullptr);
        EXPECT_NE(page.text_starting("log.qvl"), nullptr);
    }
}

TEST(DivePage, ValuesOutsideTheTablesAndOddNumbers) {
    PrintedPage page(50);
    Timmersione dive = described_dive();
    dive.meteo = 7;
    dive.alt = 4;
    dive.muta = -1;
    dive.nimm = -1;  // dive numbers show unsigned
    dive.t_acqua = -0.0;
    page.print({300, 2400, 3300}, dive, 0);
    EXPECT_NE(page.text_starting("Cond.Meteo: "), nullptr);
    EXPECT_EQ(page.text_starting("Cond.Meteo: ")->text, "Cond.Meteo: ");
    EXPECT_EQ(page.text_starting("Altitudine: ")->text, "Altitudine: ");
    EXPECT_EQ(page.text_starting("Muta: ")->text, "Muta: ");
    EXPECT_EQ(page.text_starting("N\xB0")->text, "N\xB0 Immersione: 4294967295");
    EXPECT_EQ(page.text_starting("T\xB0 Acqua")->text, "T\xB0 Acqua Min: 0\xB0");
}
