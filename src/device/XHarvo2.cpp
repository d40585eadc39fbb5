#include "device/XHarvo2.h"

#include "app/LogHelper.h"
#include "device/Crc8.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <algorithm>
#include <cerrno>

namespace {

void debugLine(const QString& text)
{
    qDebug().noquote() << text;
}

void logLine(const QString& text)
{
    LogHelper::instance()->writeLog(text);
}

int payloadInt(const QByteArray& reply)
{
    return qFromLittleEndian<qint32>(reply.constData() + XHarvo2::kPayloadOffset);
}

bool isAccepted(const QByteArray& reply)
{
    return quint8(reply.at(XHarvo2::kStatusOffset)) == XHarvo2::kAckOk;
}

void sealPacket(QByteArray& packet)
{
    packet[XHarvo2::kCrcOffset] =
        char(Crc8::compute(reinterpret_cast<const unsigned char*>(packet.constData()), XHarvo2::kCrcOffset));
}

// Drops what a failed transfer wrote, so no truncated file passes for a downloaded one.
void discardPartialFile(QFile& file)
{
    file.close();
    file.remove();
}

} // namespace

XHarvo2::XHarvo2(QObject* parent)
    : QObject(parent)
    , m_hid(std::make_shared<HidClass>())
{}

QByteArray XHarvo2::requestPacket(quint8 command, const QByteArray& name)
{
    QByteArray packet(kRequestSize, '\0');
    packet[0] = char(kStartByte);
    packet[kCommandOffset] = char(command);
    const QByteArray field = name.left(kMaxNameLength);
    std::copy(field.begin(), field.end(), packet.begin() + kNameOffset);
    sealPacket(packet);
    return packet;
}

QByteArray XHarvo2::largeFilePacket(quint8 command, const QByteArray& name, int blockCount)
{
    QByteArray packet = requestPacket(command, name.left(kMaxLargeNameLength));
    for (int i = 0; i < 4; ++i)
        packet[kBlockCountOffset + i] = char(quint32(blockCount) >> (8 * i));
    sealPacket(packet);
    return packet;
}

void XHarvo2::setCommand(QByteArray& packet, quint8 command)
{
    packet[kCommandOffset] = char(command);
    sealPacket(packet);
}

bool XHarvo2::send(const QByteArray& packet)
{
    return m_hid->write(reinterpret_cast<const unsigned char*>(packet.constData()), packet.size());
}

bool XHarvo2::receive(QByteArray& reply, int length, int* received)
{
    reply.fill('\0', length);
    return m_hid->read(reinterpret_cast<unsigned char*>(reply.data()), length, received);
}

bool XHarvo2::exchange(quint8 command, QByteArray& reply)
{
    return send(requestPacket(command)) && receive(reply, kReplySize);
}

void XHarvo2::closeTransfer(const QByteArray& packet)
{
    QByteArray reply;
    if (send(packet))
        receive(reply, kReplySize);
}

bool XHarvo2::getDeviceInfo(QByteArray& info)
{
    if (!m_hid->open())
        return false;
    QByteArray reply;
    const QByteArray request(kReplySize, char(kIdentifyByte));
    if (!send(request) || !receive(reply, kReplySize) || !isAccepted(reply))
        return false;
    info = reply.mid(kPayloadOffset, kInfoSize);
    return true;
}

bool XHarvo2::getBranchCode(QString& text)
{
    QByteArray reply;
    if (!exchange(BranchCode, reply) || !isAccepted(reply))
        return false;
    const QByteArray payload = reply.mid(kPayloadOffset, kChunkSize);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(payload.left(payload.indexOf('\0')), &error);
    if (error.error != QJsonParseError::NoError)
        return false;
    text = json.object().value("BranchCode:").toVariant().toString();
    return true;
}

bool XHarvo2::disconnectDevice()
{
    QByteArray reply;
    const bool answered = exchange(Disconnect, reply);
    m_hid->close();
    return answered;
}

bool XHarvo2::ping()
{
    QByteArray reply;
    return exchange(Ping, reply);
}

int XHarvo2::getFileCount()
{
    const int savedTimeout = m_hid->timeout();
    m_hid->setTimeout(kFileCountTimeoutMs);
    QByteArray reply;
    const bool answered = exchange(FileCount, reply);
    m_hid->setTimeout(savedTimeout);
    return answered && isAccepted(reply) ? payloadInt(reply) : -1;
}

