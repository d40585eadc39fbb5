#pragma once

#include "holter/HolterReport.h"
#include "support/HolterFileBuilder.h"

#include <QDateTime>

#include <functional>

// A Holter recording of plain 16-bit samples (sample(i) counts for sample i)
// with a minute record for each whole minute, heart rate 70.
inline QByteArray holterRecording(const QDateTime& start, int seconds, const std::function<int(int)>& sample)
{
    HolterFileBuilder b;
    b.header.year = qint16(start.date().year());
    b.header.month = quint8(start.date().month());
    b.header.day = quint8(start.date().day());
    b.header.hour = quint8(start.time().hour());
    b.header.minute = quint8(start.time().minute());
    b.header.second = quint8(start.time().second());
    b.header.duration = quint32(seconds);
    b.header.lead = 0;
    for (int k = 0; k < seconds / 60; ++k) {
        HolterMinute m;
        m.flags = 0;
        m.heartRate = 70;
        b.minutes << m;
    }
    const int count = seconds * HolterReport::kSamplesPerSecond;
    b.data.resize(2 * count);
    for (int i = 0; i < count; ++i)
        qToLittleEndian<qint16>(qint16(sample(i)), b.data.data() + 2 * i);
    return b.layOut().bytes();
}
