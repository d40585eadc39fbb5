#include "emulator/EmulatedMonitor.h"

#include "device/Crc8.h"
#include "device/HidClass.h"
#include "device/XHarvo2.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <algorithm>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kReport = HidClass::kReportSize;
constexpr int kOutputReport = kReport + 1;
constexpr auto kFrame = std::chrono::milliseconds(1);
// How often a waiting read looks whether the folder is still there.
constexpr auto kPresencePoll = std::chrono::milliseconds(50);

QString hex(int value)
{
    return "0x" + QString::number(value, 16).rightJustified(2, '0');
}

QByteArray int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// A 640-byte reply: command echo at 0, status at 1, payload length at 2-3,
// payload from 4, CRC-8 of bytes 0-638 at 639.
QByteArray commandReply(quint8 command, quint8 status, const QByteArray& payload = QByteArray())
{
    QByteArray reply(XHarvo2::kReplySize, '\0');
    reply[0] = char(command);
    reply[1] = char(status);
    const int length = std::min(int(payload.size()), XHarvo2::kChunkSize);
    reply[2] = char(length & 0xFF);
    reply[3] = char(length >> 8);
    std::copy(payload.begin(), payload.begin() + length, reply.begin() + XHarvo2::kPayloadOffset);
    const int last = XHarvo2::kReplySize - 1;
    reply[last] = char(Crc8::compute(reinterpret_cast<const unsigned char*>(reply.constData()), size_t(last)));
    return reply;
}

int roundUpToReport(qint64 bytes)
{
    return int((bytes + kReport - 1) / kReport * kReport);
}

} // namespace

EmulatedMonitor::EmulatedMonitor(const QString& folder)
    : m_folder(QDir::cleanPath(folder))
    , m_name(QFileInfo(m_folder).fileName())
{
    QFile faults(m_folder + "/" + kFaultsFileName);
    if (!faults.open(QIODevice::ReadOnly))
        return;
    QStringList errors;
    const QList<EmulatorFault> rules = EmulatorFault::parse(QString::fromUtf8(faults.readAll()), &errors);
    for (const QString& error : qAsConst(errors))
        qWarning().noquote() << "emulator:" << faults.fileName() << error;
    for (const EmulatorFault& rule : rules)
        addFault(rule);
}

bool EmulatedMonitor::isMonitorFolder(const QString& folder)
{
    return QFileInfo(folder + "/" + kIdentityFileName).isFile();
}

bool EmulatedMonitor::isServedFile(const QString& name) const
{
    return !name.isEmpty() && !name.startsWith('.') && !name.contains('/') && name != kIdentityFileName &&
        name != kFaultsFileName && QFileInfo(m_folder + "/" + name).isFile();
}

QStringList EmulatedMonitor::fileNames() const
{
    QStringList names = QDir(m_folder).entryList(QDir::Files, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(), [this](const QString& name) { return !isServedFile(name); }),
                names.end());
    return names;
}

void EmulatedMonitor::addFault(const EmulatorFault& fault)
{
    QMutexLocker lock(&m_mutex);
    switch (fault.kind()) {
    case EmulatorFault::NoReply: m_noReply.insert(int(fault.number())); break;
    case EmulatorFault::ShortReply: m_shortReply.insert(int(fault.number()), fault.reports()); break;
    case EmulatorFault::Refuse: m_refused.insert(fault.fileName()); break;
    case EmulatorFault::Silent: m_silent.insert(fault.fileName()); break;
    case EmulatorFault::UnplugAfter: m_unplugAfter.insert(fault.fileName(), fault.number()); break;
    case EmulatorFault::FailPings: m_pingFailures += int(fault.number()); break;
    case EmulatorFault::FileCountStatus: m_fileCountStatus = int(fault.number()); break;
    case EmulatorFault::NoAccess: m_noAccess = true; break;
    }
}

void EmulatedMonitor::setPaced(bool paced)
{
    m_paced = paced;
}

int EmulatedMonitor::violationCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_violations.size();
}

QStringList EmulatedMonitor::violations() const
{
    QMutexLocker lock(&m_mutex);
    return m_violations;
}

