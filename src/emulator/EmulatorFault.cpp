#include "emulator/EmulatorFault.h"

#include <QRegularExpression>

#include <limits>

EmulatorFault::EmulatorFault(Kind kind, qint64 number, int reports, const QString& fileName)
    : m_kind(kind)
    , m_number(number)
    , m_reports(reports)
    , m_fileName(fileName)
{}

EmulatorFault EmulatorFault::noReply(int request)
{
    return EmulatorFault(NoReply, request);
}

EmulatorFault EmulatorFault::shortReply(int request, int reports)
{
    return EmulatorFault(ShortReply, request, reports);
}

EmulatorFault EmulatorFault::refuse(const QString& fileName)
{
    return EmulatorFault(Refuse, 0, 0, fileName);
}

EmulatorFault EmulatorFault::silent(const QString& fileName)
{
    return EmulatorFault(Silent, 0, 0, fileName);
}

EmulatorFault EmulatorFault::unplugAfter(const QString& fileName, qint64 bytes)
{
    return EmulatorFault(UnplugAfter, bytes, 0, fileName);
}

EmulatorFault EmulatorFault::failPings(int count)
{
    return EmulatorFault(FailPings, count);
}

EmulatorFault EmulatorFault::fileCountStatus(int status)
{
    return EmulatorFault(FileCountStatus, status);
}

EmulatorFault EmulatorFault::noAccess()
{
    return EmulatorFault(NoAccess, 0);
}

bool EmulatorFault::operator==(const EmulatorFault& other) const
{
    return m_kind == other.m_kind && m_number == other.m_number && m_reports == other.m_reports &&
        m_fileName == other.m_fileName;
}

namespace {

// A whole-word number within [minimum, maximum].
std::optional<qint64> wholeNumber(const QString& word, qint64 minimum, qint64 maximum)
{
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<EmulatorFault> EmulatorFault::parseLine(const QString& line, QString* error)
{
    error->clear();
    const QString text = line.trimmed();
    if (text.isEmpty() || text.startsWith('#'))
        return std::nullopt;
    const QStringList words = text.split(QRegularExpression("\\s+"));
    const QString& rule = words.first();
    const auto rest = [&](int from) { return text.section(QRegularExpression("\\s+"), from); };
    const qint64 maxInt = std::numeric_limits<int>::max();

    if (rule == "no-reply" && words.size() == 2) {
        if (const auto n = wholeNumber(words[1], 1, maxInt))
            return noReply(int(*n));
    } else if (rule == "short-reply" && (words.size() == 2 || words.size() == 3)) {
        const auto n = wholeNumber(words[1], 1, maxInt);
        const auto reports =
            words.size() == 3 ? wholeNumber(words[2], 1, maxInt) : std::optional<qint64>(kDefaultShortReports);
        if (n && reports)
            return shortReply(int(*n), int(*reports));
    } else if (rule == "refuse" && words.size() >= 2) {
        return refuse(rest(1));
    } else if (rule == "silent" && words.size() >= 2) {
        return silent(rest(1));
    } else if (rule == "unplug-after" && words.size() >= 3) {
        if (const auto bytes = wholeNumber(words[1], 0, std::numeric_limits<qint64>::max()))
            return unplugAfter(rest(2), *bytes);
    } else if (rule == "fail-pings" && words.size() == 2) {
        if (const auto n = wholeNumber(words[1], 1, maxInt))
            return failPings(int(*n));
    } else if (rule == "file-count-status" && words.size() == 2) {
        if (const auto status = wholeNumber(words[1], 1, 255))
            return fileCountStatus(int(*status));
    } else if (rule == "no-access" && words.size() == 1) {
        return noAccess();
    }
    *error = "malformed fault rule: " + text;
    return std::nullopt;
}

QList<EmulatorFault> EmulatorFault::parse(const QString& text, QStringList* errors)
{
    QList<EmulatorFault> rules;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString error;
        if (const auto rule = parseLine(lines[i], &error))
            rules << *rule;
        else if (!error.isEmpty())
            *errors << QString("line %1: %2").arg(i + 1).arg(error);
    }
    return rules;
}
