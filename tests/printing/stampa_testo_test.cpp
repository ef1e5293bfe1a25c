#include <gtest/gtest.h>

#include "framework/core/recording_canvas.h"
#include "printing/stampa_testo.h"

namespace {

// M 236, H 50 on a page 3300 pixels high.
const PageMetrics kPage = page_metrics({300, 2400, 3300}, 50);

struct Wrapped {
    int rows = 0;
    std::vector<std::string> lines;
    std::vector<int> ys;
};

Wrapped wrap(const std::string& text, int row = 12) {
    RecordingCanvas canvas(50);
    Wrapped out;
    out.rows = Stampa_Testo(canvas, kPage, text, row);
    for (const auto& op : canvas.of(RecordingCanvas::Kind::text)) {
        EXPECT_EQ(op.x1, 256);
        out.lines.push_back(op.text);
        out.ys.push_back(op.y1);
    }
    return out;
}

}  // namespace

TEST(StampaTesto, ShortAndEmptyTextsTakeOneRow) {
    const std::string seventy_nine(79, 'a');
    const Wrapped w = wrap(seventy_nine);
    EXPECT_EQ(w.rows, 1);
    EXPECT_EQ(w.lines, std::vector<std::string>{" " + seventy_nine});
    EXPECT_EQ(w.ys, std::vector<int>{236 + 12 * 50 + 50});

    const Wrapped empty = wrap("", 3);
    EXPECT_EQ(empty.rows, 1);
    EXPECT_EQ(empty.lines, std::vector<std::string>{" "});
    EXPECT_EQ(empty.ys, std::vector<int>{236 + 3 * 50 + 50});
}

TEST(StampaTesto, EightyCharactersEndingInABreakLeaveAnEmptyLastLine) {
    const std::string eighty = std::string(79, 'b') + ".";
    const Wrapped w = wrap(eighty, 1);
    EXPECT_EQ(w.rows, 2);
    EXPECT_EQ(w.lines, (std::vector<std::string>{" " + eighty, " "}));
    EXPECT_EQ(w.ys, (std::vector<int>{336, 386}));
}

TEST(StampaTesto, ALineRunsOnToTheNextBreak) {
    const std::string ninety(90, 'c');
    EXPECT_EQ(wrap(ninety).lines, (std::vector<std::string>{" " + ninety, " "}));

    // 83 letters, a comma, 40 more: the first line runs to the comma.
    const std::string text = std::string(83, 'd') + "," + std::string(40, 'e');
    const Wrapped w = wrap(text);
    EXPECT_EQ(w.lines, (std::vector<std::string>{" " + std::string(83, 'd') + ",", " " + std::string(40, 'e')}));

    // A break as the 80th character ends the line there, whatever follows.
    for (char brk : std::string(" ,;:?.\r\n-!()")) {
        const std::string t = std::string(79, 'f') + brk + "ggg";
        EXPECT_EQ(wrap(t).rows, 2) << int(brk);
        EXPECT_EQ(wrap(t).lines.back(), " ggg") << int(brk);
    }
}

TEST(StampaTesto, LineEndsAreDroppedAndNeverStartALine) {
    EXPECT_EQ(wrap("Prima.\r\nSeconda.\r\nTerza.").lines, std::vector<std::string>{" Prima.Seconda.Terza."});

    // A line end that would start the second line is taken by the first.
    const std::string text = std::string(80, 'h') + "\r\nfine";
    const Wrapped w = wrap(text);
    EXPECT_EQ(w.lines, (std::vector<std::string>{" " + std::string(80, 'h'), " fine"}));
    // Carriage returns count among the 80 characters of a line.
    const std::string counted = std::string(39, 'i') + "\r\n" + std::string(39, 'j') + "k more";
    EXPECT_EQ(wrap(counted).lines.front(), " " + std::string(39, 'i') + std::string(39, 'j') + "k ");
}

TEST(StampaTesto, RowsBelowThePageAreCountedNotDrawn) {
    // 1,000 lines of 80 characters; rows 12 to 60 start above the
    // page's bottom edge (236 + 60 x 50 + 50 < 3300).
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::string(79, 'x') + " ";
    const Wrapped w = wrap(text);
    EXPECT_EQ(w.rows, 1001);
    EXPECT_EQ(w.lines.size(), 60u - 12 + 1);
    EXPECT_LT(w.ys.back(), 3300);
}
