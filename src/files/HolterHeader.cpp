#include "files/HolterHeader.h"

#include "files/RecordCodec.h"

#include <QFile>

const QString& HolterHeader::fileName()
{
    static const QString name = QStringLiteral("waveFile");
    return name;
}

std::optional<HolterHeader> HolterHeader::fromBytes(const QByteArray& data)
{
    if (data.size() < kSize)
        return std::nullopt;
    return RecordCodec::decode<HolterHeader>(data.left(kSize));
}

std::optional<HolterHeader> HolterHeader::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromBytes(file.read(kSize));
}

QString HolterHeader::checkTimeText() const
{
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
}

CheckTime HolterHeader::startTime() const
{
    CheckTime time;
    // A negative year is no calendar year; it stays invalid as 0.
    time.year = quint16(qMax<qint16>(year, 0));
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

qint64 HolterHeader::sampleCount() const
{
    return sampleFormat == kPackedFormat ? qint64(dataLength) / 5 * 4 : qint64(dataLength) / 2;
}

bool HolterHeader::agreesWith(qint64 fileSize) const
{
    // 64-bit sums: an offset and length that wrap around 32 bits must not pass.
    const bool sizeAgrees = dataOffset >= quint32(kSize) && qint64(dataOffset) + qint64(dataLength) == fileSize;
    return sizeAgrees && qAbs(sampleCount() / kSamplesPerSecond - qint64(duration)) <= 1;
}
