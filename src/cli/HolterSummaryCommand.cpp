#include "cli/HolterSummaryCommand.h"

#include "app/Config.h"
#include "cli/CheckKey.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "db/DbOperator.h"
#include "files/DetailPath.h"
#include "holter/HolterReport.h"
#include "holter/HolterScreening.h"
#include "report/HolterSummaryText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <utility>

namespace {

using Field = std::pair<const char*, QString>;

struct Section
{
    const char* title;
    const char* key;
    QList<std::pair<const char*, Field>> fields; // JSON key, (label, value)
};

QList<Section> sectionsOf(const HolterSummaryText& t)
{
    return {
        {"Recording Information",
         "recording",
         {{"recordDate", {"Record Date:", t.recordDate}},
          {"startTime", {"Start Time:", t.startTime}},
          {"totalTime", {"Total Time:", t.totalTime}},
          {"totalStrips", {"Total Strips:", t.totalStrips}},
          {"lead", {"Lead:", t.lead}}}},
        {"General Summary",
         "summary",
         {{"maxHr", {"Max HR:", t.maxHr}},
          {"minHr", {"Min HR:", t.minHr}},
          {"avgHr", {"Avg HR:", t.avgHr}},
          {"qrsComplexes", {"QRS Complexes:", t.qrsComplexes}},
          {"pvcs", {"PVCs:", t.pvcs}},
          {"pause", {"Pause(>3s):", t.pauses}}}},
        {"Heart Rate Variability",
         "variability",
         {{"mean", {"MEAN:", t.mean}},
          {"sdnn", {"SDNN:", t.sdnn}},
          {"rmssd", {"RMSSD:", t.rmssd}},
          {"pnn50", {"PNN50:", t.pnn50}}}},
    };
}

bool isStored(const QString& sn, const QString& checkTime)
{
    for (const HolterCheck& holter : DbOperator::instance()->holterChecks(sn)) {
        if (holter.checkTime == checkTime)
            return true;
    }
    return false;
}

} // namespace

int HolterSummaryCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "--sn SN --time yyyyMMddHHmmss [--screen LIST] [--json]",
                     "Prints the recording information, the general summary and the heart-rate\n"
                     "variability of a stored Holter recording as the summary dialog shows them. With\n"
                     "--screen, also the minutes matching any of the listed criteria, one per line as the\n"
                     "strip list shows them.");
    const QCommandLineOption sn("sn", "The monitor's serial number.", "SN");
    const QCommandLineOption time("time", "The recording's start time, yyyyMMddHHmmss.", "TIME");
    const QCommandLineOption screen(
        "screen", "Screen the minutes; a comma-separated list of " + HolterScreening::names().join(", ") + ".", "LIST");
    const QCommandLineOption json("json",
                                  "Print a JSON object with the keys sn, checkTime, recording, summary, variability "
                                  "and, with --screen, screening.");
    line.parser().addOptions({sn, time, screen, json});
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    QString serial;
    QString checkTime;
    QString error;
    if (!CheckKey::required(line, sn, &serial, &error) || !CheckKey::checkTime(line, time, &checkTime, &error))
        return line.usageError(error);
    HolterScreening screening;
    const bool screened = line.parser().isSet(screen);
    QString unknown;
    if (screened && !HolterScreening::fromNames(line.parser().value(screen), &screening, &unknown))
        return line.usageError(QString("'%1' is not a screening criterion; the criteria are %2.")
                                   .arg(unknown, HolterScreening::names().join(", ")));

    if (!DataDirectory::open(&error))
        return line.failure(error);
    if (!isStored(serial, checkTime))
        return line.failure(
            QString("no Holter recording of '%1' starting %2 is stored; 'vitacor-cli checks --type 1024' lists them.")
                .arg(serial, checkTime));
    const QString path = DetailPath::of(Config::instance()->dataDir(), serial, checkTime);
    HolterReport report;
    if (!report.load(path))
        return line.failure(QString("the recording file '%1' is missing or incomplete.").arg(path));

    const QList<Section> sections = sectionsOf(HolterSummaryText::of(report));
    const QVector<int> minutes = screened ? screening.match(report) : QVector<int>();
    QTextStream out(stdout);
    if (line.parser().isSet(json)) {
        QJsonObject object{{"sn", serial}, {"checkTime", checkTime}};
        for (const Section& section : sections) {
            QJsonObject values;
            for (const auto& field : section.fields)
                values.insert(field.first, field.second.second);
            object.insert(section.key, values);
        }
        if (screened) {
            QJsonArray strips;
            for (int minute : minutes)
                strips << QJsonObject{{"minute", minute},
                                      {"text", HolterSummaryText::stripText(report.minuteStart(minute))}};
            object.insert(
                "screening",
                QJsonObject{{"criteria",
                             QJsonArray::fromStringList(line.parser().value(screen).split(',', Qt::SkipEmptyParts))},
                            {"found", minutes.size()},
                            {"strips", strips}});
        }
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    for (const Section& section : sections) {
        out << section.title << "\n";
        for (const auto& field : section.fields)
            out << "  " << QString(field.second.first).leftJustified(16) << field.second.second << "\n";
    }
    if (screened) {
        out << "Strips Screening\n";
        out << "  " << minutes.size() << " strips found\n";
        for (int minute : minutes)
            out << "  " << HolterSummaryText::stripText(report.minuteStart(minute)) << "\n";
    }
    return 0;
}
