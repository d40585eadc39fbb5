#include "files/SleepTrend.h"

#include <QFile>

namespace SleepTrend {

QVector<SleepTrendEntry> fromBytes(const QByteArray& data)
{
    QVector<SleepTrendEntry> entries(data.size() / 2);
    for (int i = 0; i < entries.size(); ++i) {
        entries[i].spo2 = quint8(data.at(2 * i));
        entries[i].pr = quint8(data.at(2 * i + 1));
    }
    return entries;
}

QVector<SleepTrendEntry> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromBytes(file.read(2 * qint64(kMaxEntries)));
}

} // namespace SleepTrend
