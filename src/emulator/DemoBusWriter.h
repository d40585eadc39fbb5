#pragma once

#include <QString>

#include <cstdint>

// Puts demo monitors on an emulated bus: one folder per monitor inside the bus
// folder. A monitor is written into a hidden staging folder and then renamed
// into place, so whoever watches the bus sees it plugged in complete; a
// monitor folder of the same name is unplugged (removed) first.
class DemoBusWriter
{
public:
    DemoBusWriter(const QString& busDir, std::uint64_t seed, int holterSeconds);

    // Writes the monitor of the model; returns its folder, or an empty text and the reason.
    QString writeMonitor(int modelType, QString* error) const;

private:
    QString m_busDir;
    std::uint64_t m_seed;
    int m_holterSeconds;
};
