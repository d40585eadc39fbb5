#include "report/HolterMinutePainter.h"
#include "report/HolterWaveRow.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QtTest>

namespace {

// A row 100 units wide at baseline 50, one unit per count, clamped to 0..100.
HolterWaveRow::Geometry geometry(double columnWidth)
{
    HolterWaveRow::Geometry g;
    g.left = 0;
    g.right = 100;
    g.baseline = 50;
    g.top = 0;
    g.bottom = 100;
    g.pixelsPerCount = 1;
    g.columnWidth = columnWidth;
    return g;
}

QVector<qint16> samples(const QList<int>& values)
{
    QVector<qint16> result;
    for (int v : values)
        result << qint16(v);
    return result;
}

QString text(const QPolygonF& line)
{
    QStringList points;
    for (const QPointF& p : line)
        points << QString("%1,%2").arg(p.x()).arg(p.y());
    return points.join(' ');
}

} // namespace

class TestHolterWaveRow : public QObject
{
    Q_OBJECT
private slots:
    void points_data();
    void points();
    void noPeakIsLostWhereColumnsHoldManySamples_data();
    void noPeakIsLostWhereColumnsHoldManySamples();
    void cachedGridMatchesTheVectorGrid_data();
    void cachedGridMatchesTheVectorGrid();
    void minuteTraceStaysInsideThePlot();
};

void TestHolterWaveRow::points_data()
{
    QTest::addColumn<double>("columnWidth");
    QTest::addColumn<QVector<qint16>>("samples");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    // 4 samples over 4 columns of 25: one sample each.
    QTest::newRow("one sample a column") << 25.0 << samples({1, 2, 3, 4}) << 0 << 4 << "0,50 0,49 25,48 50,47 75,46";
    // 2 samples over 4 columns: a plain polyline of the samples.
    QTest::newRow("fewer samples than columns") << 25.0 << samples({10, 20}) << 0 << 2 << "0,50 0,40 50,30";
    // 8 samples over 2 columns: the minimum and maximum of each, in sample order.
    QTest::newRow("rising then falling") << 50.0 << samples({0, 5, 30, 2, 3, -20, 1, 0}) << 0 << 8
                                         << "0,50 0,50 0,20 50,47 50,70";
    // Out-of-range samples give no point; a column of nothing else none at all.
    QTest::newRow("artefacts skipped") << 50.0 << samples({30001, -30001, 7, 30001}) << 0 << 4 << "0,50 50,43";
    // Samples far off the row are clamped to the plot, not skipped.
    QTest::newRow("clamped") << 50.0 << samples({29999, -29999}) << 0 << 2 << "0,50 0,0 50,100";
    // The row stops where the recording ends.
    QTest::newRow("recording ends") << 25.0 << samples({1, 2, 3}) << 1 << 4 << "0,50 0,48 25,47";
    QTest::newRow("starts past the end") << 25.0 << samples({1, 2}) << 2 << 4 << "0,50";
    QTest::newRow("negative start") << 25.0 << samples({1, 2}) << -1 << 4 << "0,50";
}

void TestHolterWaveRow::points()
{
    QFETCH(double, columnWidth);
    QFETCH(QVector<qint16>, samples);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(text(HolterWaveRow(geometry(columnWidth)).points(samples, first, count)), expected);
}

void TestHolterWaveRow::noPeakIsLostWhereColumnsHoldManySamples_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("columnWidth");
    // 2.5 and 37.5 samples a column, and 15 on columns narrower than a unit.
    QTest::newRow("all-ECG page") << 250 << 1.0;
    QTest::newRow("report at 300 dpi") << 3750 << 1.0;
    QTest::newRow("paper columns") << 3750 << 0.4;
}

void TestHolterWaveRow::noPeakIsLostWhereColumnsHoldManySamples()
{
    QFETCH(int, count);
    QFETCH(double, columnWidth);
    // About 40 beats, each R wave a single sample of 40 counts.
    QVector<qint16> ecg(count, 0);
    int beats = 0;
    for (int i = 3; i < count; i += count / 40 + 1, ++beats)
        ecg[i] = 40;
    const QPolygonF line = HolterWaveRow(geometry(columnWidth)).points(ecg, 0, count);
    int peaks = 0;
    for (const QPointF& p : line)
        peaks += qFuzzyCompare(p.y(), 10.0) ? 1 : 0;
    QCOMPARE(peaks, beats);
    for (const QPointF& p : line)
        QVERIFY(p.x() >= 0 && p.x() < 100);
}

void TestHolterWaveRow::cachedGridMatchesTheVectorGrid_data()
{
    QTest::addColumn<QRectF>("plot");
    QTest::newRow("whole pixels") << QRectF(10, 20, 500, 280);
    QTest::newRow("fractional origin") << QRectF(10.4, 20.7, 503.3, 281.85);
}

void TestHolterWaveRow::cachedGridMatchesTheVectorGrid()
{
    QFETCH(QRectF, plot);
    HolterMinutePainter painter;
    // On an image the grid comes from its cached picture, twice.
    QImage cached(600, 400, QImage::Format_RGB32);
    cached.fill(Qt::gray);
    {
        QPainter p(&cached);
        painter.paintGrid(p, plot);
        painter.paintGrid(p, plot);
    }
    // Recorded as a picture it is drawn as lines.
    QPicture picture;
    {
        QPainter p(&picture);
        painter.paintGrid(p, plot);
    }
    QImage lines(600, 400, QImage::Format_RGB32);
    lines.fill(Qt::gray);
    {
        QPainter p(&lines);
        picture.play(&p);
    }
    int differing = 0;
    for (int y = 0; y < cached.height(); ++y) {
        for (int x = 0; x < cached.width(); ++x)
            differing += cached.pixel(x, y) != lines.pixel(x, y) ? 1 : 0;
    }
    QCOMPARE(differing, 0);
}

void TestHolterWaveRow::minuteTraceStaysInsideThePlot()
{
    const QRectF plot(50, 40, 500, 280);
    // Two minutes of a wave swinging far beyond the rows.
    QVector<qint16> ecg(2 * HolterMinutePainter::kSamplesPerMinute);
    for (int i = 0; i < ecg.size(); ++i)
        ecg[i] = qint16(i % 2 ? 25000 : -25000);
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        HolterMinutePainter painter;
        painter.paintTrace(p, plot, ecg, 1);
    }
    const QRect inside = plot.toAlignedRect().adjusted(-1, -1, 1, 1);
    int outside = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++dark;
                outside += inside.contains(x, y) ? 0 : 1;
            }
        }
    }
    QVERIFY(dark > 1000);
    QCOMPARE(outside, 0);
}

QTEST_MAIN(TestHolterWaveRow)
#include "TestHolterWaveRow.moc"
