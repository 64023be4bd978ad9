// The day's chart drawn with cairo, the same drawing for the window and for files.
#pragma once

#include <string>

#include "chart/day_chart.h"

typedef struct _cairo cairo_t;

namespace chart {

// Draws the chart into the rectangle (0, 0, width, height) of the context, in its user units.
// Colours hold on a light and a dark desktop alike (the chart brings its own sky) and stay apart
// for red-green colour blindness: the sky's bands are one blue ramp of falling lightness, the Sun
// orange, the Moon violet.
void DrawDayChart(cairo_t* context, double width, double height, const DayChart& chart);

// Writes the chart as a PNG or an SVG file, by the path's ending (".png", ".svg"), of width by
// height pixels, whole or not at all. Returns the reason of a failure, empty when written.
std::string WriteDayChartFile(const std::string& path, int width, int height, const DayChart& chart);

}  // namespace chart
