#pragma once

#include <QDateTime>
#include <QString>

// The monitor's 7-byte time stamp. Its text form names detail files and
// voice notes and starts every flow id.
struct CheckTime
{
    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minute = 0;
    quint8 second = 0;

    // "yyyyMMddHHmmss". Written digit by digit so that a garbage stamp still
    // gives a distinct name instead of the empty text of an invalid date.
    QString text() const;
    QDateTime toDateTime() const;
    // A real calendar date and time of the years 2000 to 2099, as a monitor can set.
    bool isValid() const;
    // Parses the text form; fields that are not digits read as 0.
    static CheckTime fromText(const QString& text);

    bool operator==(const CheckTime& other) const;
    bool operator!=(const CheckTime& other) const { return !(*this == other); }
};
