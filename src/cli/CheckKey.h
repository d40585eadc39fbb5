#pragma once

#include <QString>

class CommandLine;
class QCommandLineOption;

// The options that name one stored check: its monitor and its time.
namespace CheckKey {

// The option's value, or an error message when it is missing.
bool required(CommandLine& line, const QCommandLineOption& option, QString* value, QString* error);
// An output file: set and not empty.
bool outputFile(CommandLine& line, const QCommandLineOption& option, QString* path, QString* error);
// A check time of 14 digits, yyyyMMddHHmmss.
bool checkTime(CommandLine& line, const QCommandLineOption& option, QString* value, QString* error);

} // namespace CheckKey
