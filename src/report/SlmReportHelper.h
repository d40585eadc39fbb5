#pragma once

#include "report/BasePaintHelper.h"

#include <QFont>
#include <QPen>

// The one-page sleep report: patient block, the night's statistics, and the
// pulse-rate and SpO2 trends over ten hours.
class SlmReportHelper : public BasePaintHelper
{
    Q_OBJECT
public:
    // Trend samples are 2 s apart; the charts span ten hours.
    static constexpr int kSecondsPerSample = 2;
    static constexpr int kChartSamples = 18000;
    static constexpr int kSampleStep = 15;
    static constexpr quint8 kInvalid = 255;

    struct Chart
    {
        QString title;
        int columns;
        int rows;
        int columnParts;
        int rowParts;
        int bottomValue;
        int topValue;
    };

    explicit SlmReportHelper(QObject* parent = nullptr);

    bool setData(const ReportData& data) override;
    void paintPage(const QRectF& page, int index) override;
    // The one page fills the image.
    int jpgPageGap() const override { return 0; }

    // The curve of one trend over a chart rectangle: every 15th valid sample,
    // values clamped to the chart, samples past ten hours left out.
    static QPolygonF curve(const QVector<SleepTrendEntry>& trend, bool spo2, const QRectF& chart, int bottomValue,
                           int topValue);

protected:
    void onScaleChanged() override;

private:
    void paintBlock(const QRectF& block);
    void paintChart(const QRectF& chart, const Chart& layout, bool spo2);
    void paintField(double x, double y, const QString& label, const QString& value) const;

    QFont m_titleFont;
    QFont m_bigFont;
    QFont m_labelFont;
    QFont m_textFont;
    QPen m_minorPen;
    QPen m_majorPen;
    QPen m_prPen;
    QPen m_spo2Pen;
    QPen m_framePen;
    QPen m_textLinePen;
};
