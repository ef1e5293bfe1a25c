#include <gtest/gtest.h>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_testo.h"

namespace {

// The rows used and the lines drawn from row 12 of a page 3300 pixels high (M 236, H 50),
// each checked to stand on its own row.
std::pair<int, std::vector<std::string>> wrap(const std::string& text) {
    RecordingCanvas canvas(50);
    const int rows = Stampa_Testo(canvas, page_metrics({300, 2400, 3300}, 50), text, 12);
    std::vector<std::string> lines;
    for (const auto& op : canvas.of(RecordingCanvas::Kind::text)) {
        EXPECT_EQ(std::pair(op.x1, op.y1), std::pair(256, 236 + int(13 + lines.size()) * 50));
        lines.push_back(op.text);
    }
    return {rows, lines};
}

}  // namespace

TEST(StampaTesto, LinesRunOnToTheFirstBreakFromTheEightiethAndRowsBelowThePageAreCountedNotDrawn) {
    const std::string a79(79, 'a'), c90(90, 'c'), h80(80, 'h'), i39(39, 'i');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {" "}},
        {a79 + ".", {" " + a79 + ".", " "}},  // a break as the 80th character leaves an empty last line
        {c90 + "," + i39, {" " + c90 + ",", " " + i39}},
        {h80 + "\r\nfine", {" " + h80, " fine"}},                         // a line end never starts a line
        {i39 + "\r\n" + i39 + "k more", {" " + i39 + i39 + "k ", " more"}},  // line ends count among the 80
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(wrap(text), std::pair(int(lines.size()), lines)) << text;
    for (char brk : std::string(" ,;:?.\r\n-!()"))
        EXPECT_EQ(wrap(std::string(79, 'f') + brk + "ggg").second.back(), " ggg") << int(brk);
    // 1,000 lines of 80 characters; rows 12 to 60 start above the page's bottom edge.
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::string(79, 'x') + " ";
    const auto [rows, lines] = wrap(text);
    EXPECT_EQ(std::pair(rows, lines.size()), std::pair(1001, std::size_t(60 - 12 + 1)));
}