void EmulatedMonitor::violation(const QString& text)
{
    m_violations << m_name + ": " + text;
    qWarning().noquote() << "emulator:" << m_violations.last();
}

bool EmulatedMonitor::deniesAccess() const
{
    QMutexLocker lock(&m_mutex);
    return m_noAccess;
}

quint64 EmulatedMonitor::connect()
{
    QMutexLocker lock(&m_mutex);
    if (m_gone || m_noAccess || m_liveConnection != 0)
        return 0;
    // A new opening finds the monitor fresh, as after it was plugged in again.
    dropConnection();
    endTransfer();
    m_liveConnection = ++m_lastConnection;
    return m_liveConnection;
}

void EmulatedMonitor::disconnect(quint64 connection)
{
    QMutexLocker lock(&m_mutex);
    if (connection == m_liveConnection)
        m_liveConnection = 0;
}

void EmulatedMonitor::unplug()
{
    QMutexLocker lock(&m_mutex);
    m_gone = true;
    dropConnection();
    endTransfer();
}

bool EmulatedMonitor::isGone() const
{
    QMutexLocker lock(&m_mutex);
    return m_gone;
}

bool EmulatedMonitor::isLive(quint64 connection) const
{
    return !m_gone && connection != 0 && connection == m_liveConnection;
}

bool EmulatedMonitor::checkPresence()
{
    if (!m_gone && !isMonitorFolder(m_folder)) {
        m_gone = true;
        dropConnection();
        endTransfer();
    }
    return !m_gone;
}

void EmulatedMonitor::dropConnection()
{
    m_liveConnection = 0;
    m_request.clear();
    m_reply.clear();
    m_replyOffset = m_replyEnd = 0;
    m_dropAt = -1;
}

void EmulatedMonitor::waitForOutputFrame()
{
    if (!m_paced)
        return;
    // Frames follow each other every 1 ms; an idle host does not bank frames.
    const Clock::time_point now = Clock::now();
    if (m_nextFrame < now)
        m_nextFrame = now;
    std::this_thread::sleep_until(m_nextFrame);
    m_nextFrame += kFrame;
}

void EmulatedMonitor::waitForInputFrame(int report)
{
    if (!m_paced)
        return;
    // Input reports cross in the frames right after the request, whenever the host
    // reads them: the host's HID driver buffers them as a real one does.
    const Clock::time_point frame = m_replyFrame + report * kFrame;
    std::this_thread::sleep_until(frame);
    m_nextFrame = std::max(m_nextFrame, frame + kFrame);
}

int EmulatedMonitor::write(quint64 connection, const unsigned char* report, int length)
{
    waitForOutputFrame();
    QMutexLocker lock(&m_mutex);
    if (!isLive(connection) || (m_request.isEmpty() && !checkPresence()))
        return -1;
    if (length != kOutputReport) {
        violation(QString("output report of %1 bytes").arg(length));
        return -1;
    }
    if (report[0] != 0)
        violation("output report with report id " + hex(report[0]));
    const QByteArray data(reinterpret_cast<const char*>(report + 1), kReport);
    if (m_request.isEmpty()) {
        if (m_replyOffset < m_replyEnd)
            violation("request sent before the previous reply was read");
        m_reply.clear();
        m_replyOffset = m_replyEnd = 0;
        if (quint8(data.at(0)) == XHarvo2::kStartByte)
            m_requestLength = XHarvo2::kRequestSize;
        else if (data.count(char(XHarvo2::kIdentifyByte)) == kReport)
            m_requestLength = XHarvo2::kReplySize;
        else {
            violation("output report starting with " + hex(quint8(data.at(0))) + " where a request begins");
            return length;
        }
    }
    m_request += data;
    if (m_request.size() == m_requestLength)
        takeRequest();
    return length;
}

int EmulatedMonitor::read(quint64 connection, unsigned char* report, int length, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        {
            QMutexLocker lock(&m_mutex);
            if (!isLive(connection))
                return -1;
            if (m_replyOffset < m_replyEnd) {
                const int size = std::min(length, kReport);
                const int index = m_replyOffset / kReport;
                std::copy_n(m_reply.constData() + m_replyOffset, size, reinterpret_cast<char*>(report));
                m_replyOffset += kReport;
                if (m_dropAt >= 0 && m_replyOffset >= m_dropAt)
                    dropConnection();
                lock.unlock();
                waitForInputFrame(index);
                return size;
            }
            if (!checkPresence())
                return -1;
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            return 0;
        std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, kPresencePoll));
    }
}

