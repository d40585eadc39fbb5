#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class HolterReport;
struct HolterMinute;

// The strip-screening criteria the user can tick, as one value: each
// criterion is on or off, and the thresholds are the fixed ones of the boxes
// (HR>=120, HR<=50, QRS>=120 ms, QTc>=480 ms, PVCs>=2, irregular R-R, pause).
struct HolterScreening
{
    bool fastHr = false;
    bool slowHr = false;
    bool wideQrs = false;
    bool longQtc = false;
    bool pvcs = false;
    bool irregular = false;
    bool pause = false;

    // The command-line names, in the order of the boxes.
    static QStringList names();
    // Parses a comma-separated list of names ("hr120,pause"); false with a
    // one-line reason for an unknown name.
    static bool parse(const QString& list, HolterScreening* screening, QString* error);

    bool any() const;
    // The minutes of the recording matching any switched-on criterion.
    QVector<int> match(HolterReport& report) const;
    // What a minute shows of the switched-on criteria, as short English
    // event names ("Tachycardia", "Bradycardia", "PVC", ...).
    QStringList eventsOf(const HolterMinute& minute) const;
};
