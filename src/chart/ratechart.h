// The small line chart of a player's keystrokes per second: a flat panel
// with a raised bevel, a black frame round the plot area and the series as a
// one-pixel red line, scaled to the data at every repaint. No axes, labels,
// legend or antialiasing.
#pragma once

#include "fastlineseries.h"

#include <QImage>
#include <QWidget>

namespace chart {

class RateChart : public QWidget {
    Q_OBJECT

public:
    explicit RateChart(QWidget *parent = nullptr);

    FastLineSeries &series() { return m_series; }
    const FastLineSeries &series() const { return m_series; }

    // The chart as painted, at the given device pixel ratio.
    QImage picture(qreal devicePixelRatio = 1.0) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class FastLineSeries;
    // Marks the whole chart for a redraw once the handler has returned.
    void seriesChanged();
    void updateAccessibleValue();

    FastLineSeries m_series{this};
};

} // namespace chart
