#pragma once

#include <QtGlobal>

// The fixed 62-byte header of a Holter recording, every field widened to an
// integer. Absent statistics keep the device's markers (0xFFFF, 0xFFFFFFFF).
struct HolterHeader
{
    static constexpr int kSize = 62;
    static constexpr int kAbsent16 = 0xFFFF;
    static constexpr quint32 kAbsent32 = 0xFFFFFFFFu;
    static constexpr int kPackedFormat = 192;

    quint32 dataLength = 0;
    quint32 dataOffset = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    quint32 duration = 0;
    int userIndex = 0;
    int lead = -1;
    int sampleFormat = 0;
    int reserved23 = 0;
    int maxHr = kAbsent16;
    int minHr = kAbsent16;
    quint32 reserved28 = 0;
    quint32 reserved32 = 0;
    int avgHr = kAbsent16;
    int reserved38 = 0;
    quint32 sdnn = kAbsent32;
    quint32 rmssd = kAbsent32;
    quint32 mean = kAbsent32;
    quint32 pnn50 = kAbsent32;
    int qrsCount = kAbsent16;
    int reserved58 = 0;
    int pvcCount = kAbsent16;
};
