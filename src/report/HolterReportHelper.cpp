#include "report/HolterReportHelper.h"

#include "app/Config.h"
#include "files/CheckUser.h"
#include "holter/HolterReport.h"
#include "report/DateTimeText.h"
#include "report/EcgTrace.h"
#include "report/HolterWaveRow.h"
#include "report/ReportOutput.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTextOption>

namespace {

QString logoResource()
{
    return Config::instance()->language() == 0 ? QStringLiteral(":/lettle_lumadon_logo")
                                               : QStringLiteral("://res/logo/zantro_logo2.png");
}

QString withUnit(const QString& value, const QString& unit)
{
    return value == QLatin1String("--") ? value : value + unit;
}

} // namespace

HolterReportHelper::HolterReportHelper(QObject* parent)
    : BasePaintHelper(parent)
    , m_linesPerPage(linesFor(Config::instance()->linesPerPage()))
{
    onScaleChanged();
}

void HolterReportHelper::setData(const HolterReport* report)
{
    m_report = report;
    paginate();
}

void HolterReportHelper::setLinesPerPage(int lines)
{
    m_linesPerPage = linesFor(lines);
    paginate();
}

int HolterReportHelper::stripPagesFor(int minutes, int lines)
{
    const int minutesPerPage = linesFor(lines) / 2;
    return minutes <= 0 ? 0 : (minutes + minutesPerPage - 1) / minutesPerPage;
}

QString HolterReportHelper::defaultFileName(const QString& sn, const QString& patient, const QDateTime& start)
{
    return ReportOutput::safeFileName(
        QString("%1_%2_%3.pdf").arg(sn, patient, QLocale(QLocale::English).toString(start, "yyyyMMddHHmmss")));
}

void HolterReportHelper::paginate()
{
    m_stripPages = m_report ? stripPagesFor(int(m_report->duration() / 60), m_linesPerPage) : 0;
    m_pageCount = m_stripPages + 1;
}

void HolterReportHelper::onScaleChanged()
{
    m_textFont = arial(3.5 * m_scale, false);
    m_titleFont = arial(7 * m_scale, true);
    m_sectionFont = arial(6 * m_scale, true);
    m_sectionFont.setUnderline(true);
    m_labelFont = arial(4 * m_scale, true);
    m_valueFont = arial(4 * m_scale, false);
    m_wavePen = QPen(Qt::black, mm(0.15), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    m_linePen = QPen(Qt::black, mm(0.2));
    paginate();
}

CheckUser HolterReportHelper::patient() const
{
    if (m_report && m_report->userInfo())
        return *m_report->userInfo();
    // A recording of no known user shows no gender either.
    CheckUser nobody;
    nobody.sex = -1;
    return nobody;
}

void HolterReportHelper::paintPage(const QRectF& page, int index)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->fillRect(page, Qt::white);
    m_painter->setPen(QPen(Qt::black, 0));
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(page);
    if (index == 0)
        paintSummaryPage(page);
    else if (index <= m_stripPages)
        paintStripPage(page, index);
    m_painter->restore();
}

double HolterReportHelper::rowHeight() const
{
    return QFontMetricsF(m_labelFont, m_painter->device()).height() * 1.45;
}

void HolterReportHelper::paintField(double x, double y, const QString& label, const QString& value) const
{
    paintLabelled(x, y, label, value, m_labelFont, m_valueFont);
}

double HolterReportHelper::paintSection(double x, double y, const QString& title) const
{
    return paintHeading(x, y, title, m_sectionFont);
}

void HolterReportHelper::paintWrapped(const QRectF& box, const QString& text) const
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAnywhere);
    m_painter->setPen(Qt::black);
    m_painter->setFont(m_valueFont);
    m_painter->drawText(box, text, option);
}

