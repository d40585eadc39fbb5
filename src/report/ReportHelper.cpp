#include "report/ReportHelper.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/DailyRecord.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/MultiTestRecord.h"
#include "files/SpotRecord.h"
#include "report/CheckValueText.h"
#include "report/DateTimeText.h"
#include "report/EcgTrace.h"
#include "report/LeadText.h"
#include "report/MultiTestDataDecorator.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// The multi-test page is laid out in the points of an A4 page.
constexpr double kDesignWidth = 595.275590551181;
constexpr double kDesignHeight = 841.8897705078125;

QPen pen(const QColor& colour, double width)
{
    QPen result(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    return result;
}

// Maps the multi-test page's design points onto the page rectangle.
struct Design
{
    QRectF page;
    double x(double designX) const { return page.left() + page.width() * designX / kDesignWidth; }
    double y(double designY) const { return page.top() + page.height() * designY / kDesignHeight; }
    QRectF rect(double dx, double dy, double dw, double dh) const
    {
        return QRectF(QPointF(x(dx), y(dy)), QPointF(x(dx + dw), y(dy + dh)));
    }
    double unit() const { return page.height() / kDesignHeight; }
};

} // namespace

ReportHelper::ReportHelper(QObject* parent)
    : BasePaintHelper(parent)
{
    m_margins.left = 17.5;
    m_margins.right = 17.5;
    m_margins.top = 7.5;
    m_margins.bottom = 7.5;
    onScaleChanged();
}

int ReportHelper::rowsFor(int sampleCount)
{
    int rows = sampleCount / kSamplesPerRow;
    if (sampleCount / kSamplesPerSecond != rows * 7)
        ++rows;
    return rows;
}

int ReportHelper::pagesFor(int rowCount)
{
    if (rowCount <= kFirstPageRows)
        return 1;
    return 1 + (rowCount - kFirstPageRows + kContinuationRows - 1) / kContinuationRows;
}

QString ReportHelper::interpretation(int result)
{
    if (result == 0)
        return tr("Regular electrocardiogram(ECG)");
    if (result == -1)
        return tr("Unable to Analyze");
    const QStringList texts{tr("Fast heart rate, tachycardia"), tr("Slow heart rate, bradycardia"),
                            tr("Irregular heartbeat"),          tr("Suspected Premature Beat(PVC)"),
                            tr("Suspected Heartbeat Pause"),    tr("Suspected Atrial Fibrillation (AF)"),
                            tr("QRS interval is too wide"),     tr("QTc interval prolongation"),
                            tr("QTc interval is too short"),    tr("ST segment elevation"),
                            tr("ST segment depression")};
    QStringList found;
    for (int bit = 0; bit < texts.size(); ++bit) {
        if (result & (1 << bit))
            found << texts.at(bit);
    }
    return found.join("; ");
}

bool ReportHelper::setData(const ReportData& data)
{
    BasePaintHelper::setData(data);
    m_lineCount = rowsFor(data.samples.size());
    m_pageCount = data.checkType == CheckType::MultiTest ? 1 : pagesFor(m_lineCount);
    return true;
}

void ReportHelper::onScaleChanged()
{
    m_titleFont = arial(7 * m_scale, true);
    m_bigFont = arial(5 * m_scale, true);
    m_labelFont = arial(3.2 * m_scale, true);
    m_textFont = arial(3.2 * m_scale, false);
    m_grid1Pen = pen(QColor(255, 192, 203), mm(0.13));
    m_grid5Pen = pen(QColor(255, 122, 122), mm(0.13));
    m_gridMajorPen = pen(QColor(255, 0, 0), mm(0.13));
    m_wavePen = pen(Qt::black, mm(0.2));
    m_framePen = pen(Qt::black, mm(0.3));
    m_textLinePen = pen(Qt::black, mm(0.2));
}

void ReportHelper::paintPage(const QRectF& page, int index)
{
    if (!m_painter)
        return;
    m_painter->save();
    if (m_data.checkType == CheckType::MultiTest)
        paintMultiTestPage(page);
    else
        paintEcgPage(page, index);
    m_painter->restore();
}

