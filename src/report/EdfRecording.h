#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

class HolterReport;
struct CheckUser;
struct HolterScreening;
struct ReportData;

// One ECG signal with its patient and events, in the shape an EDF+ file
// takes: what EdfWriter writes, built from a Holter recording or a stored
// check. Samples are the monitors' counts (779.9732209273494 per mV).
struct EdfRecording
{
    static constexpr double kCountsPerMillivolt = 779.9732209273494;

    struct Annotation
    {
        double onsetSeconds = 0;
        double durationSeconds = -1; // below 0: an instant, no duration
        QString text;
    };

    QString label; // "ECG II", "ECG I", ...
    int sampleRate = 0; // per second
    QVector<qint16> samples;
    QDateTime start;
    QString patientName;
    QString patientCode;
    int sex = -1; // 0 male, 1 female, other values unknown
    QDate birthday;
    QString equipment;
    QVector<Annotation> annotations;

    // The whole recording; its flagged minutes (pause, irregular R-R) as
    // events, and, when a screening is given, the minutes it matches. A run
    // of consecutive minutes with the same event is one event.
    static EdfRecording fromHolter(HolterReport& report, const CheckUser& user, const HolterScreening& screening);
    // A single ECG check at 250 samples per second, its measurements as
    // events spanning the strip.
    static EdfRecording fromCheck(const ReportData& data);
    // Whether a check type carries an ECG strip fromCheck can export.
    static bool hasEcgStrip(int checkType);
};
