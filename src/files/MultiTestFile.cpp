#include "files/MultiTestFile.h"

#include "files/MultiTestRecord.h"
#include "files/RecordFile.h"

#include <QFile>

MultiTestFile MultiTestFile::fromBytes(const QByteArray& data)
{
    MultiTestFile file;
    if (data.size() < kHeaderSize) {
        file.status = Status::ShortHeader;
        return file;
    }
    const QByteArray body = data.mid(kHeaderSize);
    file.hasData = !body.isEmpty();
    file.records = RecordFile::split(body, MultiTestRecord::kSize);
    file.status = body.size() % MultiTestRecord::kSize == 0 ? Status::Complete : Status::CutRecord;
    return file;
}

MultiTestFile MultiTestFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return MultiTestFile();
    return fromBytes(file.readAll());
}
