// The rate chart, pixel by pixel, on the 169 × 65 panel of the main window.
#include "chart/chartlayout.h"
#include "chart/ratechart.h"

#include <QTest>

#include <optional>

using chart::Pixel;

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<Pixel>)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

const QRgb Face = qRgb(240, 240, 240);
const QRgb Light = qRgb(255, 255, 255);
const QRgb Shadow = qRgb(160, 160, 160);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

// A row whose pixels are checked only where it names them.
const std::optional<int> NotCounted;

struct Chart {
    chart::RateChart widget;
    explicit Chart(const std::vector<double> &values = {})
    {
        QPalette palette;
        palette.setColor(QPalette::Button, Face);
        palette.setColor(QPalette::Light, Light);
        palette.setColor(QPalette::Dark, Shadow);
        widget.setPalette(palette);
        widget.resize(169, 65);
        for (double v : values)
            widget.series().AddY(v);
    }
    QImage picture() const { return widget.picture(1.0); }
};

QList<QPoint> redPixels(const QImage &image)
{
    QList<QPoint> found;
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            if (image.pixel(column, row) == Red)
                found << QPoint(column, row);
    return found;
}

} // namespace

class tst_RateChart : public QObject {
    Q_OBJECT

private slots:
    void plotArea();
    void placement_data();
    void placement();
    void emptyChartIsPanelBevelAndFrame();
    void line_data();
    void line();
    void lineNeverPaintsTheFrame();
    void emptyingStartsAgainAtTheLeft();
    void fullResolutionOnDenseScreens();
};

void tst_RateChart::plotArea()
{
    QCOMPARE(chart::plotAreaFor(169, 65), (chart::PlotArea{5, 3, 164, 62}));
}

void tst_RateChart::placement_data()
{
    QTest::addColumn<std::vector<double>>("counts");
    QTest::addColumn<std::vector<Pixel>>("expected");
    QTest::newRow("single point in the middle") << std::vector<double>{7} << std::vector<Pixel>{{84, 32}};
    QTest::newRow("rising") << std::vector<double>{1, 9} << std::vector<Pixel>{{5, 62}, {164, 3}};
    QTest::newRow("falling") << std::vector<double>{9, 1} << std::vector<Pixel>{{5, 3}, {164, 62}};
    QTest::newRow("level: middle row, not the bottom") << std::vector<double>{0, 0, 0}
                                                        << std::vector<Pixel>{{5, 32}, {85, 32}, {164, 32}};
    QTest::newRow("0 4 1 4") << std::vector<double>{0, 4, 1, 4}
                             << std::vector<Pixel>{{5, 62}, {58, 3}, {111, 47}, {164, 3}};
    QTest::newRow("0 4: 4 on the top edge") << std::vector<double>{0, 4} << std::vector<Pixel>{{5, 62}, {164, 3}};
    QTest::newRow("0 4 5: a new highest rescales") << std::vector<double>{0, 4, 5}
                                                    << std::vector<Pixel>{{5, 62}, {85, 15}, {164, 3}};
    std::vector<double> thirty;
    std::vector<Pixel> spread;
    for (int i = 0; i < 30; ++i) {
        thirty.push_back(i % 2);
        spread.push_back({5 + int(std::lround(i * 159.0 / 29)), i % 2 ? 3 : 62});
    }
    QTest::newRow("thirty points span the width") << thirty << spread;
}

void tst_RateChart::placement()
{
    QFETCH(std::vector<double>, counts);
    QFETCH(std::vector<Pixel>, expected);
    chart::FastLineSeries series;
    for (double c : counts)
        series.AddY(c);
    const auto placed = chart::placePoints(chart::plotAreaFor(169, 65), series.points());
    QCOMPARE(placed.size(), expected.size());
    for (std::size_t i = 0; i < placed.size(); ++i)
        QVERIFY2(placed[i] == expected[i],
                 qPrintable(QStringLiteral("point %1 at (%2, %3)").arg(i).arg(placed[i].column).arg(placed[i].row)));
}

void tst_RateChart::emptyChartIsPanelBevelAndFrame()
{
    const QImage image = Chart().picture();
    QCOMPARE(image.size(), QSize(169, 65));
    QCOMPARE(image.pixel(1, 0), Light);   // top edge
    QCOMPARE(image.pixel(0, 30), Light);  // left edge
    QCOMPARE(image.pixel(168, 30), Shadow);
    QCOMPARE(image.pixel(80, 64), Shadow);
    QCOMPARE(image.pixel(1, 1), Face);    // between bevel and frame
    QCOMPARE(image.pixel(4, 30), Face);
    for (QPoint corner : {QPoint(5, 3), QPoint(164, 3), QPoint(5, 62), QPoint(164, 62), QPoint(80, 3),
                          QPoint(80, 62), QPoint(5, 30), QPoint(164, 30)})
        QCOMPARE(image.pixel(corner), Black);
    QCOMPARE(image.pixel(6, 4), Face);    // the frame is not filled
    QCOMPARE(image.pixel(163, 61), Face);
    QCOMPARE(image.pixel(165, 30), Face);
    QVERIFY(redPixels(image).isEmpty());
}

