#pragma once

#include "emulator/EmulatedBus.h"
#include "emulator/WireTrace.h"
#include "support/TraceFile.h"

#include <QDir>
#include <QTemporaryDir>

// An emulated bus in a fresh temporary folder, installed as the process-wide
// HID backend for the lifetime of the object, with its wire trace and a
// download folder beside it.
class TestBus
{
public:
    TestBus()
    {
        QDir(m_dir.path()).mkdir("bus");
        QDir(m_dir.path()).mkdir("download");
        qputenv(WireTrace::kEnvironmentVariable, tracePath().toUtf8());
        m_bus = EmulatedBus::install(busDir());
        qunsetenv(WireTrace::kEnvironmentVariable);
    }

    ~TestBus() { HidBackend::setCurrent(nullptr); }

    TestBus(const TestBus&) = delete;
    TestBus& operator=(const TestBus&) = delete;

    QString busDir() const { return m_dir.path() + "/bus"; }
    QString tracePath() const { return m_dir.path() + "/trace.txt"; }
    QString localPath(const QString& name) const { return m_dir.path() + "/download/" + name; }
    EmulatedBus& bus() const { return *m_bus; }

    QList<TraceFile::Line> trace() const { return TraceFile::read(tracePath()); }
    QList<int> requestCommands() const { return TraceFile::requestCommands(trace()); }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<EmulatedBus> m_bus;
};
