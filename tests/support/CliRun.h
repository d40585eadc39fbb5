#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of a command-line program: what it wrote and how it ended.
struct CliRun
{
    // The exit code; -1 when the program crashed or did not end in time.
    int exitCode = -1;
    QString out;
    QString err;

    static CliRun of(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                     int timeoutMs = 60000)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        CliRun run;
        if (!process.waitForFinished(timeoutMs))
            return run;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return run;
    }
};