void tst_RateChart::line_data()
{
    QTest::addColumn<std::vector<double>>("counts");
    QTest::addColumn<QList<QPoint>>("onLine");
    QTest::addColumn<std::optional<int>>("count"); // red pixels in all
    QTest::newRow("one point draws nothing") << std::vector<double>{5} << QList<QPoint>{}
                                             << std::optional(0);
    // A diagonal across the plot area, one pixel per column; its ends fall
    // on the frame's rows and are not seen.
    QTest::newRow("rising") << std::vector<double>{0, 4}
                            << QList<QPoint>{{7, 61}, {84, 33}, {162, 4}} << std::optional(156);
    QTest::newRow("falling") << std::vector<double>{4, 0}
                             << QList<QPoint>{{7, 4}, {84, 32}, {162, 61}} << std::optional(156);
    // Level: the middle row from the first column inside to the last.
    QTest::newRow("level") << std::vector<double>{3, 3} << QList<QPoint>{{6, 32}, {163, 32}}
                           << std::optional(158);
    // 0 4 1 4: the stretch along the top edge is not seen, the rest is.
    QTest::newRow("0 4 1 4") << std::vector<double>{0, 4, 1, 4}
                             << QList<QPoint>{{57, 4}, {59, 4}, {111, 47}, {112, 46}} << NotCounted;
}

void tst_RateChart::line()
{
    QFETCH(std::vector<double>, counts);
    QFETCH(QList<QPoint>, onLine);
    QFETCH(std::optional<int>, count);
    const QImage image = Chart(counts).picture();
    const QList<QPoint> red = redPixels(image);
    for (QPoint p : onLine)
        QVERIFY2(red.contains(p), qPrintable(QStringLiteral("no line at (%1, %2)").arg(p.x()).arg(p.y())));
    if (count)
        QCOMPARE(red.size(), *count);
    if (counts.size() == 2 && counts[0] == counts[1])
        for (QPoint p : red)
            QCOMPARE(p.y(), 32);
}

void tst_RateChart::lineNeverPaintsTheFrame()
{
    std::vector<double> jagged;
    for (int i = 0; i < 30; ++i)
        jagged.push_back((i * 7) % 11);
    const QImage image = Chart(jagged).picture();
    const QList<QPoint> red = redPixels(image);
    QVERIFY(red.size() > 200);
    for (QPoint p : red)
        QVERIFY(p.x() > 5 && p.x() < 164 && p.y() > 3 && p.y() < 62);
    // The frame stays whole.
    for (int column = 5; column <= 164; ++column)
        QVERIFY(image.pixel(column, 3) == Black && image.pixel(column, 62) == Black);
}

void tst_RateChart::emptyingStartsAgainAtTheLeft()
{
    Chart chart({2, 8, 3});
    chart.widget.series().Clear();
    QCOMPARE(chart.widget.series().Count(), 0);
    QVERIFY(redPixels(chart.picture()).isEmpty());
    QCOMPARE(chart.widget.series().AddY(4), 0);
    QCOMPARE(chart.widget.series().points().front().x, 0.0);
    QCOMPARE(chart.widget.series().AddY(6), 1);
    QVERIFY(redPixels(chart.picture()).contains(QPoint(84, 33)));
}

// At a device pixel ratio of 2 the chart is drawn on the device's own
// pixels: twice the pixels each way, a one-pixel frame and line, no blur.
void tst_RateChart::fullResolutionOnDenseScreens()
{
    const QImage image = Chart({3, 3}).widget.picture(2.0);
    QCOMPARE(image.size(), QSize(338, 130));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(chart::plotAreaFor(338, 130), (chart::PlotArea{10, 5, 328, 125}));
    QCOMPARE(image.pixel(10, 5), Black);
    QCOMPARE(image.pixel(328, 125), Black);
    QCOMPARE(image.pixel(11, 6), Face);
    const QList<QPoint> red = redPixels(image);
    QCOMPARE(red.size(), 328 - 10 - 1);
    for (QPoint p : red)
        QCOMPARE(p.y(), 65); // the middle row, one pixel thick
}

QTEST_MAIN(tst_RateChart)
#include "tst_ratechart.moc"
