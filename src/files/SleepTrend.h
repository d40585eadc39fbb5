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

// Two days at one entry every 2 s: far beyond a night, so bytes appended to a file cost nothing.
constexpr int kMaxEntries = 2 * 24 * 3600 / 2;

// Every entry of the bytes, however many.
QVector<SleepTrendEntry> fromBytes(const QByteArray& data);
// An absent or unreadable file gives no entries; at most kMaxEntries are read.
QVector<SleepTrendEntry> read(const QString& path);

} // namespace SleepTrend
