#pragma once

#include "support/HolterFileBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// A 16-bit Holter recording of a given length for screen tests: every
// minute analysed with the given heart rates (cycled), a flat line with one
// 1 mV spike a second, and plain statistics.
namespace HolterRecordingFile {

inline HolterFileBuilder make(int seconds, const QVector<int>& heartRates = {70}, int startMinute = 0)
{
    HolterFileBuilder b;
    HolterHeader& h = b.header;
    h.year = 2024;
    h.month = 3;
    h.day = 7;
    h.hour = 8;
    h.minute = quint8(startMinute);
    h.second = 0;
    h.duration = quint32(seconds);
    h.lead = 0;
    h.maxHr = 130;
    h.minHr = 45;
    h.avgHr = 72;
    h.sdnn = 104;
    h.rmssd = 33;
    h.mean = 833;
    h.pnn50 = 12;
    h.qrsCount = 5000;
    h.pvcCount = 17;
    for (int k = 0; k < seconds / 60; ++k) {
        HolterMinute m;
        m.flags = 0;
        m.heartRate = heartRates.at(k % heartRates.size());
        m.qrsDuration = 90;
        m.pvcCount = 0;
        m.qt = 380;
        m.qtc = 410;
        b.minutes << m;
    }
    QVector<qint16> samples(seconds * 125);
    for (int i = 0; i < samples.size(); i += 125)
        samples[i] = 780;
    b.data = QByteArray(reinterpret_cast<const char*>(samples.constData()), samples.size() * 2);
    b.layOut();
    return b;
}

inline bool write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace HolterRecordingFile
