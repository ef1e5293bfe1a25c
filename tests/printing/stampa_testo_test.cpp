#include <gtest/gtest.h>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_testo.h"

namespace {

struct Wrapped {
    int rows = 0;
    std::vector<std::string> lines;
    std::vector<int> ys;
};

// From row 12 of a page 3300 pixels high: M 236, H 50.
Wrapped wrap(const std::string& text) {
    RecordingCanvas canvas(50);
    Wrapped out;
    out.rows = Stampa_Testo(canvas, page_metrics({300, 2400, 3300}, 50), text, 12);
    for (const auto& op : canvas.of(RecordingCanvas::Kind::text)) {
        EXPECT_EQ(op.x1, 256);
        out.lines.push_back(op.text);
        out.ys.push_back(op.y1);
    }
    return out;
}

}  // namespace

TEST(StampaTesto, LinesRunOnToTheFirstBreakFromTheEightiethCharacter) {
    const std::string a79(79, 'a'), c90(90, 'c'), d83(83, 'd'), e40(40, 'e'), h80(80, 'h');
    const std::string i39(39, 'i'), j39(39, 'j');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {" "}},
        {a79, {" " + a79}},
        {a79 + ".", {" " + a79 + ".", " "}},  // a break as the 80th character leaves an empty last line
        {c90, {" " + c90, " "}},
        {d83 + "," + e40, {" " + d83 + ",", " " + e40}},
        {"Prima.\r\nSeconda.\r\nTerza.", {" Prima.Seconda.Terza."}},
        {h80 + "\r\nfine", {" " + h80, " fine"}},                         // a line end never starts a line
        {i39 + "\r\n" + j39 + "k more", {" " + i39 + j39 + "k ", " more"}},  // line ends count among the 80
    };
    for (const auto& [text, lines] : cases) {
        SCOPED_TRACE(text);
        const Wrapped w = wrap(text);
        EXPECT_EQ(w.lines, lines);
        EXPECT_EQ(w.rows, int(lines.size()));
        for (std::size_t i = 0; i < w.ys.size(); ++i) EXPECT_EQ(w.ys[i], 236 + (13 + int(i)) * 50);
    }
    for (char brk : std::string(" ,;:?.\r\n-!()")) {
        const Wrapped w = wrap(std::string(79, 'f') + brk + "ggg");
        EXPECT_EQ(w.rows, 2) << int(brk);
        EXPECT_EQ(w.lines.back(), " ggg") << int(brk);
    }
}

TEST(StampaTesto, RowsBelowThePageAreCountedNotDrawn) {
    // 1,000 lines of 80 characters; rows 12 to 60 start above the page's bottom edge.
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::string(79, 'x') + " ";
    const Wrapped w = wrap(text);
    EXPECT_EQ(w.rows, 1001);
    EXPECT_EQ(w.lines.size(), 60u - 12 + 1);
    EXPECT_LT(w.ys.back(), 3300);
}
