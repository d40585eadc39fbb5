#pragma once

#include "emulator/EmulatorFault.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>

// One monitor on the emulated bus, served from its folder: "identity.dat" (the
// 30-byte device information block, the branch code text, one zero byte) and
// the monitor's files under their device names. It assembles the host's output
// reports into requests, checks every request, answers it as the monitor would
// (keeping its own read position between the start and end of a transfer) and
// counts each protocol violation it sees.
class EmulatedMonitor
{
public:
    static constexpr const char* kIdentityFileName = "identity.dat";
    static constexpr const char* kFaultsFileName = "faults";
    static constexpr quint8 kRefused = 1;
    // The largest large-file block count the monitor accepts.
    static constexpr int kMaxBlockCount = 64;

    // Reads the folder's faults file, if any.
    explicit EmulatedMonitor(const QString& folder);

    QString name() const { return m_name; }
    QString folder() const { return m_folder; }
    // A folder is a plugged-in monitor while it exists and holds identity.dat.
    static bool isMonitorFolder(const QString& folder);
    // The monitor's files: every visible file of the folder except identity.dat and faults.
    QStringList fileNames() const;

    void addFault(const EmulatorFault& fault);
    // Every report then takes one 1 ms frame, as on a full-speed USB HID endpoint.
    void setPaced(bool paced);
    int violationCount() const;
    QStringList violations() const;

    // The host side, used by the bus. Each opening gets a connection number; once
    // the monitor drops off the bus that number is dead and every operation on it fails.
    // Returns 0 while another connection holds the monitor, after it is gone,
    // or when it denies access.
    quint64 connect();
    // The host may not open the monitor (the no-access rule).
    bool deniesAccess() const;
    void disconnect(quint64 connection);
    int write(quint64 connection, const unsigned char* report, int length);
    int read(quint64 connection, unsigned char* report, int length, int timeoutMs);
    // The folder disappeared: the monitor is gone for good.
    void unplug();
    bool isGone() const;

private:
    enum class Transfer { None, File, LargeFile };

    bool isServedFile(const QString& name) const;
    bool isLive(quint64 connection) const;
    bool checkPresence();
    void dropConnection();
    void waitForOutputFrame();
    void waitForInputFrame(int report);
    void violation(const QString& text);

    void takeRequest();
    QByteArray answer(const QByteArray& request);
    QByteArray answerIdentification(const QByteArray& request);
    QByteArray answerCommand(const QByteArray& request);
    QByteArray fileSize(const QByteArray& request);
    QByteArray fileData(const QByteArray& request);
    QByteArray fileEnd();
    QByteArray largeFileStart(const QByteArray& request);
    QByteArray largeFileData(const QByteArray& request);
    QByteArray largeFileEnd(const QByteArray& request);
    QByteArray fileCount();
    QByteArray branchCode();

    bool zeroFrom(const QByteArray& request, int from, int to, const char* what);
    QByteArray fileName(const QByteArray& request);
    bool largeFileFields(const QByteArray& request, QByteArray* name, int* blockCount);
    bool openTransfer(Transfer kind, const QByteArray& name, int blockCount);
    QByteArray nextChunk(int maximum, int replyOffset);
    void endTransfer();
    void queueReply(const QByteArray& reply, int requestNumber);

    const QString m_folder;
    const QString m_name;
    mutable QMutex m_mutex;
    bool m_gone = false;
    std::atomic<bool> m_paced{false};
    quint64 m_liveConnection = 0;
    quint64 m_lastConnection = 0;
    std::chrono::steady_clock::time_point m_nextFrame;
    // The frame of the first report of the pending reply.
    std::chrono::steady_clock::time_point m_replyFrame;

    QByteArray m_request;
    int m_requestLength = 0;
    int m_requestCount = 0;

    QByteArray m_reply;
    int m_replyOffset = 0;
    int m_replyEnd = 0;
    // Reply offset after which the connection drops (an injected unplug), or -1.
    int m_dropAt = -1;

    Transfer m_transfer = Transfer::None;
    QByteArray m_transferName;
    int m_blockCount = 0;
    QFile m_file;
    qint64 m_size = 0;
    qint64 m_position = 0;

    QSet<int> m_noReply;
    QMap<int, int> m_shortReply;
    QSet<QString> m_refused;
    QSet<QString> m_silent;
    QMap<QString, qint64> m_unplugAfter;
    int m_pingFailures = 0;
    int m_fileCountStatus = 0;
    bool m_noAccess = false;

    QStringList m_violations;
};
