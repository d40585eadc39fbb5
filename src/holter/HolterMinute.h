#pragma once

#include <QString>

// One minute of a Holter recording as analysed by the device (a 20-byte
// record of the file). 9999 and 0xFFFF mark an absent value.
struct HolterMinute
{
    static constexpr int kSize = 20;
    static constexpr qint32 kNotAnalysed = -1;
    static constexpr qint32 kIrregularRrBit = 0x800;
    static constexpr qint32 kPauseBit = 0x4000;

    qint32 flags = kNotAnalysed;
    int heartRate = 0xFFFF;
    int reserved6 = 0;
    int qrsDuration = 0xFFFF;
    int pvcCount = 0xFFFF;
    int qt = 0xFFFF;
    int qtc = 0xFFFF;
    quint32 reserved16 = 0;

    static bool isPresent(int value) { return value != 9999 && value != 0xFFFF; }
    // The decimal value, or "--" when the device left it absent.
    static QString valueText(int value) { return isPresent(value) ? QString::number(value) : QStringLiteral("--"); }

    bool isAnalysed() const { return flags != kNotAnalysed; }
    bool hasIrregularRr() const { return isAnalysed() && (flags & kIrregularRrBit) != 0; }
    // A pause longer than 3 s somewhere in this minute.
    bool hasPause() const { return isAnalysed() && (flags & kPauseBit) != 0; }
};
