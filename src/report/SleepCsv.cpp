#include "report/SleepCsv.h"

#include "report/DateTimeText.h"
#include "report/ExportFile.h"
#include "report/ReportOutput.h"

#include <QTextStream>

namespace SleepCsv {

QByteArray text(const QDateTime& start, const QVector<SleepTrendEntry>& trend)
{
    QByteArray bytes;
    QTextStream out(&bytes);
    out.setCodec("UTF-8");
    out << "Start time,\"" << DateTimeText::dateTime(start, true) << "\",\n";
    out << "Time,Spo2,PR,\n";
    for (int i = 0; i < trend.size(); ++i)
        out << '"' << DateTimeText::dateTime(start.addSecs(2 * i), true) << "\","
            << QString("%1,%2,\n").arg(trend.at(i).spo2).arg(trend.at(i).pr);
    out.flush();
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
