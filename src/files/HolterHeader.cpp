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