int XHarvo2::getFile(const QString& localPath, const QString& deviceName)
{
    m_failure = Failure::None;
    QByteArray packet = requestPacket(FileSize, deviceName.toLatin1());
    const int result = fetchFile(packet, localPath);
    closeTransfer(requestPacket(FileEnd));
    return result;
}

int XHarvo2::fetchFile(QByteArray& packet, const QString& localPath)
{
    QByteArray reply;
    if (!send(packet) || !receive(reply, kReplySize)) {
        debugLine("[ERR] sharvo2 fail to get file size");
        logLine("Get file size failed.");
        m_failure = Failure::Link;
        return -1;
    }
    const int size = isAccepted(reply) ? payloadInt(reply) : 0;
    debugLine("[INFO] file size: " + QString::number(size));
    if (size <= 0)
        return size;
    QFile file(localPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        debugLine("[ERR] sharvo2 create file err");
        logLine("Create file " + localPath + " failed.");
        failLocally(file, file.errorString());
        return -1;
    }
    setCommand(packet, FileData);
    emit downloadProgress(0, size);
    const DataReply format{kReplySize,
                           kPayloadOffset,
                           kChunkSize,
                           "Get file data send failed.",
                           "[ERR] sharvo2 file ack",
                           "Get file data ack failed.",
                           false};
    return copyData(packet, file, size, format) ? size : -1;
}

int XHarvo2::getLargeFile(const QString& localPath, const QString& deviceName, int blockCount)
{
    // Without at least one block a data reply could never carry data.
    m_failure = Failure::None;
    if (blockCount < 1)
        return -1;
    QByteArray packet = largeFilePacket(LargeFileStart, deviceName.toLatin1(), blockCount);
    const int result = fetchLargeFile(packet, localPath, blockCount);
    setCommand(packet, LargeFileEnd);
    closeTransfer(packet);
    return result;
}

int XHarvo2::fetchLargeFile(QByteArray& packet, const QString& localPath, int blockCount)
{
    QByteArray reply;
    if (!send(packet)) {
        logLine("Get file large start send failed.");
        m_failure = Failure::Link;
        return -1;
    }
    if (!receive(reply, kReplySize)) {
        logLine("Get file large start ack failed.");
        m_failure = Failure::Link;
        return -1;
    }
    if (!isAccepted(reply)) {
        logLine("Get file large start ack code != ACKCMD_OK.");
        m_failure = Failure::Refused;
        return -1;
    }
    const int size = payloadInt(reply);
    QFile file(localPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        logLine("Create Holter file failed.");
        failLocally(file, file.errorString());
        return -1;
    }
    setCommand(packet, LargeFileData);
    emit downloadProgress(0, size);
    logLine("Large file size:" + QString::number(size));
    const int replySize = blockCount * kReplySize;
    const DataReply format{replySize,
                           kLargeDataOffset,
                           replySize - kLargeDataOffset,
                           "get large data send failed.",
                           QString(),
                           "get large data ack failed.",
                           true};
    return copyData(packet, file, size, format) ? size : -1;
}

bool XHarvo2::copyData(const QByteArray& packet, QFile& file, int size, const DataReply& format)
{
    QByteArray reply;
    int remaining = size;
    while (remaining > 0) {
        if (!send(packet)) {
            logLine(format.sendFailedLog);
            break;
        }
        int received = 0;
        if (!receive(reply, format.replySize, &received) || received < format.replySize) {
            if (!format.ackFailedDebug.isEmpty())
                debugLine(format.ackFailedDebug);
            logLine(format.ackFailedLog);
            break;
        }
        if (format.debugRemaining)
            debugLine("waveFile :" + QString::number(remaining));
        const int chunk = std::min(format.chunkSize, remaining);
        if (file.write(reply.constData() + format.dataOffset, chunk) != chunk) {
            failLocally(file, qt_error_string(errno));
            break;
        }
        remaining -= chunk;
        emit downloadProgress(size - remaining, size);
    }
    // Buffered data that cannot reach the disk (disk full) fails here.
    if (remaining <= 0 && !file.flush()) {
        failLocally(file, qt_error_string(errno));
        remaining = size;
    }
    if (remaining > 0) {
        if (m_failure == Failure::None)
            m_failure = Failure::Link;
        discardPartialFile(file);
    }
    return remaining <= 0;
}

void XHarvo2::failLocally(const QFile& file, const QString& reason)
{
    m_failure = Failure::LocalWrite;
    m_writeFailure = QString("cannot write %1: %2").arg(QDir::toNativeSeparators(file.fileName()), reason);
}
