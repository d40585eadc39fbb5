#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The part of a Holter recording ("waveFile") that the sync needs: the start
// time that names the stored file, the duration and the recording's user.
struct WaveFileHeader
{
    static constexpr int kSize = 62;

    qint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minute = 0;
    quint8 second = 0;
    qint32 duration = 0;
    quint8 userIndex = 0; // byte 0 of the matching "usr.dat" record

    template <class V>
    void visit(V& v)
    {
        v.skip(8);
        v.field("year", year);
        v.field("month", month);
        v.field("day", day);
        v.field("hour", hour);
        v.field("minute", minute);
        v.field("second", second);
        v.field("duration", duration);
        v.field("userIndex", userIndex);
        v.skip(kSize - 20);
    }

    static const QString& fileName();
    // Nothing when fewer than the header's 62 bytes are present.
    static std::optional<WaveFileHeader> fromBytes(const QByteArray& data);
    static std::optional<WaveFileHeader> readFile(const QString& path);
    // The start time "yyyyMMddHHmmss" that names the stored recording.
    QString checkTimeText() const;
};
