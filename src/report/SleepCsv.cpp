#include "report/SleepCsv.h"

#include "app/LanguageTable.h"
#include "report/DateTimeText.h"
#include "report/ExportFile.h"
#include "report/ReportOutput.h"

#include <QLocale>

namespace SleepCsv {

QByteArray text(const QDateTime& start, const QVector<SleepTrendEntry>& trend)
{
    // Samples are 2 s apart, so within a minute only the seconds change: the
    // rest of the time text is formatted once a minute, with a marker quoted
    // in place of the seconds (the whole pattern, so "hh" stays 12-hour before "AP").
    QString pattern = DateTimeText::dateTimePattern(true);
    pattern.replace(QLatin1String("ss"), QLatin1String("'\x01'"));
    const QLocale locale(DisplayLanguage::value());
    const int firstSecond = start.time().second();

    QByteArray bytes;
    bytes.reserve(64 + trend.size() * 48);
    bytes += "Start time,\"" + DateTimeText::dateTime(start, true).toUtf8() + "\",\n";
    bytes += "Time,Spo2,PR,\n";
    QByteArray head;
    QByteArray tail;
    int minute = -1;
    for (int i = 0; i < trend.size(); ++i) {
        const int offset = firstSecond + 2 * i;
        if (offset / 60 != minute) {
            minute = offset / 60;
            const QString text = locale.toString(start.addSecs(2 * qint64(i)), pattern);
            const int marker = text.indexOf(QChar(1));
            head = text.left(marker).toUtf8();
            tail = text.mid(marker + 1).toUtf8();
        }
        const int second = offset % 60;
        bytes += '"';
        bytes += head;
        bytes += char('0' + second / 10);
        bytes += char('0' + second % 10);
        bytes += tail;
        bytes += "\",";
        bytes += QByteArray::number(trend.at(i).spo2);
        bytes += ',';
        bytes += QByteArray::number(trend.at(i).pr);
        bytes += ",\n";
    }
    return bytes;
}

bool write(const QString& path, const QDateTime& start, const QVector<SleepTrendEntry>& trend, QString* error)
{
    const QByteArray bytes = text(start, trend);
    ExportFile file(path);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.error();
        return false;
    }
    return true;
}

QString defaultFileName(const QString& sn, const QString& checkTime)
{
    return ReportOutput::safeFileName(sn + "_" + checkTime + ".csv");
}

} // namespace SleepCsv
