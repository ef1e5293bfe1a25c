#pragma once

// Long texts (buddies, comments) wrapped into printed lines by character counts.

#include <string_view>

#include "framework/core/canvas.h"
#include "printing/page_metrics.h"

// Prints `text` from text row `row` on, one line a row at x = M + 20, in the canvas's
// current font. Every line but the last takes at least 80 characters and runs on to
// the next break character; carriage returns and line feeds are dropped. Returns the
// rows used, at least 1. Lines that fall below the page are counted, not drawn.
int Stampa_Testo(Canvas& canvas, const PageMetrics& m, std::string_view text, int row);
