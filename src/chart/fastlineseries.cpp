#include "fastlineseries.h"

namespace chart {

int FastLineSeries::AddY(double value)
{
    const int index = Count();
    m_points.push_back({static_cast<double>(index), value});
    if (m_changed)
        m_changed();
    return index;
}

void FastLineSeries::Clear()
{
    m_points.clear();
    if (m_changed)
        m_changed();
}

} // namespace chart
