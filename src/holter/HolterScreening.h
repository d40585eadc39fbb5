#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class HolterReport;
struct HolterMinute;

// The strip-screening criteria a user ticks, each with its fixed limit:
// HR>=120, HR<=50, QRS>=120 ms, QTc>=480 ms, PVCs>=2, irregular R-R, pause.
struct HolterScreening
{
    bool hr120 = false;
    bool hr50 = false;
    bool qrs120 = false;
    bool qtc480 = false;
    bool pvc2 = false;
    bool irregular = false;
    bool pause = false;

    // The names of the command line, in the order of the summary's boxes.
    static const QStringList& names();
    // Criteria from a comma-separated list of names; false with the unknown
    // name in `unknown` when one is not a criterion.
    static bool fromNames(const QString& list, HolterScreening* screening, QString* unknown);

    bool isEmpty() const { return !(hr120 || hr50 || qrs120 || qtc480 || pvc2 || irregular || pause); }
    // The minutes of the recording matching any ticked criterion, ascending;
    // none when nothing is ticked.
    QVector<int> match(HolterReport& report) const;
    // What a minute shows of the ticked criteria, as short English event
    // names for exports ("Tachycardia", "Bradycardia", "PVC", ...).
    QStringList eventsOf(const HolterMinute& minute) const;
};