void EmulatedMonitor::takeRequest()
{
    const QByteArray request = m_request;
    m_request.clear();
    const int number = ++m_requestCount;
    queueReply(answer(request), number);
}

void EmulatedMonitor::queueReply(const QByteArray& reply, int requestNumber)
{
    m_reply = reply;
    m_replyOffset = 0;
    m_replyFrame = m_nextFrame;
    m_replyEnd = m_noReply.remove(requestNumber) ? 0 : reply.size();
    if (m_shortReply.contains(requestNumber))
        m_replyEnd = std::min(m_replyEnd, m_shortReply.take(requestNumber) * kReport);
    if (m_dropAt >= 0) {
        m_dropAt = std::min(m_dropAt, m_replyEnd);
        if (m_dropAt == 0)
            dropConnection();
    }
}

QByteArray EmulatedMonitor::answer(const QByteArray& request)
{
    if (request.size() == XHarvo2::kReplySize)
        return answerIdentification(request);
    return answerCommand(request);
}

QByteArray EmulatedMonitor::answerIdentification(const QByteArray& request)
{
    if (request.count(char(XHarvo2::kIdentifyByte)) != request.size())
        violation("identification request with bytes other than " + hex(XHarvo2::kIdentifyByte));
    QFile identity(m_folder + "/" + kIdentityFileName);
    const QByteArray info = identity.open(QIODevice::ReadOnly) ? identity.read(XHarvo2::kInfoSize) : QByteArray();
    if (info.size() < XHarvo2::kInfoSize)
        return commandReply(XHarvo2::kIdentifyByte, kRefused);
    return commandReply(XHarvo2::kIdentifyByte, XHarvo2::kAckOk, info);
}

bool EmulatedMonitor::zeroFrom(const QByteArray& request, int from, int to, const char* what)
{
    for (int i = from; i < to; ++i) {
        if (request.at(i) != 0) {
            violation(QString("%1 request: non-zero byte at %2 (%3)").arg(hex(quint8(request.at(1)))).arg(i).arg(what));
            return false;
        }
    }
    return true;
}

QByteArray EmulatedMonitor::answerCommand(const QByteArray& request)
{
    const quint8 command = quint8(request.at(XHarvo2::kCommandOffset));
    const quint8 crc =
        Crc8::compute(reinterpret_cast<const unsigned char*>(request.constData()), size_t(XHarvo2::kCrcOffset));
    if (crc != quint8(request.at(XHarvo2::kCrcOffset)))
        violation(QString("%1 request with CRC %2, expected %3")
                      .arg(hex(command), hex(quint8(request.at(XHarvo2::kCrcOffset))), hex(crc)));
    zeroFrom(request, 2, XHarvo2::kNameOffset, "header");
    switch (command) {
    case XHarvo2::Disconnect:
    case XHarvo2::Ping:
    case XHarvo2::FileCount:
    case XHarvo2::BranchCode:
    case XHarvo2::FileEnd: zeroFrom(request, XHarvo2::kNameOffset, XHarvo2::kCrcOffset, "payload"); break;
    default: break;
    }
    switch (command) {
    case XHarvo2::Disconnect: endTransfer(); return commandReply(command, XHarvo2::kAckOk);
    case XHarvo2::Ping:
        if (m_pingFailures > 0) {
            --m_pingFailures;
            return QByteArray();
        }
        return commandReply(command, XHarvo2::kAckOk);
    case XHarvo2::FileCount: return fileCount();
    case XHarvo2::BranchCode: return branchCode();
    case XHarvo2::FileSize: return fileSize(request);
    case XHarvo2::FileData: return fileData(request);
    case XHarvo2::FileEnd: return fileEnd();
    case XHarvo2::LargeFileStart: return largeFileStart(request);
    case XHarvo2::LargeFileData: return largeFileData(request);
    case XHarvo2::LargeFileEnd: return largeFileEnd(request);
    default: violation("unknown command " + hex(command)); return commandReply(command, kRefused);
    }
}

