#pragma once

#include <QString>
#include <QStringList>

// What the "Software crash" box tells the user: the Windows-style exception
// code of the fatal signal, the faulting instruction's address and the folder
// the dump was written to. The crash handler passes it to a fresh process of
// the program as command-line arguments, since no box may be shown from
// inside a signal handler.
class CrashReport
{
public:
    // The private option that turns the program into the crash reporter.
    static constexpr const char* kOption = "--crash-report";

    CrashReport() = default;
    CrashReport(quint32 code, quint64 address, const QString& dumpDir);

    // The Windows exception code matching a fatal signal and its si_code.
    static quint32 exceptionCode(int signalNumber, int signalCode);

    // Reads "--crash-report CODE ADDRESS DIR" (hex without prefix) starting
    // at args[1]; false when the arguments are not a crash report.
    static bool parse(const QStringList& args, CrashReport* report);

    quint32 code() const { return m_code; }
    quint64 address() const { return m_address; }
    QString dumpDir() const { return m_dumpDir; }

    static QString title();
    QString text() const;

private:
    quint32 m_code = 0;
    quint64 m_address = 0;
    QString m_dumpDir;
};
