// Where a rate chart puts its frame and its line, in whole pixels. Kept free
// of painting so that the exact pixels can be checked on their own.
#pragma once

#include "fastlineseries.h"

#include <vector>

namespace chart {

struct Pixel {
    int column;
    int row;
    bool operator==(const Pixel &) const = default;
};

// The plot area's outermost columns and rows, all inclusive: the frame lies
// on them and the line stays strictly inside.
struct PlotArea {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PlotArea &) const = default;
};

// The client area less margins of 3 % of the width at each side and 4 % of
// the height at top and bottom, each rounded to the nearest pixel.
PlotArea plotAreaFor(int width, int height);

// Each point placed by scales that run from the smallest to the largest x
// and y of the series, nothing added. An empty range puts every point in the
// middle of that direction, rounded down.
std::vector<Pixel> placePoints(const PlotArea &area, const std::vector<SeriesPoint> &points);

// The pixels of the line that joins the placed points in order, clipped to
// the inside of the frame. A single point draws nothing.
std::vector<Pixel> linePixels(const PlotArea &area, const std::vector<Pixel> &placed);

} // namespace chart
