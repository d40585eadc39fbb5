#include "holter/HolterScreening.h"

#include "holter/HolterMinute.h"
#include "holter/HolterReport.h"

namespace {

constexpr int kFastHr = 120;
constexpr int kSlowHr = 50;
constexpr int kWideQrs = 120;
constexpr int kLongQtc = 480;
constexpr int kPvcs = 2;
constexpr int kOff = -1;

bool atLeast(int value, int limit)
{
    return HolterMinute::isPresent(value) && value >= limit;
}

} // namespace

const QStringList& HolterScreening::names()
{
    static const QStringList list{"hr120", "hr50", "qrs120", "qtc480", "pvc2", "irregular", "pause"};
    return list;
}

bool HolterScreening::fromNames(const QString& list, HolterScreening* screening, QString* unknown)
{
    HolterScreening result;
    bool* const flags[] = {&result.hr120, &result.hr50,      &result.qrs120, &result.qtc480,
                           &result.pvc2,  &result.irregular, &result.pause};
    for (const QString& part : list.split(',', Qt::SkipEmptyParts)) {
        const int index = names().indexOf(part.trimmed().toLower());
        if (index < 0) {
            *unknown = part.trimmed();
            return false;
        }
        *flags[index] = true;
    }
    *screening = result;
    return true;
}

QVector<int> HolterScreening::match(HolterReport& report) const
{
    return report.matchStrips(hr50 ? kSlowHr : kOff, hr120 ? kFastHr : kOff, qrs120 ? kWideQrs : kOff,
                              qtc480 ? kLongQtc : kOff, pvc2 ? kPvcs : kOff, irregular, pause);
}

QStringList HolterScreening::eventsOf(const HolterMinute& minute) const
{
    QStringList events;
    if (hr120 && atLeast(minute.heartRate, kFastHr))
        events << "Tachycardia";
    if (hr50 && HolterMinute::isPresent(minute.heartRate) && minute.heartRate <= kSlowHr)
        events << "Bradycardia";
    if (qrs120 && atLeast(minute.qrsDuration, kWideQrs))
        events << "Wide QRS";
    if (qtc480 && atLeast(minute.qtc, kLongQtc))
        events << "Long QTc";
    if (pvc2 && atLeast(minute.pvcCount, kPvcs))
        events << "PVC";
    if (irregular && minute.hasIrregularRr())
        events << "Irregular rhythm";
    if (pause && minute.hasPause())
        events << "Pause";
    return events;
}
