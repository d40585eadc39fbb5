#pragma once

#include "app/Config.h"
#include "app/Constants.h"
#include "files/CheckTime.h"
#include "files/RecordCodec.h"
#include "sync/DownloadFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QtTest>

// Shared pieces of the download tests: a clean data directory, index records
// made with the readers' own codecs, and a signal recorder that is safe across threads.
namespace DownloadTestSupport {

inline QString dataDir()
{
    return Config::instance()->dataDir();
}

// Empties the data directory but keeps the log file, which the log writer holds open.
inline void freshDataDir()
{
    QDir dir(dataDir());
    QVERIFY(dir.mkpath("."));
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName() == Vitacor::kLogFileName || entry.fileName() == Vitacor::kDbFileName)
            continue;
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

inline QString tempFolder(const QString& sn)
{
    return DownloadFolder::scratchPath(dataDir(), sn);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

inline CheckTime checkTime(int day, int hour, int minute = 0)
{
    CheckTime time;
    time.year = 2024;
    time.month = 3;
    time.day = quint8(day);
    time.hour = quint8(hour);
    time.minute = quint8(minute);
    return time;
}

// An index record of type R at that time.
template <class R>
QByteArray stamped(const CheckTime& time)
{
    R value;
    value.checkTime = time;
    return RecordCodec::encode(value);
}

// An index record of type R at that time, its voice flag set when asked.
template <class R>
QByteArray record(const CheckTime& time, int voice = 0)
{
    R value;
    value.checkTime = time;
    value.voice = decltype(value.voice)(voice);
    return RecordCodec::encode(value);
}

inline QByteArray userRecord(quint8 index, int size)
{
    QByteArray bytes(size, '\0');
    bytes[0] = char(index);
    bytes.replace(1, 4, "User");
    return bytes;
}

// Records a signal's arguments in the test thread: emissions from other threads
// arrive queued, so the test reads its list without racing the emitter.
class QueuedSpy : public QObject
{
public:
    template <class Sender, class... Args>
    QueuedSpy(Sender* sender, void (Sender::*signal)(Args...))
    {
        connect(sender, signal, this, [this](Args... args) { m_calls << QVariantList{QVariant::fromValue(args)...}; });
    }

    int count() const { return m_calls.size(); }
    QVariantList at(int i) const { return m_calls.at(i); }
    QVariantList last() const { return m_calls.last(); }
    QList<QVariantList> calls() const { return m_calls; }
    // Runs the event loop until `n` emissions arrived or the time is up.
    bool waitFor(int n, int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this, n] { return m_calls.size() >= n; }, timeoutMs);
    }

private:
    QList<QVariantList> m_calls;
};

} // namespace DownloadTestSupport
