#include "holter/HolterScreening.h"

#include "holter/HolterMinute.h"
#include "holter/HolterReport.h"

namespace {

constexpr int kFastHr = 120;
constexpr int kSlowHr = 50;
constexpr int kWideQrs = 120;
constexpr int kLongQtc = 480;
constexpr int kPvcs = 2;

bool atLeast(int value, int limit)
{
    return HolterMinute::isPresent(value) && value >= limit;
}

} // namespace

QStringList HolterScreening::names()
{
    return {"hr120", "hr50", "qrs120", "qtc480", "pvc2", "irregular", "pause"};
}

bool HolterScreening::parse(const QString& list, HolterScreening* screening, QString* error)
{
    HolterScreening parsed;
    bool* flags[] = {&parsed.fastHr, &parsed.slowHr,    &parsed.wideQrs, &parsed.longQtc,
                     &parsed.pvcs,   &parsed.irregular, &parsed.pause};
    const QStringList known = names();
    for (const QString& part : list.split(',', Qt::SkipEmptyParts)) {
        const int index = known.indexOf(part.trimmed().toLower());
        if (index < 0) {
            *error = QString("'%1' is not a screening criterion; the criteria are %2.")
                         .arg(part.trimmed(), known.join(", "));
            return false;
        }
        *flags[index] = true;
    }
    *screening = parsed;
    return true;
}

bool HolterScreening::any() const
{
    return fastHr || slowHr || wideQrs || longQtc || pvcs || irregular || pause;
}

QVector<int> HolterScreening::match(HolterReport& report) const
{
    return report.matchStrips(slowHr ? kSlowHr : -1, fastHr ? kFastHr : -1, wideQrs ? kWideQrs : -1,
                              longQtc ? kLongQtc : -1, pvcs ? kPvcs : -1, irregular, pause);
}

QStringList HolterScreening::eventsOf(const HolterMinute& minute) const
{
    QStringList events;
    if (fastHr && atLeast(minute.heartRate, kFastHr))
        events << "Tachycardia";
    if (slowHr && HolterMinute::isPresent(minute.heartRate) && minute.heartRate <= kSlowHr)
        events << "Bradycardia";
    if (wideQrs && atLeast(minute.qrsDuration, kWideQrs))
        events << "Wide QRS";
    if (longQtc && atLeast(minute.qtc, kLongQtc))
        events << "Long QTc";
    if (pvcs && atLeast(minute.pvcCount, kPvcs))
        events << "PVC";
    if (irregular && minute.hasIrregularRr())
        events << "Irregular rhythm";
    if (pause && minute.hasPause())
        events << "Pause";
    return events;
}
