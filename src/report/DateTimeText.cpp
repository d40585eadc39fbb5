#include "report/DateTimeText.h"

#include "app/LanguageTable.h"

#include <QLocale>

namespace DateTimeText {

namespace {

const QString kDatePattern = QStringLiteral("MMM d, yyyy");

bool isEnglish()
{
    return DisplayLanguage::value() == QLocale::English;
}

} // namespace

QString timePattern(bool withSeconds)
{
    QString pattern = withSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    if (isEnglish())
        pattern.replace(QLatin1String("HH"), QLatin1String("hh")).append(QLatin1String("AP"));
    return pattern;
}

QString dateTimePattern(bool withSeconds)
{
    if (isEnglish())
        return timePattern(withSeconds) + " " + kDatePattern;
    return kDatePattern + " " + timePattern(withSeconds);
}

QString dateTime(const QDateTime& dateTime, bool withSeconds)
{
    return QLocale(DisplayLanguage::value()).toString(dateTime, dateTimePattern(withSeconds));
}

QString date(const QDate& date)
{
    return QLocale(DisplayLanguage::value()).toString(date, kDatePattern);
}

} // namespace DateTimeText
