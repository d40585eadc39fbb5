#include "cli/DeleteCommand.h"

#include "app/Constants.h"
#include "cli/CheckKey.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "sync/CheckEraser.h"

#include <QTextStream>

namespace {

// The stored check of that type and time, with the user name the record store
// needs to find it; false when there is none.
bool findCheck(const QString& sn, int checkType, const QString& checkTime, QString* userName)
{
    DbOperator* db = DbOperator::instance();
    if (checkType == CheckType::Holter) {
        for (const HolterCheck& holter : db->holterChecks(sn)) {
            if (holter.checkTime == checkTime)
                return true;
        }
        return false;
    }
    for (const CheckRecord& record : db->checks(sn, checkType)) {
        if (record.checkTimeText() != checkTime)
            continue;
        CheckUser user;
        if (record.userid != Vitacor::kNoUserId && db->user(record.userid, &user))
            *userName = user.name;
        return true;
    }
    return false;
}

// What stayed and why: a running download, the record store, or the files
// that could not be removed (the check then stays with all of them).
int failure(const CommandLine& line, const CheckEraser::Result& result, const QString& sn)
{
    if (result.busy)
        return line.failure(QString("a download of %1 is running; nothing was deleted. Try again when it has "
                                    "finished.")
                                .arg(sn));
    QString text = result.erased > 0 ? QString("deleted %1 check(s), ").arg(result.erased) : QString();
    text += QString("%1 check(s) of %2 kept with their files").arg(qMax(1, result.kept)).arg(sn);
    if (result.keptFiles.isEmpty())
        return line.failure(text + ": " + result.failure + ". Run with --verbose for the details.");
    return line.failure(text + "; these files could not be removed:\n  " + result.keptFiles.join("\n  "));
}

} // namespace

int DeleteCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "--sn SN (--type CODE --time yyyyMMddHHmmss | --all)",
                     "Deletes one stored check of a monitor, or all of them, together with their detail\n"
                     "files and voice notes. A check stays with all its files when one of them cannot be\n"
                     "removed; files another stored check uses stay. Waits, as a download does, while a\n"
                     "download of the monitor runs.");
    const QCommandLineOption sn("sn", "The serial number of the monitor.", "SN");
    const QCommandLineOption type("type", "The check-type code of the check (see 'vitacor-cli checks').", "CODE");
    const QCommandLineOption time("time", "The check time of the check, yyyyMMddHHmmss.", "TIME");
    const QCommandLineOption all("all", "Delete every check of the monitor.");
    line.parser().addOptions({sn, type, time, all});
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    const QCommandLineParser& parser = line.parser();
    if (!parser.isSet(sn))
        return line.usageError("give the monitor with --sn.");
    const bool one = parser.isSet(type) || parser.isSet(time);
    if (one == parser.isSet(all))
        return line.usageError("give either --type and --time, or --all.");
    int code = 0;
    QString checkTime;
    QString error;
    if (one) {
        bool ok = false;
        code = parser.value(type).toInt(&ok);
        if (!parser.isSet(type) || !parser.isSet(time))
            return line.usageError("one check needs both --type and --time.");
        if (!ok || !CheckType::all().contains(code))
            return line.usageError(QString("'%1' is not a check-type code.").arg(parser.value(type)));
        if (!CheckKey::checkTime(line, time, &checkTime, &error))
            return line.usageError(error);
    }
    if (!DataDirectory::open(&error))
        return line.failure(error);

    const QString serial = parser.value(sn);
    if (!DbOperator::instance()->deviceExists(serial))
        return line.failure(QString("no monitor with serial number '%1' is stored.").arg(serial));
    QTextStream out(stdout);
    if (!one) {
        const CheckEraser::Result result = CheckEraser::eraseDevice(serial);
        if (!result.isComplete())
            return failure(line, result, serial);
        out << "Deleted every check of " << serial << ".\n";
        return 0;
    }
    QString userName;
    if (!findCheck(serial, code, checkTime, &userName))
        return line.failure(
            QString("%1 has no stored check of type %2 at %3; list them with 'vitacor-cli checks --sn %1'.")
                .arg(serial)
                .arg(code)
                .arg(checkTime));
    const CheckEraser::Result result = CheckEraser::eraseCheck(serial, code, checkTime, userName);
    if (!result.isComplete())
        return failure(line, result, serial);
    out << "Deleted the check of " << serial << " at " << checkTime << ".\n";
    return 0;
}
