#include "report/HolterMinuteReportHelper.h"

#include "app/Config.h"
#include "files/CheckUser.h"
#include "holter/HolterReport.h"
#include "report/DateTimeText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

HolterMinuteReportHelper::HolterMinuteReportHelper(QObject* parent)
    : BasePaintHelper(parent)
{
    onScaleChanged();
}

void HolterMinuteReportHelper::setData(const HolterReport* report, int minute)
{
    m_report = report;
    const int last = report ? qMax(0, int(report->duration() / 60) - 1) : 0;
    m_minute = qBound(0, minute, last);
    m_pageCount = 1;
}

QString HolterMinuteReportHelper::title() const
{
    const QDateTime start = m_report ? m_report->minuteStart(m_minute) : QDateTime();
    return tr("ECG") + "@" + start.toString("HH:mm") + " " + tr("Report");
}

void HolterMinuteReportHelper::onScaleChanged()
{
    m_titleFont = arial(7 * m_scale, true);
    m_sectionFont = arial(5 * m_scale, true);
    m_sectionFont.setUnderline(true);
    m_labelFont = arial(3.5 * m_scale, true);
    m_valueFont = arial(3.5 * m_scale, false);
    m_linePen = QPen(Qt::black, mm(0.2));
    HolterMinutePainter::Style style;
    style.gridLineWidth = mm(0.1);
    style.wavePen = QPen(Qt::black, mm(0.2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    style.markPen = QPen(Qt::black, mm(0.2));
    style.markFont = arial(3 * m_scale, false);
    m_minutePainter.setStyle(style);
}

CheckUser HolterMinuteReportHelper::patient() const
{
    if (m_report && m_report->userInfo())
        return *m_report->userInfo();
    CheckUser nobody;
    nobody.sex = -1;
    return nobody;
}

void HolterMinuteReportHelper::paintField(double x, double y, const QString& label, const QString& value) const
{
    paintLabelled(x, y, label, value, m_labelFont, m_valueFont);
}

double HolterMinuteReportHelper::paintSection(double x, double y, const QString& title) const
{
    return paintHeading(x, y, title, m_sectionFont);
}

void HolterMinuteReportHelper::paintPage(const QRectF& page, int)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->fillRect(page, Qt::white);
    const QRectF c =
        page.adjusted(0.05 * page.width(), 0.03 * page.height(), -0.05 * page.width(), -0.03 * page.height());
    const QString logo = Config::instance()->language() == 0 ? QStringLiteral(":/lettle_lumadon_logo")
                                                             : QStringLiteral("://res/logo/zantro_logo2.png");
    paintTitleBand(QRectF(c.left(), c.top(), c.width(), mm(10)), m_titleFont, tr("ECG Report"), logo, 0);

    const double row = QFontMetricsF(m_labelFont, m_painter->device()).height() * 1.5;
    const double x1 = c.left();
    const double x2 = c.left() + c.width() / 3;
    const double x3 = c.left() + 2 * c.width() / 3;
    const CheckUser user = patient();
    QString gender;
    if (user.sex == 0)
        gender = tr("Male");
    else if (user.sex == 1)
        gender = tr("Female");
    double y = paintSection(x1, c.top() + mm(14), tr("Patient Information"));
    paintField(x1, y, tr("Patient Name:"), user.name);
    paintField(x2, y, tr("ID:"), user.medicalid);
    paintField(x3, y, tr("Physician:"), user.physician);
    paintField(x1, y + row, tr("Gender:"), gender);
    paintField(x2, y + row, tr("Date of Birth:"), DateTimeText::date(user.birthday));
    const QString indications = tr("Indications:");
    paintField(x1, y + 2 * row, indications, QString());
    const double textLeft = x1 + QFontMetricsF(m_labelFont, m_painter->device()).horizontalAdvance(indications + " ");
    QTextOption wrap(Qt::AlignLeft | Qt::AlignTop);
    wrap.setWrapMode(QTextOption::WrapAnywhere);
    m_painter->setFont(m_valueFont);
    m_painter->drawText(QRectF(textLeft, y + 2 * row, c.right() - textLeft, 2 * row), user.indication, wrap);

    const bool loaded = m_report && m_report->isLoaded() && m_minute < m_report->minuteCount();
    const HolterMinute minute = loaded ? m_report->minutes().at(m_minute) : HolterMinute();
    const QDateTime start = m_report ? m_report->minuteStart(m_minute) : QDateTime();
    const auto value = [loaded](int v, const QString& unit) {
        return !loaded ? QString() : HolterMinute::isPresent(v) ? QString::number(v) + unit : QStringLiteral("--");
    };
    y = paintSection(x1, y + 4.5 * row, tr("Summary"));
    // The date too: a day-long recording runs past midnight.
    paintField(x1, y, tr("Check Time:"),
               m_report ? QString("%1 %2-%3")
                              .arg(DateTimeText::date(start.date()), start.toString("HH:mm"),
                                   start.addSecs(60).toString("HH:mm"))
                        : QString());
    paintField(x1, y + row, tr("HR:"), value(minute.heartRate, "/min"));
    paintField(x2, y + row, tr("PVCs:"), value(minute.pvcCount, QString()));
    paintField(x3, y + row, tr("QRS:"), value(minute.qrsDuration, "ms"));
    paintField(x1, y + 2 * row, tr("QT:"), value(minute.qt, "ms"));
    paintField(x2, y + 2 * row, tr("QTc:"), value(minute.qtc, "ms"));
    QStringList flags;
    if (minute.hasIrregularRr())
        flags << tr("Irregular R-R");
    if (minute.hasPause())
        flags << tr("Pause(>3s): Detected");
    double x = x1;
    for (const QString& flag : flags) {
        paintField(x, y + 3 * row, flag, QString());
        x = x2;
    }

    // Room above the plot for the 1 s bracket, left of it for the 1 mV pulse.
    const QRectF plot(c.left(), y + 4 * row + mm(5), c.width(),
                      c.width() * HolterMinutePainter::kSmallRows / HolterMinutePainter::kSmallColumns);
    static const QVector<qint16> none;
    m_minutePainter.paint(*m_painter, plot, m_report && m_report->isLoaded() ? m_report->samples() : none, m_minute);

    y = paintSection(x1, plot.bottom() + mm(8), tr("Comments"));
    m_painter->setFont(m_valueFont);
    m_painter->setPen(Qt::black);
    m_painter->drawText(QRectF(x1, y, c.width(), c.bottom() - y - 3 * row), user.remarks, wrap);
    paintSignature(c.right(), c.bottom() - 2 * row, m_valueFont, m_linePen, false);
    m_painter->restore();
}
