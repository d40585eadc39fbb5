#include "cli/CheckKey.h"

#include "cli/CommandLine.h"

#include <QRegularExpression>

namespace CheckKey {

bool required(CommandLine& line, const QCommandLineOption& option, QString* value, QString* error)
{
    const QString name = "--" + option.names().constFirst();
    if (!line.parser().isSet(option)) {
        *error = name + " is missing.";
        return false;
    }
    *value = line.parser().value(option);
    return true;
}

bool outputFile(CommandLine& line, const QCommandLineOption& option, QString* path, QString* error)
{
    if (!required(line, option, path, error))
        return false;
    if (path->isEmpty()) {
        *error = QString("--%1 needs a file name.").arg(option.names().constFirst());
        return false;
    }
    return true;
}

bool checkTime(CommandLine& line, const QCommandLineOption& option, QString* value, QString* error)
{
    if (!required(line, option, value, error))
        return false;
    if (!QRegularExpression("^\\d{14}$").match(*value).hasMatch()) {
        *error = QString("--%1 wants a check time yyyyMMddHHmmss, got '%2'.").arg(option.names().constFirst(), *value);
        return false;
    }
    return true;
}

} // namespace CheckKey
