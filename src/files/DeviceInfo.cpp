#include "files/DeviceInfo.h"

#include "files/RecordCodec.h"

#include <QFile>

std::optional<DeviceInfo> DeviceInfo::fromBytes(const QByteArray& data)
{
    if (data.isEmpty())
        return std::nullopt;
    DeviceInfo info = RecordCodec::decode<DeviceInfo>(data.left(kSize));
    QByteArray line = data.mid(kSize);
    const int lineEnd = line.indexOf('\n');
    if (lineEnd >= 0) {
        line.truncate(lineEnd);
        // Only a "\r\n" line end loses its '\r'; one before the zero byte belongs to the text.
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const int zero = line.indexOf('\0');
    if (zero >= 0)
        line.truncate(zero);
    info.branchcode = QString::fromLatin1(line);
    info.dispname = info.sn;
    return info;
}

std::optional<DeviceInfo> DeviceInfo::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromBytes(file.readAll());
}

QByteArray DeviceInfo::toFileBytes() const
{
    return RecordCodec::encode(*this) + branchcode.toLatin1() + '\0';
}
