#include "printing/page_metrics.h"

int margine(int dpi) {
    // Extended precision, so that exact products such as 600 / 2.54 * 2 never land
    // a hair below their whole value.
    const long double margin = static_cast<long double>(dpi) * (1.0L / 2.54L) * 2.0L;
    return static_cast<int>(margin);
}

PageMetrics page_metrics(const PrintArea& area, int line_height) {
    PageMetrics m;
    m.M = margine(area.dpi);
    m.R = area.width - m.M;
    m.B = area.height - m.M;
    m.H = line_height;
    m.C = m.R / 4;
    m.T = m.B / 3;
    m.G = 2 * m.T;
    m.page_height = area.height;
    return m;
}
