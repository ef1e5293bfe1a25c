#pragma once

// The depth profile in the graph box of a printed page: mean depth and air
// consumption above the box, time and depth grids with their labels outside it, the
// red curve and the green dash-dot mean line.

#include "framework/core/canvas.h"
#include "framework/core/pixel.h"
#include "logbook/Clogbook.h"
#include "printing/page_metrics.h"
#include "profile/profile_decoder.h"

// A profile without samples leaves the box empty. The depth scale and the grids follow
// the screen graph's rules, so the page draws the same curve as the screen.
void draw_printed_graph(Canvas& canvas, const PageMetrics& m, const Timmersione& dive,
                        const DecodedProfile& profile, char decimal_separator);

