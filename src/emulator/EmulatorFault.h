#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One injected fault of an emulated monitor. A monitor reads its rules from the
// file "faults" in its folder when it is plugged in; tests add them through the
// named constructors. Requests are counted from 1 since the plug-in, every
// request (identification included); each rule fires once per plug-in.
//
// The "faults" file holds one rule per line; blank lines and lines starting
// with '#' are ignored, a malformed line is reported and skipped:
//
//   no-reply N                 the Nth request gets no reply at all
//   short-reply N [REPORTS]    the reply to the Nth request stops after REPORTS
//                              64-byte reports (default 3)
//   refuse NAME                file-size and large-file-start requests for NAME
//                              are refused (status 1)
//   silent NAME                the first file-size or large-file-start request
//                              for NAME gets no reply at all
//   unplug-after BYTES NAME    the monitor drops off the bus as soon as the first
//                              BYTES bytes of NAME have crossed it
//   fail-pings N               the next N pings get no reply
//   file-count-status STATUS   the file-count reply carries STATUS (1-255)
//   no-access                  the monitor is plugged in but this process may
//                              not open it, as a device node without permission
//
// NAME is the rest of the line, so it may contain blanks.
class EmulatorFault
{
public:
    enum Kind { NoReply, ShortReply, Refuse, Silent, UnplugAfter, FailPings, FileCountStatus, NoAccess };

    static constexpr int kDefaultShortReports = 3;

    // A rule that never fires (no request has number 0).
    EmulatorFault() = default;

    static EmulatorFault noReply(int request);
    static EmulatorFault shortReply(int request, int reports = kDefaultShortReports);
    static EmulatorFault refuse(const QString& fileName);
    static EmulatorFault silent(const QString& fileName);
    static EmulatorFault unplugAfter(const QString& fileName, qint64 bytes);
    static EmulatorFault failPings(int count);
    static EmulatorFault fileCountStatus(int status);
    static EmulatorFault noAccess();

    // The rule of one line; no rule and an empty error for blank and comment lines.
    static std::optional<EmulatorFault> parseLine(const QString& line, QString* error);
    // Every rule of a faults file; `errors` gets one text per malformed line.
    static QList<EmulatorFault> parse(const QString& text, QStringList* errors);

    Kind kind() const { return m_kind; }
    // The request number, ping count, byte count or status, by kind.
    qint64 number() const { return m_number; }
    int reports() const { return m_reports; }
    QString fileName() const { return m_fileName; }

    bool operator==(const EmulatorFault& other) const;

private:
    EmulatorFault(Kind kind, qint64 number, int reports = 0, const QString& fileName = QString());

    Kind m_kind = NoReply;
    qint64 m_number = 0;
    int m_reports = 0;
    QString m_fileName;
};
