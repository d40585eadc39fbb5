#include "files/WaveFileHeader.h"

#include "files/RecordCodec.h"

#include <QFile>

const QString& WaveFileHeader::fileName()
{
    static const QString name = QStringLiteral("waveFile");
    return name;
}

std::optional<WaveFileHeader> WaveFileHeader::fromBytes(const QByteArray& data)
{
    if (data.size() < kSize)
        return std::nullopt;
    return RecordCodec::decode<WaveFileHeader>(data);
}

std::optional<WaveFileHeader> WaveFileHeader::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromBytes(file.read(kSize));
}

QString WaveFileHeader::checkTimeText() const
{
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
}