QByteArray EmulatedMonitor::fileName(const QByteArray& request)
{
    const int end = request.indexOf('\0', XHarvo2::kNameOffset);
    if (end < 0 || end >= XHarvo2::kCrcOffset) {
        violation(hex(quint8(request.at(1))) + " request: file name without terminator");
        return QByteArray();
    }
    const QByteArray name = request.mid(XHarvo2::kNameOffset, end - XHarvo2::kNameOffset);
    if (name.isEmpty())
        violation(hex(quint8(request.at(1))) + " request: empty file name");
    zeroFrom(request, end, XHarvo2::kCrcOffset, "after the file name");
    return name;
}

bool EmulatedMonitor::largeFileFields(const QByteArray& request, QByteArray* name, int* blockCount)
{
    const QByteArray field = request.mid(XHarvo2::kNameOffset, XHarvo2::kMaxLargeNameLength);
    const int end = field.contains('\0') ? field.indexOf('\0') : field.size();
    *name = field.left(end);
    bool valid = !name->isEmpty();
    if (!valid)
        violation(hex(quint8(request.at(1))) + " request: empty file name");
    valid = zeroFrom(request, XHarvo2::kNameOffset + end, XHarvo2::kBlockCountOffset, "after the file name") && valid;
    *blockCount = qFromLittleEndian<qint32>(request.constData() + XHarvo2::kBlockCountOffset);
    if (*blockCount < 1 || *blockCount > kMaxBlockCount) {
        violation(QString("%1 request: block count %2").arg(hex(quint8(request.at(1)))).arg(*blockCount));
        valid = false;
    }
    return zeroFrom(request, XHarvo2::kBlockCountOffset + 4, XHarvo2::kCrcOffset, "after the block count") && valid;
}

bool EmulatedMonitor::openTransfer(Transfer kind, const QByteArray& name, int blockCount)
{
    if (m_transfer != Transfer::None)
        violation("a transfer starts while the transfer of " + QString::fromLatin1(m_transferName) + " is open");
    endTransfer();
    // The transfer is open even when refused: the host still closes it.
    m_transfer = kind;
    m_transferName = name;
    m_blockCount = blockCount;
    const QString file = QString::fromLatin1(name);
    // Still opened, as a monitor that received the request and then stalled.
    if (m_silent.remove(file))
        m_noReply.insert(m_requestCount);
    if (m_refused.contains(file) || !isServedFile(file))
        return false;
    m_file.setFileName(m_folder + "/" + file);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_size = m_file.size();
    return true;
}

void EmulatedMonitor::endTransfer()
{
    m_file.close();
    m_transfer = Transfer::None;
    m_transferName.clear();
    m_blockCount = 0;
    m_size = m_position = 0;
}

QByteArray EmulatedMonitor::nextChunk(int maximum, int replyOffset)
{
    const qint64 from = m_position;
    const QByteArray chunk = m_file.read(std::min<qint64>(maximum, m_size - m_position));
    m_position += chunk.size();
    const auto rule = m_unplugAfter.find(QString::fromLatin1(m_transferName));
    if (rule != m_unplugAfter.end() && m_position >= *rule) {
        // Only the reports that carry the file's first bytes up to the limit still cross.
        const qint64 delivered = std::max<qint64>(0, *rule - from);
        m_dropAt = delivered == 0 ? 0 : roundUpToReport(replyOffset + delivered);
        m_unplugAfter.erase(rule);
    }
    return chunk;
}

QByteArray EmulatedMonitor::fileSize(const QByteArray& request)
{
    if (!openTransfer(Transfer::File, fileName(request), 0))
        return commandReply(XHarvo2::FileSize, kRefused);
    return commandReply(XHarvo2::FileSize, XHarvo2::kAckOk, int32(qint32(m_size)));
}

