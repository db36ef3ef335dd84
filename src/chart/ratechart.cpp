#include "ratechart.h"

#include "chartlayout.h"

#include <QPainter>

#include <algorithm>

namespace chart {

namespace {

void fillRow(QImage &image, int row, int from, int to, QRgb colour)
{
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
    std::fill(line + from, line + to + 1, colour);
}

void fillColumn(QImage &image, int column, int from, int to, QRgb colour)
{
    for (int row = from; row <= to; ++row)
        reinterpret_cast<QRgb *>(image.scanLine(row))[column] = colour;
}

void drawBox(QImage &image, int left, int top, int right, int bottom, QRgb topLeft,
             QRgb bottomRight)
{
    fillRow(image, top, left, right, topLeft);
    fillColumn(image, left, top, bottom, topLeft);
    fillRow(image, bottom, left, right, bottomRight);
    fillColumn(image, right, top, bottom, bottomRight);
}

// The whole chart, filling image: panel, bevel, frame and line.
void drawChart(QImage &image, const QPalette &palette, const FastLineSeries &series)
{
    const int width = image.width();
    const int height = image.height();
    if (width < 1 || height < 1)
        return;
    image.fill(palette.color(QPalette::Button));

    // Raised bevel: light top and left, shadow bottom and right.
    drawBox(image, 0, 0, width - 1, height - 1, palette.color(QPalette::Light).rgb(),
            palette.color(QPalette::Dark).rgb());

    const PlotArea area = plotAreaFor(width, height);
    if (area.right <= area.left || area.bottom <= area.top)
        return; // too small for a plot area
    const QRgb black = qRgb(0, 0, 0);
    drawBox(image, area.left, area.top, area.right, area.bottom, black, black);

    const QRgb red = qRgb(255, 0, 0);
    for (const Pixel &p : linePixels(area, placePoints(area, series.points())))
        reinterpret_cast<QRgb *>(image.scanLine(p.row))[p.column] = red;
}

} // namespace

RateChart::RateChart(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateAccessibleValue();
}

void RateChart::seriesChanged()
{
    update();
    updateAccessibleValue();
}

// A screen reader reads the counts of the match so far, one per second.
void RateChart::updateAccessibleValue()
{
    QStringList counts;
    for (const SeriesPoint &p : m_series.points())
        counts << QString::number(p.y);
    setAccessibleDescription(counts.isEmpty() ? QStringLiteral("keine Werte")
                                              : counts.join(QStringLiteral(", ")));
}

QImage RateChart::picture(qreal devicePixelRatio) const
{
    QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
    drawChart(image, palette(), m_series);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

void RateChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture(devicePixelRatioF()));
}

} // namespace chart
