#include "report/HolterSummaryText.h"

#include "app/LanguageTable.h"
#include "holter/HolterReport.h"
#include "report/DateTimeText.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString tr(const char* source)
{
    return QCoreApplication::translate("HolterSummaryText", source);
}

} // namespace

HolterSummaryText HolterSummaryText::of(const HolterReport& report)
{
    HolterSummaryText t;
    if (!report.isLoaded())
        return t;
    const QDateTime start = report.startTime();
    t.recordDate = DateTimeText::date(start.date());
    t.startTime = start.toString(QStringLiteral("HH:mm"));
    t.totalTime = report.durationText();
    t.totalStrips = QString("%1 (1 %2)").arg(report.duration() / 60).arg(tr("minute"));
    t.lead = report.leadText();
    t.maxHr = report.maxHrText();
    t.minHr = report.minHrText();
    t.avgHr = report.avgHrText();
    t.qrsComplexes = report.qrsCountText();
    t.pvcs = report.pvcCountText();
    t.pauses = QString("%1 %2").arg(report.pauseStripCount()).arg(tr("Strips"));
    t.mean = QString("%1 ms").arg(report.meanText());
    t.sdnn = QString("%1 ms").arg(report.sdnnText());
    t.rmssd = QString("%1 ms").arg(report.rmssdText());
    t.pnn50 = QString("%1%").arg(report.pnn50Text());
    return t;
}

QString HolterSummaryText::stripText(const QDateTime& minuteStart)
{
    return QLocale(DisplayLanguage::value()).toString(minuteStart, QStringLiteral("d-MMM-yyyy HH:mm"));
}
