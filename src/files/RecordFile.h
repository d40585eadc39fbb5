#pragma once

#include "files/RecordCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The monitor's index and user-list files: fixed-size records back to back,
// no header or count. A trailing partial record is dropped.
namespace RecordFile {

QList<QByteArray> split(const QByteArray& data, int recordSize);
// An absent or unreadable file gives no records.
QList<QByteArray> read(const QString& path, int recordSize);

template <class R>
QList<R> read(const QString& path)
{
    return RecordCodec::decodeAll<R>(read(path, R::kSize));
}

} // namespace RecordFile
