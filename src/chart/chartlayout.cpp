#include "chartlayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace chart {

namespace {

int roundToPixel(double value) { return static_cast<int>(std::lround(value)); }

struct Range {
    double low;
    double high;
    bool empty() const { return high == low; }
};

template <typename Field>
Range rangeOf(const std::vector<SeriesPoint> &points, Field field)
{
    if (points.empty())
        return {0.0, 0.0};
    Range r{field(points.front()), field(points.front())};
    for (const SeriesPoint &p : points) {
        r.low = std::min(r.low, field(p));
        r.high = std::max(r.high, field(p));
    }
    return r;
}

bool inside(const PlotArea &a, int column, int row)
{
    return column > a.left && column < a.right && row > a.top && row < a.bottom;
}

// Bresenham's line, both ends included, keeping only the pixels inside.
void appendSegment(const PlotArea &area, Pixel from, Pixel to, std::vector<Pixel> &out)
{
    const int dx = std::abs(to.column - from.column);
    const int dy = -std::abs(to.row - from.row);
    const int stepX = from.column < to.column ? 1 : -1;
    const int stepY = from.row < to.row ? 1 : -1;
    int error = dx + dy;
    int column = from.column;
    int row = from.row;
    for (;;) {
        if (inside(area, column, row))
            out.push_back({column, row});
        if (column == to.column && row == to.row)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            column += stepX;
        }
        if (twice <= dx) {
            error += dx;
            row += stepY;
        }
    }
}

} // namespace

PlotArea plotAreaFor(int width, int height)
{
    const int sideMargin = roundToPixel(width * 0.03);
    const int endMargin = roundToPixel(height * 0.04);
    return {sideMargin, endMargin, width - sideMargin, height - endMargin};
}

std::vector<Pixel> placePoints(const PlotArea &area, const std::vector<SeriesPoint> &points)
{
    const Range xs = rangeOf(points, [](const SeriesPoint &p) { return p.x; });
    const Range ys = rangeOf(points, [](const SeriesPoint &p) { return p.y; });
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;

    std::vector<Pixel> placed;
    placed.reserve(points.size());
    for (const SeriesPoint &p : points) {
        const int column = xs.empty()
            ? (area.left + area.right) / 2
            : area.left + roundToPixel((p.x - xs.low) * width / (xs.high - xs.low));
        const int row = ys.empty()
            ? (area.top + area.bottom) / 2
            : area.bottom - roundToPixel((p.y - ys.low) * height / (ys.high - ys.low));
        placed.push_back({column, row});
    }
    return placed;
}

std::vector<Pixel> linePixels(const PlotArea &area, const std::vector<Pixel> &placed)
{
    std::vector<Pixel> pixels;
    for (std::size_t i = 1; i < placed.size(); ++i)
        appendSegment(area, placed[i - 1], placed[i], pixels);
    return pixels;
}

} // namespace chart
