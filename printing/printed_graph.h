#pragma once

// The depth profile in the graph box of a printed page: mean depth and air
// consumption above the box, time and depth grids with their labels outside it, the
// red curve and the green dash-dot mean line.

#include "framework/core/canvas.h"
#include "framework/core/pixel.h"
#include "logbook/Clogbook.h"
#include "printing/page_metrics.h"
#include "profile/profile_decoder.h"

// A profile without samples leaves the box empty. A maximum depth that gives no
// scale (not finite, -2 m or less) leaves out the depth grid, the curve and the
// mean line; a grid denser than the box's pixels is left out.
void draw_printed_graph(Canvas& canvas, const PageMetrics& m, const Timmersione& dive,
                        const DecodedProfile& profile, char decimal_separator);

