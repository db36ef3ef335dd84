// The points of one rate chart: x is the index of the point, y the value.
// Changing the series only tells its owner to redraw; nothing is drawn here.
#pragma once

#include <functional>
#include <vector>

namespace chart {

struct SeriesPoint {
    double x;
    double y;
};

class FastLineSeries {
public:
    // Appends value after the points held; its x is the number of points
    // held before. Returns the new point's index.
    int AddY(double value);
    // Removes all points; the next value appended gets x 0 again.
    void Clear();

    const std::vector<SeriesPoint> &points() const { return m_points; }
    int Count() const { return static_cast<int>(m_points.size()); }

    // Called after every change; the chart marks itself for a full redraw.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

private:
    std::vector<SeriesPoint> m_points;
    std::function<void()> m_changed;
};

} // namespace chart
