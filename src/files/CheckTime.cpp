#include "files/CheckTime.h"

QString CheckTime::text() const
{
    return QString::asprintf("%04u%02u%02u%02u%02u%02u", unsigned(year), unsigned(month), unsigned(day), unsigned(hour),
                             unsigned(minute), unsigned(second));
}

QDateTime CheckTime::toDateTime() const
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

bool CheckTime::isValid() const
{
    return year >= 2000 && year <= 2099 && QDate::isValid(year, month, day) && QTime::isValid(hour, minute, second);
}

CheckTime CheckTime::fromText(const QString& text)
{
    // The year takes whatever precedes the last ten digits, so years past 9999 survive.
    const int yearDigits = qMax(0, text.size() - 10);
    auto number = [&text](int from, int length) { return text.midRef(from, length).toUInt(); };
    CheckTime time;
    time.year = static_cast<quint16>(number(0, yearDigits));
    time.month = static_cast<quint8>(number(yearDigits, 2));
    time.day = static_cast<quint8>(number(yearDigits + 2, 2));
    time.hour = static_cast<quint8>(number(yearDigits + 4, 2));
    time.minute = static_cast<quint8>(number(yearDigits + 6, 2));
    time.second = static_cast<quint8>(number(yearDigits + 8, 2));
    return time;
}

bool CheckTime::operator==(const CheckTime& other) const
{
    return year == other.year && month == other.month && day == other.day && hour == other.hour &&
        minute == other.minute && second == other.second;
}
