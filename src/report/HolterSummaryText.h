#pragma once

#include <QDateTime>
#include <QString>

class HolterReport;

// The recording, summary and variability figures of a Holter recording as
// the summary dialog and `vitacor-cli holter-summary` show them. Every text
// is empty when the recording is not loaded (missing, unreadable or cut).
struct HolterSummaryText
{
    QString recordDate; // "MMM d, yyyy" in the display language
    QString startTime; // "HH:mm"
    QString totalTime; // "2h0m"
    QString totalStrips; // "120 (1 minute)"
    QString lead;
    QString maxHr;
    QString minHr;
    QString avgHr;
    QString qrsComplexes;
    QString pvcs;
    QString pauses; // "3 Strips"
    QString mean; // "833 ms"
    QString sdnn;
    QString rmssd;
    QString pnn50; // "12%"

    static HolterSummaryText of(const HolterReport& report);
    // A screened minute as the strip list shows it: "d-MMM-yyyy HH:mm" of its
    // start; the minute keeps its two digits, so 10:03 never reads as 10:30.
    static QString stripText(const QDateTime& minuteStart);
};
