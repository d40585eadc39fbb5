#pragma once

#include "emulator/DemoRandom.h"

#include <QByteArray>
#include <QDateTime>

// A Holter recording in the monitor's "waveFile" layout: a 62-byte header, one
// 20-byte record per whole minute, then the ECG at 125 Hz packed as 10-bit
// samples. The day follows a circadian heart rate (slower asleep) and holds the
// episodes the strip screening looks for: exercise with a rate-related wide
// QRS, a slow resting spell, atrial fibrillation, sinus pauses over 3 s,
// clusters of premature beats, a stretch of long QT and a detached electrode.
// Minute records and header statistics are measured on the generated beats,
// so they agree with the waveform.
class DemoHolterRecording
{
public:
    static constexpr int kSampleRate = 125;
    static constexpr int kHeaderSize = 62;
    static constexpr int kMinuteRecordSize = 20;
    static constexpr int kPackedFormat = 192;
    // One step of a packed sample in ECG counts (779.97 counts per mV).
    static constexpr double kCountsPerStep = 8.42;

    static QByteArray make(const DemoRandom& random, const QDateTime& start, int durationSeconds, int userIndex);
};