void HolterReportHelper::paintSummaryPage(const QRectF& page)
{
    const QRectF c =
        page.adjusted(0.05 * page.width(), 0.05 * page.height(), -0.05 * page.width(), -0.05 * page.height());
    const QImage logo(logoResource());
    const double logoHeight = logo.isNull() ? mm(10) : logo.height() * m_scale * 0.125;
    m_painter->setFont(m_titleFont);
    m_painter->setPen(Qt::black);
    m_painter->drawText(QRectF(c.left(), c.top(), c.width(), logoHeight), Qt::AlignLeft | Qt::AlignVCenter,
                        tr("Holter ECG Report"));
    if (!logo.isNull()) {
        const double logoWidth = logo.width() * logoHeight / logo.height();
        m_painter->drawImage(QRectF(c.right() - logoWidth, c.top(), logoWidth, logoHeight), logo);
    }

    const QRectF box(c.left(), c.top() + logoHeight, c.width(), 0.97 * c.height());
    m_painter->setPen(QPen(Qt::black, mm(0.4)));
    m_painter->drawRect(box);
    const QRectF in = box.adjusted(0.02 * box.width(), 0.03 * box.height(), -0.02 * box.width(), -0.03 * box.height());
    const double x1 = in.left();
    const double x2 = in.left() + in.width() / 2;
    const double row = rowHeight();
    const auto sectionTop = [&in](double fraction) { return in.top() + fraction * in.height(); };

    const CheckUser user = patient();
    QString gender;
    if (user.sex == 0)
        gender = tr("Male");
    else if (user.sex == 1)
        gender = tr("Female");
    double y = paintSection(x1, sectionTop(0.05), tr("Patient Information"));
    paintField(x1, y, tr("Patient Name:"), user.name);
    paintField(x2, y, tr("Physician:"), user.physician);
    paintField(x1, y + row, tr("ID:"), user.medicalid);
    paintField(x2, y + row, tr("Gender:"), gender);
    paintField(x1, y + 2 * row, tr("Date of Birth:"), DateTimeText::date(user.birthday));
    paintField(x1, y + 3 * row, tr("Indications:"), QString());
    const double indicationsTop = y + 3 * row + QFontMetricsF(m_labelFont, m_painter->device()).height() + mm(1);
    paintWrapped(QRectF(x1, indicationsTop, 0.95 * in.width(), sectionTop(0.35) - indicationsTop - mm(2)),
                 user.indication);

    const bool loaded = m_report && m_report->isLoaded();
    const auto shown = [loaded](const QString& text) { return loaded ? text : QString(); };
    const QDateTime start = m_report ? m_report->startTime() : QDateTime();
    const qint64 duration = m_report ? m_report->duration() : 0;
    y = paintSection(x1, sectionTop(0.35), tr("Recording Information"));
    paintField(x1, y, tr("Record Date:"), shown(DateTimeText::date(start.date())));
    paintField(x2, y, tr("Lead:"), shown(m_report ? m_report->leadText() : QString()));
    paintField(x1, y + row, tr("Start Time:"), shown(start.toString("HH:mm")));
    paintField(x2, y + row, tr("Total Strips:"), shown(QString::number(duration / 60) + " " + tr("(1 minute)")));
    paintField(x1, y + 2 * row, tr("Total Time:"),
               shown(QString::asprintf("%dh%dm", int(duration / 3600), int(duration % 3600 / 60))));
    if (!loaded) {
        m_painter->setFont(m_valueFont);
        m_painter->drawText(QPointF(x2, y + 2 * row + QFontMetricsF(m_valueFont, m_painter->device()).ascent()),
                            tr("The recording file is missing or incomplete."));
    }

    const QString perMinute = "/" + tr("min");
    y = paintSection(x1, sectionTop(0.52), tr("General Summary"));
    paintField(x1, y, tr("QRS Complex:"), shown(m_report ? m_report->qrsCountText() : QString()));
    paintField(x2, y, tr("PVCs:"), shown(m_report ? m_report->pvcCountText() : QString()));
    paintField(x1, y + row, tr("Avg HR:"), shown(m_report ? withUnit(m_report->avgHrText(), perMinute) : QString()));
    paintField(x2, y + row, tr("Pause(>3s):"),
               shown(m_report ? QString("%1 %2").arg(m_report->pauseStripCount()).arg(tr("Strips")) : QString()));
    paintField(x1, y + 2 * row, tr("Max HR:"),
               shown(m_report ? withUnit(m_report->maxHrText(), perMinute) : QString()));
    paintField(x2, y + 2 * row, tr("Min HR:"),
               shown(m_report ? withUnit(m_report->minHrText(), perMinute) : QString()));

    y = paintSection(x1, sectionTop(0.70), tr("Heart Rate Variability"));
    paintField(x1, y, tr("MEAN:"), shown(m_report ? withUnit(m_report->meanText(), " ms") : QString()));
    paintField(x2, y, tr("SDNN:"), shown(m_report ? withUnit(m_report->sdnnText(), " ms") : QString()));
    paintField(x1, y + row, tr("RMSSD:"), shown(m_report ? withUnit(m_report->rmssdText(), " ms") : QString()));
    paintField(x2, y + row, tr("PNN50:"), shown(m_report ? withUnit(m_report->pnn50Text(), "%") : QString()));

    y = paintSection(x1, sectionTop(0.80), tr("Comments"));
    const double foot = in.bottom() - 0.02 * in.height();
    const QFontMetricsF labels(m_labelFont, m_painter->device());
    paintWrapped(QRectF(x1, y, 0.95 * in.width(), foot - labels.height() - mm(3) - y), user.remarks);

    const double signatureTop = foot - labels.height();
    const QString physician = tr("Physician:") + " ";
    const QString date = tr("Date:") + " ";
    paintField(in.left() + 0.5 * in.width(), signatureTop, physician, QString());
    paintField(in.left() + 0.8 * in.width(), signatureTop, date, QString());
    const double baseline = signatureTop + labels.ascent();
    m_painter->setPen(m_linePen);
    m_painter->drawLine(QPointF(in.left() + 0.5 * in.width() + labels.horizontalAdvance(physician), baseline),
                        QPointF(in.left() + 0.78 * in.width(), baseline));
    m_painter->drawLine(QPointF(in.left() + 0.8 * in.width() + labels.horizontalAdvance(date), baseline),
                        QPointF(in.right(), baseline));
}

