#pragma once

#include "device/HidClass.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QFile;

// The monitor's request/reply protocol: one 1152-byte request (start byte,
// command, payload, CRC-8) answered by one 640-byte reply (status at 1, payload
// at 4), except identification (640 bytes of 0x43) and the large-file data
// reply (block count x 640 bytes, data from 5). Blocking; one caller thread at a time.
class XHarvo2 : public QObject
{
    Q_OBJECT
public:
    enum Command : quint8 {
        Disconnect = 0x04,
        Ping = 0x06,
        FileSize = 0x0B,
        FileData = 0x0C,
        FileEnd = 0x0D,
        FileCount = 0x1B,
        LargeFileStart = 0x1E,
        LargeFileData = 0x1F,
        LargeFileEnd = 0x20,
        BranchCode = 0x21,
    };

    // Why the last file transfer gave no file.
    enum class Failure { None, Refused, Link, LocalWrite };

    static constexpr int kRequestSize = 1152;
    static constexpr int kReplySize = 640;
    static constexpr int kInfoSize = 30;
    static constexpr quint8 kStartByte = 0xAC;
    static constexpr quint8 kIdentifyByte = 0x43;
    static constexpr quint8 kAckOk = 0;
    static constexpr int kCommandOffset = 1;
    static constexpr int kNameOffset = 15;
    static constexpr int kMaxNameLength = kRequestSize - 1 - kNameOffset - 1;
    static constexpr int kBlockCountOffset = 35;
    static constexpr int kMaxLargeNameLength = kBlockCountOffset - kNameOffset;
    static constexpr int kCrcOffset = kRequestSize - 1;
    static constexpr int kStatusOffset = 1;
    static constexpr int kPayloadOffset = 4;
    static constexpr int kChunkSize = kReplySize - 1 - kPayloadOffset;
    static constexpr int kLargeDataOffset = 5;
    static constexpr int kFileCountTimeoutMs = 15000;

    explicit XHarvo2(QObject* parent = nullptr);

    // Opens the transport if needed and fills `info` with the 30-byte device information block.
    bool getDeviceInfo(QByteArray& info);
    bool getBranchCode(QString& text);
    // Sends the closing command and closes the transport in every case.
    bool disconnectDevice();
    bool ping();
    // The number of files on the monitor, or -1.
    int getFileCount();
    // The size of the copied file; 0 when the monitor has no such file or an empty one; -1 on failure.
    int getFile(const QString& localPath, const QString& deviceName);
    // The size of the copied file, or -1; the monitor answers in `blockCount` x 640-byte replies.
    int getLargeFile(const QString& localPath, const QString& deviceName, int blockCount);
    Failure lastFailure() const { return m_failure; }
    // For a LocalWrite failure: the local path and the system's reason.
    QString writeFailure() const { return m_writeFailure; }

    // A request with the file name zero-terminated at 15 (empty name: no payload).
    static QByteArray requestPacket(quint8 command, const QByteArray& name = QByteArray());
    // A large-file request: name at 15-34 without terminator, block count at 35.
    static QByteArray largeFilePacket(quint8 command, const QByteArray& name, int blockCount);
    // Turns a request into the same request with another command, with a fresh CRC.
    static void setCommand(QByteArray& packet, quint8 command);

signals:
    void downloadProgress(int byteDownload, int totalByte);

private:
    // How the data replies of a transfer look and what a failure of one says.
    struct DataReply
    {
        int replySize;
        int dataOffset;
        int chunkSize;
        QString sendFailedLog;
        QString ackFailedDebug;
        QString ackFailedLog;
        bool debugRemaining;
    };

    int fetchFile(QByteArray& packet, const QString& localPath);
    int fetchLargeFile(QByteArray& packet, const QString& localPath, int blockCount);
    // Requests data until `size` bytes are in `file`; a short reply fails, and a failure removes the file.
    bool copyData(const QByteArray& packet, QFile& file, int size, const DataReply& format);
    bool send(const QByteArray& packet);
    // Reads `length` bytes into `reply`, zero-filled first so nothing stale survives a short reply.
    bool receive(QByteArray& reply, int length, int* received = nullptr);
    bool exchange(quint8 command, QByteArray& reply);
    // Sends the closing request of a transfer and reads its reply, ignoring both results.
    void closeTransfer(const QByteArray& packet);

    // The file could not be written here; `reason` is the system's.
    void failLocally(const QFile& file, const QString& reason);

    std::shared_ptr<HidClass> m_hid;
    Failure m_failure = Failure::None;
    QString m_writeFailure;
};
