#include "fastlineseries.h"

#include "ratechart.h"

namespace chart {

int FastLineSeries::AddY(double value)
{
    const int index = Count();
    m_points.push_back({static_cast<double>(index), value});
    changed();
    return index;
}

void FastLineSeries::Clear()
{
    m_points.clear();
    changed();
}

void FastLineSeries::changed()
{
    if (m_parentChart)
        m_parentChart->seriesChanged();
}

} // namespace chart
