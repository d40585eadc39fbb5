#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>

// Writes the folder of one emulated monitor of a given model: "identity.dat"
// (the device information block, branch code and a zero byte) and every file a
// download of that model asks for, under its device name: the user lists, the
// index file of each check type the model offers with plausible values (a few
// out of range), ECG detail files, voice notes, sleep trends, multi-test files
// and the Holter recording. The content depends only on the seed and the model.
class DemoMonitorWriter
{
public:
    DemoMonitorWriter(int modelType, std::uint64_t seed, int holterSeconds);

    QString serialNumber() const { return m_serial; }
    // The monitor's folder name on the bus: type code and serial number.
    QString folderName() const;
    // The files of the monitor, by device name.
    QMap<QString, QByteArray> files() const;
    // Writes the files into `dir`, which must exist; false with a reason on failure.
    bool write(const QString& dir, QString* error) const;

private:
    int m_modelType;
    std::uint64_t m_seed;
    int m_holterSeconds;
    QString m_serial;
};
