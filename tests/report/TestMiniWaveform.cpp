#include "report/MiniWaveform.h"
#include "report/PerfusionBars.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

QImage draw(const QVector<qint16>& samples, const QRect& rect, const QSize& canvas)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    MiniWaveform::paint(painter, samples, rect);
    return image;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Top and bottom dark row between two rows of the image.
QPair<int, int> darkRows(const QImage& image, int fromRow, int toRow)
{
    int top = -1;
    int bottom = -1;
    for (int y = fromRow; y <= toRow; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isDark(image.pixel(x, y))) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return {top, bottom};
}

} // namespace

class TestMiniWaveform : public QObject
{
    Q_OBJECT
private slots:
    void fewerThanThreeSamplesDrawNothing_data();
    void fewerThanThreeSamplesDrawNothing();
    void outOfRangeSampleGetsNoPoint();
    void neverDrawsOutsideTheRectangle();
    void squareWaveHasItsHeightInPixels();
    void oneSampleSpikeKeepsItsHeight_data();
    void oneSampleSpikeKeepsItsHeight();
    void scaleFollowsTheLength_data();
    void scaleFollowsTheLength();
    void perfusionBarCount_data();
    void perfusionBarCount();
};

void TestMiniWaveform::fewerThanThreeSamplesDrawNothing_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("header only") << 0;
    QTest::newRow("two samples") << 2;
}

void TestMiniWaveform::fewerThanThreeSamplesDrawNothing()
{
    QFETCH(int, count);
    const QVector<qint16> samples(count, 500);
    QVERIFY(MiniWaveform::strips(samples, QRect(0, 0, 300, 90)).isEmpty());
    const QImage image = draw(samples, QRect(0, 0, 300, 90), QSize(300, 90));
    QCOMPARE(darkRows(image, 0, 89).first, -1);
}

void TestMiniWaveform::outOfRangeSampleGetsNoPoint()
{
    const QVector<qint16> samples{0, 30001, 0, 10, -30001, 10, 0, 30000, 0};
    const QVector<QPolygonF> strips = MiniWaveform::strips(samples, QRect(0, 0, 300, 90));
    QCOMPARE(strips.size(), 3);
    // The start point and one point per drawn sample.
    QCOMPARE(strips.at(0).size(), 3);
    QCOMPARE(strips.at(1).size(), 3);
    QCOMPARE(strips.at(2).size(), 4);
    // Its neighbours are joined directly: x jumps two steps.
    QCOMPARE(strips.at(0).at(2).x() - strips.at(0).at(1).x(), 200.0);
}

void TestMiniWaveform::neverDrawsOutsideTheRectangle()
{
    QVector<qint16> samples;
    for (int i = 0; i < 9000; ++i)
        samples << qint16((i % 7) * 4000 - 12000 + (i % 2 ? 29999 : -29999) / 3);
    const QRect rect(40, 30, 250, 60);
    const QImage image = draw(samples, rect, QSize(340, 130));
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isDark(image.pixel(x, y)))
                continue;
            QVERIFY2(rect.contains(x, y), qPrintable(QString("dark pixel at %1,%2").arg(x).arg(y)));
            ++inside;
        }
    }
    QVERIFY(inside > 0);
}

void TestMiniWaveform::squareWaveHasItsHeightInPixels()
{
    // 3000 samples: unit = width * 3 / 20 = 60 px, 1 mV = 60 / 2.5 = 24 px.
    QVector<qint16> samples;
    for (int i = 0; i < 3000; ++i)
        samples << qint16((i / 50) % 2 ? 780 : -780);
    const QRect rect(0, 0, 400, 300);
    const QImage image = draw(samples, rect, rect.size());
    for (int strip = 0; strip < 3; ++strip) {
        const QPair<int, int> rows = darkRows(image, strip * 100, strip * 100 + 99);
        QVERIFY(qAbs(rows.second - rows.first - 48) <= 1);
        QVERIFY(qAbs((rows.first + rows.second) / 2 - (strip * 100 + 50)) <= 1);
    }
}

void TestMiniWaveform::oneSampleSpikeKeepsItsHeight_data()
{
    QTest::addColumn<int>("sign");
    QTest::newRow("up") << 1;
    QTest::newRow("down") << -1;
}

void TestMiniWaveform::oneSampleSpikeKeepsItsHeight()
{
    // 7500 samples, 8 to 9 a pixel column: unit = 300 / 10 = 30 px, 1 mV = 12 px.
    // A lone sample inside a column still reaches its 3 mV, 36 px from the base.
    QFETCH(int, sign);
    QVector<qint16> samples(7500, 0);
    for (int strip = 0; strip < 3; ++strip)
        samples[strip * 2500 + 1204] = qint16(sign * qRound(3 * MiniWaveform::kCountsPerMillivolt));
    const QRect rect(0, 0, 300, 300);
    const QImage image = draw(samples, rect, rect.size());
    for (int strip = 0; strip < 3; ++strip) {
        const QPair<int, int> rows = darkRows(image, strip * 100, strip * 100 + 99);
        const int base = strip * 100 + 50;
        QVERIFY(qAbs((sign > 0 ? base - rows.first : rows.second - base) - 36) <= 1);
    }
}

void TestMiniWaveform::scaleFollowsTheLength_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("pixelsPerMv");
    QTest::newRow("22000") << 22000 << 600 / 30.0 / 1.9;
    QTest::newRow("21999") << 21999 << 600 / 20.0 * 0.5;
    QTest::newRow("14500") << 14500 << 600 / 20.0 * 0.5;
    QTest::newRow("7000") << 7000 << 600 / 10.0 / 2.5;
    QTest::newRow("6999") << 6999 << 600 * 3 / 20.0 / 2.5;
}

void TestMiniWaveform::scaleFollowsTheLength()
{
    QFETCH(int, count);
    QFETCH(double, pixelsPerMv);
    QCOMPARE(MiniWaveform::pixelsPerCount(count, 600) * MiniWaveform::kCountsPerMillivolt, pixelsPerMv);
}

void TestMiniWaveform::perfusionBarCount_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("bars");
    const QList<QPair<int, int>> table{{0, 0},  {1, 1},  {10, 1}, {11, 2}, {19, 2},
                                       {20, 3}, {59, 3}, {60, 4}, {99, 4}, {100, 5}};
    for (const auto& row : table)
        QTest::newRow(qPrintable(QString::number(row.first))) << row.first << row.second;
}

void TestMiniWaveform::perfusionBarCount()
{
    QFETCH(int, tenths);
    QFETCH(int, bars);
    QCOMPARE(PerfusionBars::filledCount(tenths), bars);
}

QTEST_MAIN(TestMiniWaveform)
#include "TestMiniWaveform.moc"