QByteArray EmulatedMonitor::fileData(const QByteArray& request)
{
    const QByteArray name = fileName(request);
    if (m_transfer != Transfer::File || name != m_transferName) {
        violation("file-data request for " + QString::fromLatin1(name) + " outside its transfer");
        return commandReply(XHarvo2::FileData, kRefused);
    }
    if (!m_file.isOpen() || m_position >= m_size) {
        violation("file-data request for " + QString::fromLatin1(name) + " with no data left");
        return commandReply(XHarvo2::FileData, kRefused);
    }
    return commandReply(XHarvo2::FileData, XHarvo2::kAckOk, nextChunk(XHarvo2::kChunkSize, XHarvo2::kPayloadOffset));
}

QByteArray EmulatedMonitor::fileEnd()
{
    if (m_transfer != Transfer::File)
        violation("file-end request without a file transfer");
    endTransfer();
    return commandReply(XHarvo2::FileEnd, XHarvo2::kAckOk);
}

QByteArray EmulatedMonitor::largeFileStart(const QByteArray& request)
{
    QByteArray name;
    int blockCount = 0;
    const bool valid = largeFileFields(request, &name, &blockCount);
    if (!openTransfer(Transfer::LargeFile, valid ? name : QByteArray(), blockCount))
        return commandReply(XHarvo2::LargeFileStart, kRefused);
    return commandReply(XHarvo2::LargeFileStart, XHarvo2::kAckOk, int32(qint32(m_size)));
}

QByteArray EmulatedMonitor::largeFileData(const QByteArray& request)
{
    QByteArray name;
    int blockCount = 0;
    largeFileFields(request, &name, &blockCount);
    if (m_transfer != Transfer::LargeFile || name != m_transferName || blockCount != m_blockCount) {
        violation("large-file data request for " + QString::fromLatin1(name) + " outside its transfer");
        return commandReply(XHarvo2::LargeFileData, kRefused);
    }
    if (!m_file.isOpen() || m_position >= m_size) {
        violation("large-file data request for " + QString::fromLatin1(name) + " with no data left");
        return commandReply(XHarvo2::LargeFileData, kRefused);
    }
    // Command echo at 0, status at 1, data length at 2-4, data from 5.
    QByteArray reply(blockCount * XHarvo2::kReplySize, '\0');
    const QByteArray chunk = nextChunk(reply.size() - XHarvo2::kLargeDataOffset, XHarvo2::kLargeDataOffset);
    reply[0] = char(XHarvo2::LargeFileData);
    reply[1] = char(XHarvo2::kAckOk);
    for (int i = 0; i < 3; ++i)
        reply[2 + i] = char(chunk.size() >> (8 * i));
    std::copy(chunk.begin(), chunk.end(), reply.begin() + XHarvo2::kLargeDataOffset);
    return reply;
}

QByteArray EmulatedMonitor::largeFileEnd(const QByteArray& request)
{
    QByteArray name;
    int blockCount = 0;
    largeFileFields(request, &name, &blockCount);
    if (m_transfer != Transfer::LargeFile || name != m_transferName || blockCount != m_blockCount)
        violation("large-file end request for " + QString::fromLatin1(name) + " outside its transfer");
    endTransfer();
    return commandReply(XHarvo2::LargeFileEnd, XHarvo2::kAckOk);
}

QByteArray EmulatedMonitor::fileCount()
{
    if (m_fileCountStatus != 0) {
        const quint8 status = quint8(m_fileCountStatus);
        m_fileCountStatus = 0;
        return commandReply(XHarvo2::FileCount, status);
    }
    return commandReply(XHarvo2::FileCount, XHarvo2::kAckOk, int32(qint32(fileNames().size())));
}

QByteArray EmulatedMonitor::branchCode()
{
    QFile identity(m_folder + "/" + kIdentityFileName);
    if (!identity.open(QIODevice::ReadOnly) || !identity.seek(XHarvo2::kInfoSize))
        return commandReply(XHarvo2::BranchCode, kRefused);
    QByteArray text = identity.readAll();
    const auto end = std::find_if(text.begin(), text.end(), [](char c) { return c == '\0' || c == '\n' || c == '\r'; });
    text.truncate(int(end - text.begin()));
    const QJsonObject json{{"BranchCode:", QString::fromLatin1(text)}};
    return commandReply(XHarvo2::BranchCode, XHarvo2::kAckOk, QJsonDocument(json).toJson(QJsonDocument::Compact));
}