void ReportHelper::paintEcgPage(const QRectF& page, int index)
{
    m_painter->fillRect(page, Qt::white);
    const QRectF content = contentRect(page);
    const QRectF band(content.left(), content.top(), content.width(), mm(10));
    const int language = Config::instance()->language();
    const bool chinese = language == 2;
    const QString title = m_data.checkType == CheckType::Ecg && chinese ? tr("Report", "zh_zn_ver") : tr("Report");
    const QString logo = language == 0 ? QStringLiteral(":/lettle_lumadon_logo")
        : language == 2                ? QStringLiteral("://res/logo_quor.png")
                                       : QStringLiteral("://res/logo/zantro_logo2.png");
    paintTitleBand(band, m_titleFont, title, logo, chinese ? 4 : 0);

    const int rows = index == 0 ? kFirstPageRows : kContinuationRows;
    double areaTop = band.bottom() + mm(9);
    if (index == 0) {
        const QRectF block(content.left(), band.bottom(), content.width(), mm(blockHeight()));
        paintBlock(block);
        areaTop = block.bottom() + mm(9);
    }
    const QRectF area(content.left(), areaTop, content.width(), mm(rows * kRowHeightMm));
    paintGrid(area, rows);
    paintCalibrationMarks(area.left(), area.top(), mm(kGainMmPerMv), mm(kSecondMm));
    const int firstSample = index == 0 ? 0 : index * 10500 - kSamplesPerRow;
    paintRows(area, rows, firstSample);

    if (index + 1 == m_pageCount) {
        paintSignature(content.right(), area.bottom() + mm(2), m_textFont, m_textLinePen,
                       m_data.checkType != CheckType::CorvisetDailyCheck);
        paintCutNote(QRectF(content.left(), area.bottom() + mm(2), content.width() / 2, mm(5)), m_labelFont,
                     Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (m_pageCount > 1)
        paintPageNumber(content, index);
}

double ReportHelper::blockHeight() const
{
    return m_data.checkType == CheckType::SpotCheck ? 58 : 53;
}

void ReportHelper::paintBlock(const QRectF& block)
{
    m_painter->setPen(m_framePen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(block);
    const QRectF inner = block.adjusted(mm(2), mm(2), -mm(2), -mm(2));
    m_fieldRight = block.right() - mm(1);
    m_rowTop = -1;
    switch (m_data.checkType) {
    case CheckType::DailyCheck: paintDailyBlock(inner); break;
    case CheckType::SpotCheck: paintSpotBlock(inner); break;
    case CheckType::CorvisetDailyCheck: paintZoravBlock(inner); break;
    default: paintEcgBlock(inner); break;
    }
}

void ReportHelper::paintField(double x, double y, const QString& label, const QString& value) const
{
    // Longer texts (other languages, long names) push the next field of the row right.
    if (y == m_rowTop)
        x = qMax(x, m_rowEnd + mm(2.5));
    const QFontMetricsF labelMetrics(m_labelFont, m_painter->device());
    const double baseline = y + labelMetrics.ascent();
    m_painter->setPen(Qt::black);
    m_painter->setFont(m_labelFont);
    m_painter->drawText(QPointF(x, baseline), label);
    const double valueX = x + (label.isEmpty() ? 0 : labelMetrics.horizontalAdvance(label + " "));
    m_rowTop = y;
    m_rowEnd = paintFitted(valueX, baseline, m_fieldRight - valueX, m_textFont, value).right();
}

double ReportHelper::paintUserRows(const QRectF& inner, bool withPatientId)
{
    const double u = inner.width() / 3;
    const double v = inner.height() / 7;
    const double x = inner.left();
    if (withPatientId) {
        // A patient id of 20 characters and a name of 24 each get a column.
        paintField(x, inner.top(), tr("Paitent ID:"), m_data.userHidden ? QString() : m_data.user.medicalid);
        paintField(x + u, inner.top(), tr("Name:"), userName());
        paintField(x + 2.05 * u, inner.top(), tr("Gender:"), userGender());
    } else {
        paintField(x, inner.top(), tr("Name:"), userName());
        paintField(x + 1.4 * u, inner.top(), tr("Gender:"), userGender());
        paintField(x + 2.05 * u, inner.top(), tr("Date of Birth:"), userBirthday());
    }

    const double top = inner.top() + v;
    const QString label = tr("Remarks: ");
    paintField(inner.left(), top, label, QString());
    const QFontMetricsF metrics(m_textFont, m_painter->device());
    const double boxLeft = inner.left() + QFontMetricsF(m_labelFont, m_painter->device()).horizontalAdvance(label);
    const double lineHeight = metrics.height();
    const QRectF box(boxLeft, top, inner.right() - boxLeft, 3 * lineHeight);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAnywhere);
    m_painter->setFont(m_textFont);
    m_painter->drawText(box, m_data.user.remarks, option);
    m_painter->setPen(m_textLinePen);
    for (int k = 1; k <= 3; ++k)
        m_painter->drawLine(QPointF(boxLeft, top + k * lineHeight), QPointF(inner.right(), top + k * lineHeight));
    return top + 3 * lineHeight;
}

void ReportHelper::paintLeadPicture(const QString& resource, double x, double y) const
{
    const QImage picture(resource);
    if (picture.isNull())
        return;
    const double factor = m_scale / 5;
    m_painter->drawImage(QRectF(x, y, picture.width() * factor, picture.height() * factor), picture);
}

QString ReportHelper::measuringTime() const
{
    return DateTimeText::dateTime(m_data.record.checkTime().toDateTime(), true);
}

void ReportHelper::paintEcgBlock(const QRectF& inner)
{
    const double u = inner.width() / 3;
    const double v = inner.height() / 7;
    const double underline = paintUserRows(inner, false);
    const EcgRecord ecg = m_data.record.as<EcgRecord>();
    const EcgHeader& h = m_data.header;
    if (ecg.way >= 1 && ecg.way <= 5) {
        const QString picture = ecg.way == 5 ? QStringLiteral(":/leadWristova") : QString(":/lead%1").arg(ecg.way);
        paintLeadPicture(picture, inner.left() + 2.6 * u, underline + v / 2);
    }
    const double x = inner.left();
    paintField(x, inner.top() + 4 * v, tr("Measuring Time:"), measuringTime());
    paintField(x + 1.4 * u, inner.top() + 4 * v, tr("Bandwidth:"), LeadText::bandwidth(h.bandwidth));
    paintField(x, inner.top() + 5 * v, tr("HR:"),
               CheckValueText::withSuffix(h.heartRate, ValueRange::ecgHeartRate(), "/min"));
    paintField(x + 0.7 * u, inner.top() + 5 * v, tr("QRS:"),
               CheckValueText::withSuffix(h.qrs, ValueRange::qrs(), "ms"));
    if (LeadText::showsSt(ecg.way)) {
        const bool valid = h.st >= ValueRange::st().min && h.st <= ValueRange::st().max;
        paintField(x + 1.4 * u, inner.top() + 5 * v, tr("ST:"), valid ? CheckValueText::st(h.st) : "--mV");
    }
    paintField(x, inner.top() + 6 * v, tr("QT/QTc:"), CheckValueText::qtQtc(h.qt, h.qtc));
    paintField(x + 1.4 * u, inner.top() + 6 * v, QString(), ResultText::ecg(h.result, 2));
}

void ReportHelper::paintDailyBlock(const QRectF& inner)
{
    const double u = inner.width() / 3;
    const double v = inner.height() / 7;
    const double underline = paintUserRows(inner, false);
    const DailyRecord daily = m_data.record.as<DailyRecord>();
    const EcgHeader& h = m_data.header;
    if (h.leadMode >= 1 && h.leadMode <= 6)
        paintLeadPicture(QString(":/exlead%1").arg(h.leadMode), inner.left() + 2.6 * u, underline + v / 2);
    const double x = inner.left();
    paintField(x, inner.top() + 4 * v, tr("Measuring Time:"), measuringTime());
    paintField(x + 1.4 * u, inner.top() + 4 * v, tr("Bandwidth:"), LeadText::bandwidth(h.bandwidth));
    paintField(x, inner.top() + 5 * v, tr("HR:"),
               CheckValueText::withSuffix(h.heartRate, ValueRange::ecgHeartRate(), "/min"));
    paintField(x + 0.7 * u, inner.top() + 5 * v, tr("QRS:"),
               CheckValueText::withSuffix(h.qrs, ValueRange::qrs(), "ms"));
    paintField(x + 1.4 * u, inner.top() + 5 * v, tr("QT/QTc:"), CheckValueText::qtQtc(h.qt, h.qtc));
    if (m_data.modelType == DeviceModel::kQmr4Type) {
        // The two-user monitor measures no SpO2: its pulse verdict and lead instead.
        const LeadText::LeadCable lead = LeadText::daily(h.leadMode);
        paintField(x, inner.top() + 6 * v, tr("Lead:"), lead.lead);
        paintField(x + 0.7 * u, inner.top() + 6 * v, tr("Cable:"), lead.cable);
        paintField(x + 1.4 * u, inner.top() + 6 * v, QString(), ResultText::pulse(qint8(h.result)));
        return;
    }
    paintField(x, inner.top() + 6 * v, tr("SpO2:"), CheckValueText::withSuffix(daily.SpO2, ValueRange::spo2(), "%"));
    paintField(x + 0.7 * u, inner.top() + 6 * v, tr("PI:"), CheckValueText::perfusionIndex(daily.PI));
    paintField(x + 1.4 * u, inner.top() + 6 * v, QString(), ResultText::ecg(h.result, 2));
}

void ReportHelper::paintSpotBlock(const QRectF& inner)
{
    const double u = inner.width() / 3;
    const double v = inner.height() / 7;
    paintUserRows(inner, true);
    const SpotRecord spot = m_data.record.as<SpotRecord>();
    const bool ecg = spot.checkFunc & 1;
    const bool spo2 = spot.checkFunc & 2;
    const bool temperature = (spot.checkFunc & 4) && spot.temp != 0;
    const QString dash = CheckValueText::kDash;
    const double x = inner.left();
    paintField(x, inner.top() + 4 * v, tr("Measuring Time:"), measuringTime());
    paintField(x + 1.4 * u, inner.top() + 4 * v, tr("ECG Bandwidth:"), LeadText::bandwidth(m_data.header.bandwidth));
    paintField(x, inner.top() + 5 * v, tr("HR:"),
               ecg ? CheckValueText::withSuffix(spot.HR, ValueRange::ecgHeartRate(), "/min") : dash);
    paintField(x + 0.7 * u, inner.top() + 5 * v, tr("QRS:"),
               ecg ? CheckValueText::withSuffix(spot.QRS, ValueRange::qrs(), "ms") : dash);
    paintField(x + 1.4 * u, inner.top() + 5 * v, tr("QT/QTc:"), ecg ? CheckValueText::qtQtc(spot.QT, spot.QTc) : dash);
    paintField(x, inner.top() + 6 * v, tr("SpO2:"),
               spo2 ? CheckValueText::withSuffix(spot.Oxi, ValueRange::spo2(), "%") : dash);
    // This monitor stores the perfusion index in whole percent.
    paintField(x + 0.7 * u, inner.top() + 6 * v, tr("PI:"), spo2 ? QString::number(spot.PI) : dash);
    paintField(x + 1.4 * u, inner.top() + 6 * v, tr("Temperature:"),
               temperature ? UnitText::temperature(spot.temp, Config::instance()->isCelsius()) : dash);
}

void ReportHelper::paintZoravBlock(const QRectF& inner)
{
    const double u = inner.width() / 3;
    const double v = inner.height() / 7;
    paintUserRows(inner, false);
    const CorvisetDailyRecord daily = m_data.record.as<CorvisetDailyRecord>();
    const double x = inner.left();
    paintField(x, inner.top() + 4 * v, tr("Measuring Time:"), measuringTime());
    paintField(x + 1.4 * u, inner.top() + 4 * v, tr("Lead:"), LeadText::zoravMode(m_data.header.leadMode));
    const QString perMinute = "/" + tr("min");
    const QString heartRate = CheckValueText::withSuffix(daily.HR, ValueRange::zoravHeartRate(), perMinute);
    const bool differs = qAbs(int(daily.PR) - int(daily.HR)) > 2;
    paintField(x, inner.top() + 5 * v, tr("HR:"), heartRate);
    paintField(x + 0.7 * u, inner.top() + 5 * v, tr("PR:"),
               differs ? CheckValueText::withSuffix(daily.PR, ValueRange::ecgHeartRate(), perMinute) : heartRate);
    // The record keeps the perfusion index in tenths of a percent, as an unsigned byte.
    paintField(x + 1.4 * u, inner.top() + 5 * v, tr("PI:"), CheckValueText::perfusionIndex(quint8(daily.PI)));
    // The monitor's "cannot analyse" is -1, which a one-byte result stored as 255.
    const int result = m_data.header.result == 255 ? -1 : int(m_data.header.result);
    paintField(x, inner.top() + 6 * v, tr("ECG:"), interpretation(result));
}

void ReportHelper::paintGrid(const QRectF& area, int rows) const
{
    const double left = area.left();
    const double right = area.right();
    const double top = area.top();
    const int heightMm = int(rows * kRowHeightMm);
    const int widthMm = int(7 * kSecondMm);
    const double bottom = top + mm(heightMm);
    const double stepX = (right - left) / widthMm;
    // Finest lines first so the coarser ones stay on top.
    for (int pass = 0; pass < 3; ++pass) {
        for (int k = 0; k <= heightMm; ++k) {
            const int kind = k % 20 == 0 ? 2 : k % 5 == 0 ? 1 : 0;
            if (kind != pass)
                continue;
            m_painter->setPen(kind == 2 ? m_gridMajorPen : kind == 1 ? m_grid5Pen : m_grid1Pen);
            m_painter->drawLine(QPointF(left, top + mm(k)), QPointF(right, top + mm(k)));
        }
        for (int k = 0; k <= widthMm; ++k) {
            const int kind = k % 25 == 0 ? 2 : k % 5 == 0 ? 1 : 0;
            if (kind != pass)
                continue;
            m_painter->setPen(kind == 2 ? m_gridMajorPen : kind == 1 ? m_grid5Pen : m_grid1Pen);
            m_painter->drawLine(QPointF(left + k * stepX, top), QPointF(left + k * stepX, bottom));
        }
    }
}

void ReportHelper::paintCalibrationMarks(double left, double top, double millivolt, double second) const
{
    m_painter->save();
    m_painter->setPen(pen(Qt::black, mm(0.16)));
    m_painter->setFont(m_textFont);
    const double x0 = left - mm(1.5);
    const double w = mm(2.6);
    const double y0 = top + 2 * millivolt;
    QPolygonF pulse;
    pulse << QPointF(x0, y0) << QPointF(x0 - w, y0) << QPointF(x0 - w, y0 - millivolt)
          << QPointF(x0 - 2 * w, y0 - millivolt) << QPointF(x0 - 2 * w, y0) << QPointF(x0 - 3 * w, y0);
    m_painter->drawPolyline(pulse);
    m_painter->drawText(QRectF(x0 - 3 * w, y0 + mm(1), 3 * w, mm(5)), Qt::AlignHCenter | Qt::AlignTop,
                        QStringLiteral("1mV"));
    m_painter->drawLine(QPointF(left, top), QPointF(left, top - mm(4)));
    m_painter->drawLine(QPointF(left + second, top), QPointF(left + second, top - mm(4)));
    const double bracket = top - mm(2);
    const double stroke = second * 6 / 25;
    m_painter->drawLine(QPointF(left, bracket), QPointF(left + stroke, bracket));
    m_painter->drawLine(QPointF(left + second - stroke, bracket), QPointF(left + second, bracket));
    m_painter->drawText(QRectF(left, top - mm(4), second, mm(4)), Qt::AlignCenter, QStringLiteral("1s"));
    m_painter->restore();
}

void ReportHelper::paintRows(const QRectF& area, int rows, int firstSample) const
{
    m_painter->setPen(m_wavePen);
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    EcgTrace::Row row;
    row.left = area.left();
    row.right = area.right();
    row.top = area.top();
    row.bottom = area.bottom();
    row.samplesPerRow = kSamplesPerRow;
    row.pixelsPerCount = EcgTrace::pixelsPerCount(m_scale, kGainMmPerMv);
    for (int r = 0; r < rows; ++r) {
        const int first = firstSample + r * kSamplesPerRow;
        if (first >= m_data.samples.size())
            break;
        row.baseline = area.top() + (r + 0.5) * mm(kRowHeightMm);
        m_painter->drawPolyline(EcgTrace::row(m_data.samples, first, row));
    }
}

void ReportHelper::paintPageNumber(const QRectF& content, int index) const
{
    m_painter->setPen(Qt::black);
    m_painter->setFont(arial(2.5 * m_scale, false));
    const QRectF box(content.left(), content.bottom() + mm(1.5), content.width(), mm(4));
    m_painter->drawText(box, Qt::AlignRight | Qt::AlignTop, QString("%1/%2").arg(index + 1).arg(m_pageCount));
}

void ReportHelper::paintCutNote(const QRectF& box, const QFont& font, Qt::Alignment alignment) const
{
    if (!m_data.isStripCut())
        return;
    m_painter->setPen(QColor(170, 0, 0));
    m_painter->setFont(font);
    m_painter->drawText(
        box, alignment,
        tr("The strip is cut: %1 of %2 samples").arg(m_data.samples.size()).arg(m_data.expectedSamples));
}

void ReportHelper::paintMultiTestPage(const QRectF& page)
{
    m_painter->fillRect(page, Qt::white);
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    const Design d{page};
    // Sizes in design points follow the page, so every device shows the same layout.
    const auto font = [&d](const char* family, double points) {
        QFont result(family);
        result.setPixelSize(qMax(1, qRound(points * d.unit())));
        return result;
    };
    const QFont medium9 = font("SourceHanSansCN-Medium", 9);
    const QFont regular10 = font("SourceHanSansCN-Regular", 10);
    const QFont medium12 = font("SourceHanSansCN-Medium", 12);
    const QFont regular8 = font("SourceHanSansCN-Regular", 8);
    const QFont title = font("SourceHanSansCN-Medium", 20);
    const QFont value = font("SourceHanSansCN-Medium", 13.5);
    // Text at a design point, never cut (see paintFitted); painted, or only
    // measured for the layout. Returns the box it takes, in design points.
    const auto text = [this, &d](double x, double y, const QFont& f, const QString& s, double right = 546,
                                 bool paint = true) {
        const double baseline = d.y(y) + QFontMetricsF(f, m_painter->device()).ascent();
        const double room = qMax(1.0, d.x(right) - d.x(x));
        const QRectF taken =
            paint ? paintFitted(d.x(x), baseline, room, f, s) : fittedBox(d.x(x), baseline, room, f, s);
        return QRectF(x, y, taken.width() / (d.x(1) - d.x(0)), (taken.bottom() - d.y(y)) / d.unit());
    };
    // A label, and its value at the design's column unless the label reaches
    // it; returns the design y under both.
    const auto field = [this, &text, &d](double x, double y, const QFont& labelFont, const QString& label,
                                         double valueX, double valueY, const QFont& valueFont, const QString& shown,
                                         double right, bool paint = true) {
        const QRectF labelBox = text(x, y, labelFont, label, right, paint);
        const double valueLeft = qMax(valueX, labelBox.right() + 3);
        // A value whose longest word has no room beside its label goes under it.
        const QFontMetricsF metrics(valueFont, m_painter->device());
        double longestWord = 0;
        for (const QString& word : shown.split(' '))
            longestWord = qMax(longestWord, metrics.horizontalAdvance(word));
        const bool beside = longestWord * kLeastShrink <= d.x(right) - d.x(valueLeft);
        const QRectF valueBox = beside ? text(valueLeft, valueY, valueFont, shown, right, paint)
                                       : text(x, labelBox.bottom(), valueFont, shown, right, paint);
        return qMax(labelBox.bottom(), valueBox.bottom());
    };

    const MultiTestRecord record = m_data.record.as<MultiTestRecord>();
    const MultiTestDataDecorator values(record);
    m_painter->setFont(title);
    m_painter->drawText(d.rect(48, 25, 300, 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                        tr("Report", "zh_cn_ver"));
    const QImage logo("://res/logo_quor.png");
    if (!logo.isNull())
        m_painter->drawImage(d.rect(472, 15, 74, 31), logo);

    text(150, 36, medium9, tr("TestTime:") + " " + measuringTime());
    const QStringList userLabels{tr("ID:"), tr("Name:"), tr("Gender:"), tr("Birthday:"), tr("Height:"), tr("Weight:")};
    const QList<double> userX{59, 165, 239, 295, 408, 486};
    const CheckUser& user = m_data.user;
    const QStringList userValues{user.medicalid,
                                 userName(),
                                 userGender(),
                                 userBirthday(),
                                 user.height > 0 ? QString("%1cm").arg(user.height) : CheckValueText::kDash,
                                 user.weight > 0 ? QString("%1kg").arg(user.weight / 10.0, 0, 'f', 1)
                                                 : CheckValueText::kDash};
    // The patient line keeps the design's columns while they have room; longer
    // texts (German labels, long names) push the next field right, and the
    // whole line shrinks rather than cut a name.
    const double gap = 8;
    const double lineRight = 546;
    const double fitRight = lineRight - 2;
    const auto userLineEnd = [&](const QFont& f, QList<double>* starts) {
        const QFontMetricsF metrics(f, m_painter->device());
        double end = userX.first() - gap;
        for (int i = 0; i < userLabels.size(); ++i) {
            const double x = qMax(userX.at(i), end + gap);
            if (starts)
                starts->append(x);
            // In design x units, which the page's width sets, not its height.
            end = x + metrics.horizontalAdvance(userLabels.at(i) + " " + userValues.at(i)) / (d.x(1) - d.x(0));
        }
        return end;
    };
    QFont userFont = medium9;
    const double end = userLineEnd(userFont, nullptr);
    if (end > fitRight)
        userFont.setPixelSize(qMax(1, int(medium9.pixelSize() * (fitRight - userX.first()) / (end - userX.first()))));
    // The design's columns do not shrink with the type, so that estimate may still be too wide.
    while (userFont.pixelSize() > 1 && userLineEnd(userFont, nullptr) > fitRight)
        userFont.setPixelSize(userFont.pixelSize() - 1);
    QList<double> starts;
    userLineEnd(userFont, &starts);
    for (int i = 0; i < userLabels.size(); ++i)
        text(starts.at(i), 58, userFont, userLabels.at(i) + " " + userValues.at(i), lineRight);

    // The lower band: blood pressure, glucose and temperature, each a verdict
    // and its value; a verdict that wraps pushes its value down. Returns the
    // design y under its texts.
    const auto lowerBand = [&](bool paint) {
        const double bpBottom =
            field(62, 152, medium12, tr("BP"), 107, 152, regular10, values.bloodPressureResult(), 294, paint);
        const double bgBottom =
            field(313, 152, medium12, tr("BG"), 364, 152, regular10, values.glucoseResult(), 417, paint);
        const double tempBottom =
            field(436, 152, medium12, tr("Temperature:"), 474, 152, regular10, values.temperatureResult(), 542, paint);
        const double bpShift = qMax(0.0, bpBottom - 171);
        return std::max({field(62, 174 + bpShift, regular10, tr("SYS/DIA:"), 136, 171 + bpShift, value,
                               values.bloodPressure(), 294, paint),
                         text(313, qMax(173.0, bgBottom), value, values.glucose(), 417, paint).bottom(),
                         text(436, qMax(173.0, tempBottom), value, values.temperature(), 542, paint).bottom()});
    };
    // The band grows to hold what wrapped, and the note and lead picture move down with it.
    const double bandBottom = qMax(193.0, lowerBand(false) + 2);
    const double shift = bandBottom - 193;
    m_painter->fillRect(d.rect(48, 73, 498, bandBottom - 73), QColor(221, 245, 255));
    m_painter->setPen(pen(QColor(172, 172, 172), d.unit()));
    m_painter->drawLine(QPointF(d.x(298), d.y(73)), QPointF(d.x(298), d.y(141)));
    m_painter->drawLine(QPointF(d.x(298), d.y(141)), QPointF(d.x(298), d.y(bandBottom)));
    m_painter->drawLine(QPointF(d.x(421), d.y(141)), QPointF(d.x(421), d.y(bandBottom)));
    m_painter->drawLine(QPointF(d.x(49), d.y(141)), QPointF(d.x(546), d.y(141)));

    // A verdict that wraps pushes the values under it down.
    const double ecgBottom = field(62, 83, medium12, tr("ECG:"), 107, 83, regular10, values.ecgResults(), 294);
    const double pulseBottom =
        field(313, 83, medium12, tr("FingerPulse:"), 364, 83, regular10, values.spo2Result(), 542);
    const double ecgShift = qMax(0.0, ecgBottom - 102);
    const double pulseShift = qMax(0.0, pulseBottom - 102);
    field(62, 105 + ecgShift, regular10, tr("HR:"), 107, 102 + ecgShift, value, values.heartRate(), 294);
    field(310, 105 + pulseShift, regular10, tr("Oxi:"), 364, 102 + pulseShift, value, values.spo2(), 542);
    field(62, 122 + ecgShift, regular10, tr("QRS:"), 107, 121 + ecgShift, regular10, values.qrs(), 167);
    field(171, 122 + ecgShift, regular10, tr("QT/QTc:"), 216, 121 + ecgShift, regular10, values.qtQtc(), 294);
    field(310, 122 + pulseShift, regular10, tr("PR:"), 364, 119 + pulseShift, value, values.pulseRate(), 542);
    lowerBand(true);

    // The note starts under its label, however tall the label's type face.
    const double noteTop = qMax(206.0 + shift, text(58, 197 + shift, medium9, tr("Note:")).bottom());
    m_painter->setFont(regular8);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAnywhere);
    m_painter->drawText(d.rect(58, noteTop, 446, qMax(235.0, noteTop + 10) - noteTop), m_data.remark, option);
    if (record.ecg_way >= 1 && record.ecg_way <= 5) {
        const QImage lead(record.ecg_way == 5 ? QStringLiteral(":/leadWristova")
                                              : QString(":/lead%1").arg(record.ecg_way));
        if (!lead.isNull())
            m_painter->drawImage(d.rect(504.5, 193.5 + shift, 41, 41), lead);
    }

    const QRectF strip = d.rect(48, 255, 498, 536);
    paintMultiTestStrip(strip, d.unit());
    paintCutNote(d.rect(304, 796, 242, 12), medium9, Qt::AlignRight | Qt::AlignVCenter);

    m_painter->fillRect(d.rect(48, 796, 254, 34), QColor(255, 141, 141, 30));
    m_painter->setPen(pen(Qt::black, d.unit()));
    const QFont signature = font("SourceHanSansCN-Regular", 10);
    m_painter->setFont(signature);
    const QFontMetricsF metrics(signature, m_painter->device());
    const QString doctor = tr("Doctor:");
    m_painter->drawText(QPointF(d.x(354) - metrics.horizontalAdvance(doctor + " "), d.y(821)), doctor);
    m_painter->drawLine(QPointF(d.x(354), d.y(821)), QPointF(d.x(424), d.y(821)));
    // Both labels end where their lines begin, so a longer word never runs onto its line.
    const QString date = tr("Date:");
    m_painter->drawText(QPointF(d.x(476) - metrics.horizontalAdvance(date + " "), d.y(821)), date);
    m_painter->drawLine(QPointF(d.x(476), d.y(821)), QPointF(d.x(546), d.y(821)));
}

void ReportHelper::paintMultiTestStrip(const QRectF& strip, double pointSize)
{
    // Ten half-rows of four large squares of five small ones; 7 s of 25 small squares.
    const double smallY = strip.height() / 200;
    const double smallX = strip.width() / 175;
    const QPen light = pen(QColor(255, 192, 203), 0.25 * pointSize);
    const QPen medium = pen(QColor(255, 122, 122), 0.5 * pointSize);
    const QPen major = pen(QColor(240, 0, 0), 0.5 * pointSize);
    for (int pass = 0; pass < 3; ++pass) {
        for (int k = 0; k <= 200; ++k) {
            const int kind = k % 20 == 0 ? 2 : k % 5 == 0 ? 1 : 0;
            if (kind != pass)
                continue;
            m_painter->setPen(kind == 2 ? major : kind == 1 ? medium : light);
            m_painter->drawLine(QPointF(strip.left(), strip.top() + k * smallY),
                                QPointF(strip.right(), strip.top() + k * smallY));
        }
        for (int k = 0; k <= 175; ++k) {
            const int kind = k % 25 == 0 ? 2 : k % 5 == 0 ? 1 : 0;
            if (kind != pass)
                continue;
            m_painter->setPen(kind == 2 ? major : kind == 1 ? medium : light);
            m_painter->drawLine(QPointF(strip.left() + k * smallX, strip.top()),
                                QPointF(strip.left() + k * smallX, strip.bottom()));
        }
    }
    // One millivolt is a twentieth of the strip's height, one second a seventh of its width.
    const double millivolt = strip.height() / 20;
    const double second = strip.width() / 7;
    paintCalibrationMarks(strip.left(), strip.top(), millivolt, second);
    m_painter->setPen(pen(Qt::black, 0.6 * pointSize));
    EcgTrace::Row row;
    row.left = strip.left();
    row.top = strip.top();
    row.bottom = strip.bottom();
    row.samplesPerRow = kSamplesPerRow;
    // Sample i of 1750 at i / 1749 of the width: the last sample on the right edge.
    row.right = strip.left() + strip.width() * kSamplesPerRow / (kSamplesPerRow - 1);
    row.pixelsPerCount = millivolt / EcgTrace::kCountsPerMillivolt;
    for (int r = 0; r < kFirstPageRows; ++r) {
        const int first = r * kSamplesPerRow;
        if (first >= m_data.samples.size())
            break;
        row.baseline = strip.top() + strip.height() * (2 * r + 1) / 10;
        m_painter->drawPolyline(EcgTrace::row(m_data.samples, first, row));
    }
}
