#pragma once

#include "files/CheckTime.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The fixed 62-byte header of a Holter recording ("waveFile"): where its
// samples lie, its start time, duration and user, and the monitor's own
// statistics. Absent statistics keep the monitor's markers (0xFFFF, 0xFFFFFFFF).
struct HolterHeader
{
    static constexpr int kSize = 62;
    static constexpr quint16 kAbsent16 = 0xFFFF;
    static constexpr quint32 kAbsent32 = 0xFFFFFFFFu;
    static constexpr quint16 kPackedFormat = 192;
    static constexpr int kSamplesPerSecond = 125;

    quint32 dataLength = 0;
    quint32 dataOffset = 0;
    qint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minute = 0;
    quint8 second = 0;
    quint32 duration = 0; // seconds
    quint8 userIndex = 0; // byte 0 of the matching "usr.dat" record
    qint8 lead = -1;
    quint16 sampleFormat = 0;
    quint8 reserved23 = 0;
    quint16 maxHr = kAbsent16;
    quint16 minHr = kAbsent16;
    quint32 reserved28 = 0;
    quint32 reserved32 = 0;
    quint16 avgHr = kAbsent16;
    quint16 reserved38 = 0;
    quint32 sdnn = kAbsent32;
    quint32 rmssd = kAbsent32;
    quint32 mean = kAbsent32;
    quint32 pnn50 = kAbsent32;
    quint16 qrsCount = kAbsent16;
    quint16 reserved58 = 0;
    quint16 pvcCount = kAbsent16;

    template <class V>
    void visit(V& v)
    {
        v.field("dataLength", dataLength);
        v.field("dataOffset", dataOffset);
        v.field("year", year);
        v.field("month", month);
        v.field("day", day);
        v.field("hour", hour);
        v.field("minute", minute);
        v.field("second", second);
        v.field("duration", duration);
        v.field("userIndex", userIndex);
        v.field("lead", lead);
        v.field("sampleFormat", sampleFormat);
        v.field("reserved23", reserved23);
        v.field("maxHr", maxHr);
        v.field("minHr", minHr);
        v.field("reserved28", reserved28);
        v.field("reserved32", reserved32);
        v.field("avgHr", avgHr);
        v.field("reserved38", reserved38);
        v.field("sdnn", sdnn);
        v.field("rmssd", rmssd);
        v.field("mean", mean);
        v.field("pnn50", pnn50);
        v.field("qrsCount", qrsCount);
        v.field("reserved58", reserved58);
        v.field("pvcCount", pvcCount);
    }

    // The name of the recording on the monitor.
    static const QString& fileName();
    // Nothing when fewer than the header's 62 bytes are present.
    static std::optional<HolterHeader> fromBytes(const QByteArray& data);
    static std::optional<HolterHeader> readFile(const QString& path);
    // The start time "yyyyMMddHHmmss" that names the stored recording.
    QString checkTimeText() const;
    CheckTime startTime() const;
    // ECG samples of the data: four in five bytes when packed, else one in two.
    qint64 sampleCount() const;
    // Whether a recording of `fileSize` bytes holds what this header says: the
    // data ends the file, and the duration is the samples' to within a second.
    bool agreesWith(qint64 fileSize) const;
};
