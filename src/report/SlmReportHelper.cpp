#include "report/SlmReportHelper.h"

#include "app/Config.h"
#include "files/SlmRecord.h"
#include "files/ValueRange.h"
#include "report/CheckValueText.h"
#include "report/DateTimeText.h"
#include "report/UnitText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace {} // namespace

SlmReportHelper::SlmReportHelper(QObject* parent)
    : BasePaintHelper(parent)
{
    m_margins.left = 12.5;
    m_margins.right = 12.5;
    m_margins.top = 12;
    m_margins.bottom = 12;
    onScaleChanged();
}

bool SlmReportHelper::setData(const ReportData& data)
{
    BasePaintHelper::setData(data);
    m_pageCount = 1;
    return true;
}

void SlmReportHelper::onScaleChanged()
{
    m_titleFont = arial(7 * m_scale, true);
    m_bigFont = arial(5 * m_scale, true);
    m_labelFont = arial(3 * m_scale, true);
    m_textFont = arial(3 * m_scale, false);
    m_minorPen = QPen(QColor(0, 0, 0, 100), mm(0.2));
    m_majorPen = QPen(Qt::black, mm(0.2));
    m_prPen = QPen(Qt::red, mm(0.3));
    m_spo2Pen = QPen(Qt::blue, mm(0.3));
    m_framePen = QPen(Qt::black, mm(0.3));
    m_textLinePen = QPen(Qt::black, mm(0.2));
}

QPolygonF SlmReportHelper::curve(const QVector<SleepTrendEntry>& trend, bool spo2, const QRectF& chart, int bottomValue,
                                 int topValue)
{
    QPolygonF points;
    const int count = qMin(trend.size(), kChartSamples + 1);
    for (int i = 0; i < count; i += kSampleStep) {
        const int value = spo2 ? trend.at(i).spo2 : trend.at(i).pr;
        if (value == kInvalid)
            continue;
        double y;
        if (value >= topValue)
            y = chart.top();
        else if (value <= bottomValue)
            y = chart.bottom();
        else
            y = chart.bottom() - chart.height() * (value - bottomValue) / (topValue - bottomValue);
        points << QPointF(chart.left() + i * chart.width() / kChartSamples, y);
    }
    return points;
}

void SlmReportHelper::paintPage(const QRectF& page, int)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->fillRect(page, Qt::white);
    const QRectF content = contentRect(page);
    const QRectF band(content.left(), content.top(), content.width(), mm(10));
    const QString logo = Config::instance()->language() == 0 ? QStringLiteral(":/lettle_lumadon_logo")
                                                             : QStringLiteral("://res/logo/zantro_logo2.png");
    paintTitleBand(band, m_titleFont, tr("Report"), logo, 0);

    const QRectF block(content.left(), band.bottom(), content.width(), mm(48));
    paintBlock(block);
    const QRectF prChart(content.left(), block.bottom() + mm(9), content.width(), mm(90));
    const QRectF spo2Chart(content.left(), prChart.bottom() + mm(13.5), content.width(), mm(90));
    paintChart(prChart, {tr("PR(/min)"), 10, 8, 10, 5, 20, 180}, false);
    paintChart(spo2Chart, {tr("SpO2(%)"), 10, 4, 10, 10, 60, 100}, true);
    paintSignature(content.right(), spo2Chart.bottom() + mm(10), m_textFont, m_textLinePen, true);
    m_painter->restore();
}

void SlmReportHelper::paintField(double x, double y, const QString& label, const QString& value) const
{
    const QFontMetricsF labelMetrics(m_labelFont, m_painter->device());
    const double baseline = y + labelMetrics.ascent();
    m_painter->setPen(Qt::black);
    m_painter->setFont(m_labelFont);
    m_painter->drawText(QPointF(x, baseline), label);
    m_painter->setFont(m_textFont);
    m_painter->drawText(QPointF(x + labelMetrics.horizontalAdvance(label + " "), baseline), value);
}

