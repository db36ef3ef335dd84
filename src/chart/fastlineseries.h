// The points of one rate chart: x is the index of the point, y the value.
// Changing the series only tells the chart that holds it to redraw; nothing
// is drawn here.
#pragma once

#include <vector>

namespace chart {

class RateChart;

struct SeriesPoint {
    double x;
    double y;
};

class FastLineSeries {
public:
    // The chart that holds the series and redraws when it changes; a series
    // on its own (as the layout tests use it) tells nobody.
    explicit FastLineSeries(RateChart *parentChart = nullptr) : m_parentChart(parentChart) {}

    // Appends value after the points held; its x is the number of points
    // held before. Returns the new point's index.
    int AddY(double value);
    // Removes all points; the next value appended gets x 0 again.
    void Clear();

    const std::vector<SeriesPoint> &points() const { return m_points; }
    int Count() const { return static_cast<int>(m_points.size()); }

private:
    void changed();

    std::vector<SeriesPoint> m_points;
    RateChart *m_parentChart;
};

} // namespace chart
