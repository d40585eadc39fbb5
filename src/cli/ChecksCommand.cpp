#include "cli/ChecksCommand.h"

#include "app/Constants.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "cli/TerminalText.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

struct Check
{
    QString sn;
    int checkType;
    QString checkTime;
    QString userid;
};

QString typeList()
{
    QStringList codes;
    for (int code : CheckType::all())
        codes << QString("%1 (%2)").arg(code).arg(CheckType::name(code));
    return codes.join(", ");
}

// Every check of one type stored for a device, newest first. Checks without
// a user have an empty user id; a multi-test's user is the extended user of
// its medical id.
QList<Check> storedChecks(const QString& sn, int checkType)
{
    DbOperator* db = DbOperator::instance();
    QList<Check> checks;
    if (checkType == CheckType::Holter) {
        for (const HolterCheck& holter : db->holterChecks(sn))
            checks << Check{sn, checkType, holter.checkTime, holter.userid};
        return checks;
    }
    for (const CheckRecord& record : db->checks(sn, checkType)) {
        QString userid = record.userid == Vitacor::kNoUserId ? QString() : record.userid;
        if (checkType == CheckType::MultiTest)
            userid = sn + userid;
        checks << Check{sn, checkType, record.checkTimeText(), userid};
    }
    return checks;
}

} // namespace

int ChecksCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "[options]",
                     "Lists the checks stored in the data directory, one per line: serial number,\n"
                     "check-type code, check time (yyyyMMddHHmmss) and user id, separated by tabs; by\n"
                     "monitor, then check type, newest first. Checks without a user have an empty user id.\n"
                     "Control characters and backslashes in serial numbers and user ids are written as\n"
                     "escapes: \\t, \\n, \\r, \\\\, \\xHH and \\uHHHH.");
    const QCommandLineOption sn("sn", "Only the checks of the monitor with this serial number.", "SN");
    const QCommandLineOption type("type", "Only the checks of this check-type code: " + typeList() + ".", "CODE");
    const QCommandLineOption json("json",
                                  "Print a JSON array of objects with the keys sn, checkType, checkTime "
                                  "and userid.");
    line.parser().addOptions({sn, type, json});
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    QList<int> types = CheckType::all();
    if (line.parser().isSet(type)) {
        bool ok = false;
        const int code = line.parser().value(type).toInt(&ok);
        if (!ok || !types.contains(code))
            return line.usageError(
                QString("'%1' is not a check-type code; the codes are %2.").arg(line.parser().value(type), typeList()));
        types = {code};
    }
    QString error;
    if (!DataDirectory::open(&error))
        return line.failure(error);

    QStringList serials;
    for (const DeviceInfo& device : DbOperator::instance()->allDevices())
        serials << device.sn;
    std::sort(serials.begin(), serials.end());
    if (line.parser().isSet(sn)) {
        const QString wanted = line.parser().value(sn);
        if (!serials.contains(wanted))
            return line.failure(QString("no monitor with serial number '%1' is stored; %2")
                                    .arg(wanted,
                                         serials.isEmpty() ? QString("nothing is stored yet.")
                                                           : "stored: " + serials.join(", ") + "."));
        serials = QStringList{wanted};
    }

    QTextStream out(stdout);
    QJsonArray array;
    for (const QString& serial : qAsConst(serials)) {
        for (int code : qAsConst(types)) {
            for (const Check& check : storedChecks(serial, code)) {
                if (line.parser().isSet(json))
                    array << QJsonObject{{"sn", check.sn},
                                         {"checkType", check.checkType},
                                         {"checkTime", check.checkTime},
                                         {"userid", check.userid}};
                else
                    out << QStringList{TerminalText::escaped(check.sn), QString::number(check.checkType),
                                       check.checkTime, TerminalText::escaped(check.userid)}
                               .join('\t')
                        << "\n";
            }
        }
    }
    if (line.parser().isSet(json))
        out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    return 0;
}