void SlmReportHelper::paintBlock(const QRectF& block)
{
    m_painter->setPen(m_framePen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(block);
    const QRectF inner = block.adjusted(mm(2), mm(2), -mm(2), -mm(2));
    const double u = inner.width() / 3;
    const double v = inner.height() / 7;
    const double x = inner.left();
    const double y = inner.top();
    paintField(x, y, tr("Name:"), userName());
    paintField(x + 1.4 * u, y, tr("Gender:"), userGender());
    paintField(x + 2.05 * u, y, tr("Date of Birth:"), userBirthday());

    const QString remarks = tr("Remarks:");
    paintField(x, y + v, remarks, QString());
    const double boxLeft = x + QFontMetricsF(m_labelFont, m_painter->device()).horizontalAdvance(remarks + " ");
    const double lineHeight = QFontMetricsF(m_textFont, m_painter->device()).height();
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAnywhere);
    m_painter->setFont(m_textFont);
    m_painter->drawText(QRectF(boxLeft, y + v, inner.right() - boxLeft, 3.1 * lineHeight), m_data.user.remarks, option);
    m_painter->setPen(m_textLinePen);
    for (int k = 1; k <= 3; ++k)
        m_painter->drawLine(QPointF(boxLeft, y + v + k * lineHeight), QPointF(inner.right(), y + v + k * lineHeight));

    const SlmRecord sleep = m_data.record.as<SlmRecord>();
    const ValueRange range = ValueRange::sleepSpo2();
    paintField(x, y + 4 * v, tr("Measuring Time:"), DateTimeText::dateTime(sleep.checkTime.toDateTime(), true));
    paintField(x + 1.4 * u, y + 4 * v, tr("Total Duration:"), UnitText::duration(int(sleep.totalTime)));
    paintField(x, y + 5 * v, tr("<90% Statistics:"),
               QString::number(sleep.lowOxiCount) + " " + tr("drops, Total time:") + " " +
                   UnitText::duration(sleep.lowOxiTime));
    paintField(x, y + 6 * v, tr("Average:"), CheckValueText::withSuffix(sleep.averageOxi, range, "%"));
    paintField(x + 1.4 * u, y + 6 * v, tr("Lowest:"), CheckValueText::withSuffix(sleep.lowestOxi, range, "%"));
}

void SlmReportHelper::paintChart(const QRectF& chart, const Chart& layout, bool spo2)
{
    const double columnWidth = chart.width() / layout.columns;
    const double rowHeight = chart.height() / layout.rows;
    for (int c = 0; c < layout.columns; ++c) {
        for (int part = 1; part < layout.columnParts; ++part) {
            const double x = chart.left() + c * columnWidth + part * columnWidth / layout.columnParts;
            m_painter->setPen(m_minorPen);
            m_painter->drawLine(QPointF(x, chart.top()), QPointF(x, chart.bottom()));
        }
    }
    for (int r = 0; r < layout.rows; ++r) {
        for (int part = 1; part < layout.rowParts; ++part) {
            const double y = chart.top() + r * rowHeight + part * rowHeight / layout.rowParts;
            m_painter->setPen(m_minorPen);
            m_painter->drawLine(QPointF(chart.left(), y), QPointF(chart.right(), y));
        }
    }
    m_painter->setPen(m_majorPen);
    for (int c = 0; c <= layout.columns; ++c)
        m_painter->drawLine(QPointF(chart.left() + c * columnWidth, chart.top()),
                            QPointF(chart.left() + c * columnWidth, chart.bottom()));
    for (int r = 0; r <= layout.rows; ++r)
        m_painter->drawLine(QPointF(chart.left(), chart.top() + r * rowHeight),
                            QPointF(chart.right(), chart.top() + r * rowHeight));

    m_painter->setFont(m_textFont);
    m_painter->setPen(Qt::black);
    const QFontMetricsF metrics(m_textFont, m_painter->device());
    m_painter->drawText(QPointF(chart.left(), chart.top() - mm(1) - metrics.descent()), layout.title);
    const int step = (layout.topValue - layout.bottomValue) / layout.rows;
    for (int k = 0; k <= layout.rows; ++k) {
        const QString label = QString::number(layout.topValue - k * step);
        const double y = chart.top() + k * rowHeight + metrics.height() / 3;
        m_painter->drawText(QPointF(chart.left() - mm(1) - metrics.horizontalAdvance(label), y), label);
    }
    const QDateTime start = m_data.record.checkTime().toDateTime();
    for (int k = 0; k <= 10; ++k) {
        const QRectF box(chart.left() - columnWidth / 2 + k * columnWidth, chart.bottom() + mm(1.5), columnWidth,
                         metrics.height());
        m_painter->drawText(box, Qt::AlignHCenter | Qt::AlignTop, start.addSecs(k * 3600).toString("HH:mm:ss"));
    }

    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->setPen(spo2 ? m_spo2Pen : m_prPen);
    m_painter->drawPolyline(curve(m_data.trend, spo2, chart, layout.bottomValue, layout.topValue));
    m_painter->restore();
}
