#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Date and time as rows, reports and Holter views show them, in the display
// language chosen at start-up: English puts a 12-hour time first
// ("09:05:07PM Mar 4, 2021"), every other language the date.
namespace DateTimeText {

QString timePattern(bool withSeconds);
QString dateTimePattern(bool withSeconds);
QString dateTime(const QDateTime& dateTime, bool withSeconds);
QString date(const QDate& date);

} // namespace DateTimeText
