#include "emulator/DemoSleepNight.h"

#include <algorithm>
#include <cmath>

DemoSleepNight DemoSleepNight::make(const DemoRandom& seed, int minutes, double dipsPerHour, bool probeOff)
{
    DemoRandom random = seed;
    const int count = minutes * 60 / kSecondsPerEntry;
    std::vector<double> spo2(static_cast<std::size_t>(count));
    std::vector<double> pulse(static_cast<std::size_t>(count));
    const double baseSpo2 = random.uniform(94.5, 97.5);
    const double basePulse = random.uniform(52.0, 66.0);
    double drift = 0.0;
    for (int i = 0; i < count; ++i) {
        drift = 0.995 * drift + random.normal(0.0, 0.25);
        spo2[i] = baseSpo2 + random.normal(0.0, 0.4);
        pulse[i] = basePulse + drift + random.normal(0.0, 0.8);
    }
    // A desaturation falls over 20-40 s, recovers over 10-20 s; the pulse rises on recovery.
    const int dips = static_cast<int>(std::lround(dipsPerHour * minutes / 60.0));
    for (int d = 0; d < dips; ++d) {
        const int start = random.integer(0, std::max(0, count - 40));
        const int fall = random.integer(10, 20);
        const int rise = random.integer(5, 10);
        const double depth = random.chance(0.35) ? random.uniform(8.0, 16.0) : random.uniform(3.0, 7.0);
        for (int k = 0; k < fall + rise && start + k < count; ++k) {
            const double shape = k < fall ? static_cast<double>(k) / fall : 1.0 - static_cast<double>(k - fall) / rise;
            spo2[start + k] -= depth * shape;
            if (k >= fall)
                pulse[start + k] += depth * 0.8 * (1.0 - shape);
        }
    }
    std::vector<bool> valid(static_cast<std::size_t>(count), !probeOff);
    // The probe slips now and then for 10-60 s.
    for (int gap = random.integer(0, minutes / 120 + 1); gap > 0 && !probeOff; --gap) {
        const int start = random.integer(0, std::max(0, count - 30));
        const int length = random.integer(5, 30);
        for (int k = start; k < std::min(count, start + length); ++k)
            valid[k] = false;
    }

    DemoSleepNight night;
    night.m_trend.reserve(count * 2);
    long long sum = 0;
    int validCount = 0;
    bool wasLow = false;
    night.m_lowest = 0;
    for (int i = 0; i < count; ++i) {
        if (!valid[i]) {
            night.m_trend.append(static_cast<char>(kInvalid)).append(static_cast<char>(kInvalid));
            continue;
        }
        const int s = static_cast<int>(std::lround(std::min(100.0, std::max(70.0, spo2[i]))));
        const int p = static_cast<int>(std::lround(std::min(200.0, std::max(35.0, pulse[i]))));
        night.m_trend.append(static_cast<char>(s)).append(static_cast<char>(p));
        sum += s;
        ++validCount;
        night.m_lowest = night.m_lowest == 0 ? s : std::min(night.m_lowest, s);
        const bool low = s < 90;
        if (low) {
            night.m_lowSeconds += kSecondsPerEntry;
            if (!wasLow)
                ++night.m_lowCount;
        }
        wasLow = low;
    }
    night.m_average = validCount ? static_cast<int>(std::lround(static_cast<double>(sum) / validCount)) : 0;
    return night;
}

int DemoSleepNight::result() const
{
    if (m_average == 0)
        return 2;
    return m_lowCount > 0 ? 1 : 0;
}