void HolterReportHelper::paintStripPage(const QRectF& page, int stripPage)
{
    m_painter->setFont(m_textFont);
    m_painter->setPen(Qt::black);
    const QFontMetricsF metrics(m_textFont, m_painter->device());
    const double top = page.top() + 0.005 * page.height();
    const double bottom = page.bottom() - 0.03 * page.height();
    const double rowsHeight = bottom - top - metrics.height() - mm(2);
    const double width = rowsHeight * kWidthPerHeight;
    const double margin = (page.width() - width) / 2;
    const double left = page.left() + 1.25 * margin;
    const double right = page.right() - 0.75 * margin;

    const CheckUser user = patient();
    const QString name = tr("Patient Name:") + QString(" %1  ID : %2").arg(user.name, user.medicalid);
    const QString date = tr("Record Date:") +
        QString(" %1").arg(m_report ? DateTimeText::date(m_report->startTime().date()) : QString());
    m_painter->drawText(QPointF(left, top + metrics.ascent()), name);
    m_painter->drawText(QPointF(left + metrics.horizontalAdvance(name) + mm(8), top + metrics.ascent()), date);

    const int lines = m_linesPerPage;
    const double rowsTop = top + metrics.height() + mm(2);
    const double h = rowsHeight / lines;
    const double millivolt = lines == 60 ? h / 2 : h / 4;
    paintScaleMark(right, top + metrics.ascent(), width / 30, millivolt);
    static const QVector<qint16> none;
    const QVector<qint16>& samples = m_report && m_report->isLoaded() ? m_report->samples() : none;
    const qint64 pageStart = qint64(stripPage - 1) * lines * kSamplesPerLine;
    // Whole minutes only: the page ends at the first minute not recorded in full.
    int rows = 0;
    while (rows < lines && pageStart + qint64(rows + 2) * kSamplesPerLine <= samples.size()) {
        const double baseline = rowsTop + h / 2 + rows * h;
        const QString time = m_report->minuteStart(int((pageStart / kSamplesPerLine + rows) / 2)).toString("HH:mm");
        m_painter->drawText(QPointF(left - 0.06 * width, baseline + (metrics.ascent() - metrics.descent()) / 2), time);
        rows += 2;
    }

    // On paper the rows are drawn in quarter device units: whole numbers keep
    // the PDF small, and a quarter unit (0.02 mm) keeps the trace true to scale.
    const double fine = mm(0.1) >= 1 ? 4 : 1;
    HolterWaveRow::Geometry row;
    row.left = left * fine;
    row.right = right * fine;
    row.top = rowsTop * fine;
    row.bottom = bottom * fine;
    row.pixelsPerCount = millivolt / EcgTrace::kCountsPerMillivolt * fine;
    row.columnWidth = qMax(1.0, mm(kColumnMm)) * fine;
    row.minimumSpan = m_wavePen.widthF() * fine;
    row.wholeUnits = fine > 1;
    QPen pen = m_wavePen;
    pen.setWidthF(m_wavePen.widthF() * fine);
    m_painter->save();
    m_painter->scale(1 / fine, 1 / fine);
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->setPen(pen);
    for (int r = 0; r < rows; ++r) {
        row.baseline = (rowsTop + h / 2 + r * h) * fine;
        HolterWaveRow(row).paint(*m_painter, samples, int(pageStart + qint64(r) * kSamplesPerLine), kSamplesPerLine);
    }
    m_painter->restore();

    m_painter->setFont(m_valueFont);
    m_painter->setPen(Qt::black);
    m_painter->drawText(QPointF(left + 0.92 * width, bottom + m_valueFont.pixelSize()),
                        QString("%1/%2").arg(stripPage).arg(m_stripPages));
}

void HolterReportHelper::paintScaleMark(double right, double baseline, double second, double millivolt) const
{
    // The strips are smaller than ECG paper: one second across, one millivolt up.
    const QPointF corner(right - second, baseline);
    m_painter->save();
    m_painter->setPen(QPen(Qt::black, mm(0.2), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygonF mark;
    mark << corner + QPointF(0, -millivolt) << corner << corner + QPointF(second, 0);
    m_painter->drawPolyline(mark);
    m_painter->setFont(m_textFont);
    const QFontMetricsF metrics(m_textFont, m_painter->device());
    const QString volt = QStringLiteral("1mV");
    m_painter->drawText(QPointF(corner.x() - mm(1) - metrics.horizontalAdvance(volt), baseline), volt);
    m_painter->drawText(QPointF(corner.x() + second + mm(1), baseline), QStringLiteral("1s"));
    m_painter->restore();
}
