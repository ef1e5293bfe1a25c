#include "profile/profile_graph.h"

#include "profile/graph_parts.h"

GraphScales draw_profile_graph(Canvas& canvas, int width, int height, const DecodedProfile& profile, double prof,
                               char decimal_separator) {
    const GraphGeometry g(width, height, profile, prof);

    canvas.fillBackground(0, height - 53, width, height);
    canvas.setPenStyle(PenStyle::solid);
    draw_alarm_lanes(canvas, g, profile);

    canvas.setFontFace("SmallFont");
    canvas.setFontSize(5);
    canvas.setFontBold(false);
    draw_lane_labels(canvas, g);

    canvas.setPenColour(colours::black);
    canvas.setPenWidth(4);
    canvas.rectangle(0, 0, width - 50, height - 80);

    canvas.setPenWidth(1);
    canvas.setFontFace("Times New Roman");
    canvas.setFontSize(8);
    const PlotBox box = g.box();
    const PlotGrids grids = plan_grids(canvas, box, g.n, g.bottom_metres, decimal_separator);
    canvas.fillBackground(0, height - 70, width, height - 55);
    draw_time_marks(canvas, box, grids.time);

    canvas.fillBackground(width - 40, 0, width, height - 55);
    draw_depth_marks(canvas, box, grids.depth);

    const int curve_pen = draw_depth_curve(canvas, g, profile);
    draw_mean_line(canvas, g, profile, curve_pen);
    canvas.setPenColour(colours::black);
    canvas.setPenStyle(PenStyle::solid);

    return {g.x15(), g.y2()};
}
