#include "files/RecordFile.h"

#include <QFile>

namespace RecordFile {

QList<QByteArray> split(const QByteArray& data, int recordSize)
{
    QList<QByteArray> records;
    if (recordSize <= 0)
        return records;
    const int count = data.size() / recordSize;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records << data.mid(i * recordSize, recordSize);
    return records;
}

QList<QByteArray> read(const QString& path, int recordSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return split(file.readAll(), recordSize);
}

} // namespace RecordFile
