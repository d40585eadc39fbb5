#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An extended user's "rec.dat": a 10-byte header that is not interpreted,
// then 72-byte multi-test records.
struct MultiTestFile
{
    static constexpr int kHeaderSize = 10;

    enum class Status {
        Unreadable, // the file could not be opened
        ShortHeader, // fewer than 10 bytes
        Complete, // header and whole records only
        CutRecord, // ends inside a record; the whole records before it are kept
    };

    Status status = Status::Unreadable;
    // More than the header: the user has records and is shown again.
    bool hasData = false;
    QList<QByteArray> records;

    // A short header or a cut record ends the multi-test reading for every
    // remaining user of the download.
    bool endsReading() const { return status == Status::ShortHeader || status == Status::CutRecord; }

    static MultiTestFile fromBytes(const QByteArray& data);
    static MultiTestFile read(const QString& path);
};
