#include "holter/HolterScreening.h"

#include "holter/HolterReport.h"

namespace {

constexpr int kFastHr = 120;
constexpr int kSlowHr = 50;
constexpr int kWideQrs = 120;
constexpr int kLongQtc = 480;
constexpr int kPvcs = 2;
constexpr int kOff = -1;

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
