#pragma once

#include "files/SleepTrend.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// The sleep trend as CSV: the start time, a heading, then one line per
// sample 2 s apart with SpO2 and pulse rate (255 where invalid).
namespace SleepCsv {

QByteArray text(const QDateTime& start, const QVector<SleepTrendEntry>& trend);
// Written to a temporary file and renamed; false with the system's reason
// otherwise, the target untouched.
bool write(const QString& path, const QDateTime& start, const QVector<SleepTrendEntry>& trend, QString* error);
// "<sn>_<yyyyMMddHHmmss>.csv", safe for a file name.
QString defaultFileName(const QString& sn, const QString& checkTime);

} // namespace SleepCsv
