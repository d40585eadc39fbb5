#pragma once

#include "support/ByteFixture.h"
#include "support/DbTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// Download folders built by hand from the file layouts, and looks at the
// record store and the data directory for the sync and finishing tests.
namespace SyncFixture {

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "dev.dat": the 30-byte device information, the branch code and a zero byte.
inline QByteArray devDat(int model, const QByteArray& sn, const QByteArray& branch = "B7")
{
    return ByteFixture()
        .u8(model)
        .u8(1)
        .u16(2)
        .u8(0)
        .text(sn, 13)
        .u16(3)
        .u32(0x00010200)
        .u32(4)
        .u16(5)
        .raw(branch + '\0');
}

inline QByteArray user(int index, const QByteArray& name)
{
    return ByteFixture().u8(index).text(name, 17).u8(1).u16(1970).u8(3).u8(4).u16(650).u16(172);
}

inline QByteArray xuser(int index, const QByteArray& medicalId, const QByteArray& name)
{
    return ByteFixture()
        .u8(index)
        .text(medicalId, 32)
        .text(name, 32)
        .u8(2)
        .u8(0)
        .u16(160)
        .u16(550)
        .u16(1985)
        .u8(6)
        .u8(7);
}

// A record of an index file with the given stamp and zeroed values; the
// blood-pressure files count their year from 2000.
inline QByteArray record(int checkType, int size, int minute, int second, int year = 2024)
{
    const bool nibp = checkType == 128 || checkType == 256;
    ByteFixture bytes;
    bytes.stamp(nibp ? year - 2000 : year, 5, 6, 7, minute, second);
    return bytes.zeros(size - bytes.size());
}

inline QByteArray records(int checkType, int size, int minute, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += record(checkType, size, minute, i);
    return bytes;
}

// A Holter recording: the 62-byte header and some samples.
// A Holter recording of `duration` seconds whose header agrees with its size:
// the 62-byte header, then 125 two-byte samples a second.
inline QByteArray waveFile(int userIndex, int hour, int duration, char sample = '\x11')
{
    const QByteArray samples(duration * 125 * 2, sample);
    return ByteFixture()
        .u32(quint32(samples.size()))
        .u32(62)
        .u16(2024)
        .u8(5)
        .u8(6)
        .u8(hour)
        .u8(30)
        .u8(0)
        .u32(duration)
        .u8(userIndex)
        .zeros(42)
        .raw(samples);
}

inline QString holterTime(int hour)
{
    return QString("20240506%1%2").arg(hour, 2, 10, QChar('0')).arg("3000");
}

// "rec.dat": the 10-byte header, whole 72-byte records and `cut` extra bytes.
inline QByteArray multiTestFile(int minute, int count, int cut = 0)
{
    return QByteArray(10, '\x01') + records(16384, 72, minute, count) + QByteArray(cut, '\x02');
}

inline QStringList tables(const QSqlDatabase& db = DbTestSupport::connection())
{
    QStringList names;
    QSqlQuery query(db);
    query.exec("select name from sqlite_master where type = 'table' order by name");
    while (query.next())
        names << query.value(0).toString();
    return names;
}

inline void clearStore()
{
    for (const QString& table : tables())
        DbTestSupport::run("delete from " + table);
}

// Every row of every table as text, for comparing the store before and after.
inline QString dump(const QSqlDatabase& db = DbTestSupport::connection())
{
    QString text;
    for (const QString& table : tables(db)) {
        QSqlQuery query(db);
        query.exec("select * from " + table + " order by 1");
        QStringList rows;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            rows << values.join('|');
        }
        text += table + ":\n" + rows.join('\n') + "\n";
    }
    return text;
}

// Entries of a folder, sorted; sub-folders end in "/".
inline QStringList entries(const QString& path)
{
    QStringList names;
    for (const QFileInfo& info :
         QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        names << info.fileName() + (info.isDir() ? "/" : "");
    return names;
}

} // namespace SyncFixture
