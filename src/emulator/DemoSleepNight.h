#pragma once

#include "emulator/DemoRandom.h"

#include <QByteArray>

// One night of sleep oximetry: a trend of SpO2 and pulse-rate pairs every 2 s
// with desaturations (dips and the pulse rise after them) and probe-off gaps,
// and the night's summary as the monitor stores it in "slm.dat".
class DemoSleepNight
{
public:
    static constexpr int kSecondsPerEntry = 2;
    static constexpr int kInvalid = 255;

    // A night of `minutes` with about `dipsPerHour` desaturations; with
    // `probeOff` the sensor never got a reading.
    static DemoSleepNight make(const DemoRandom& random, int minutes, double dipsPerHour, bool probeOff);

    // The trend file: one SpO2 byte and one pulse-rate byte per entry.
    const QByteArray& trend() const { return m_trend; }
    int totalSeconds() const { return m_trend.size() / 2 * kSecondsPerEntry; }
    int lowOxygenSeconds() const { return m_lowSeconds; }
    int lowOxygenCount() const { return m_lowCount; }
    // 0 when there was no valid reading.
    int lowest() const { return m_lowest; }
    int average() const { return m_average; }
    // 0 no drops, 1 drops below 90 %, 2 nothing to judge.
    int result() const;

private:
    QByteArray m_trend;
    int m_lowSeconds = 0;
    int m_lowCount = 0;
    int m_lowest = 0;
    int m_average = 0;
};
