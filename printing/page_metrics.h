#pragma once

// Where everything on a printed page goes, from the printer's printable area and
// resolution, so that the page fills whatever paper the chosen printer offers.

#include <cstdint>

// The printable area of the printer, in device pixels, and its pixels per inch.
struct PrintArea {
    int dpi = 0;
    int width = 0;
    int height = 0;
};

struct PageMetrics {
    int M = 0;  // margin of 2 cm
    int R = 0;  // right edge of the frames
    int B = 0;  // bottom edge of the graph box
    int H = 0;  // line height of the page font
    int C = 0;  // column step
    int T = 0;  // one third of the page
    int G = 0;  // top edge of the graph box
    int page_height = 0;  // nothing drawn from here down can be seen
};

// 2 cm in pixels, truncated: 600 dpi gives 472, 300 gives 236.
int margine(int dpi);

PageMetrics page_metrics(const PrintArea& area, int line_height);

// Top of text row `row` of a block whose rows start `offset` pixels lower. 64 bits:
// a long text counts rows far past the page.
inline int64_t row_top(const PageMetrics& m, int64_t row, int offset) {
    return m.M + row * m.H + offset;
}

// Left edge of text column 0..3.
inline int column_left(const PageMetrics& m, int column) { return m.M + 20 + column * m.C; }
