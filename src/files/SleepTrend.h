#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One entry of a sleep monitor's trend file.
struct SleepTrendEntry
{
    quint8 spo2 = 0; // percent
    quint8 pr = 0; // per minute
};

// The trend file of a sleep check: 2-byte entries, no header.
namespace SleepTrend {

QVector<SleepTrendEntry> fromBytes(const QByteArray& data);
// An absent or unreadable file gives no entries.
QVector<SleepTrendEntry> read(const QString& path);

} // namespace SleepTrend
