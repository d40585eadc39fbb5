#include "XWindows.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace {

bool runXdotool(const QStringList& args, int timeoutMs, QString* output = nullptr)
{
    QProcess xdotool;
    xdotool.start("xdotool", args);
    if (!xdotool.waitForFinished(timeoutMs)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(xdotool.readAllStandardOutput());
    return xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}

} // namespace

QString XWindows::waitFor(const QString& title, qint64 pid, int timeoutMs)
{
    QStringList args{"search", "--all", "--sync", "--name"};
    if (pid > 0)
        args << "--pid" << QString::number(pid);
    args << "^" + title + "$"; // the pattern comes last
    // A window closing while xdotool reads its name ends xdotool with an X error: search again.
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QString output;
        const QString window = runXdotool(args, int(deadline.remainingTime()), &output)
            ? output.split('\n', Qt::SkipEmptyParts).value(0)
            : QString();
        if (!window.isEmpty())
            return window;
        QThread::msleep(100);
    }
    return QString();
}

bool XWindows::pressReturn(const QString& window)
{
    return pressKey(window, "Return");
}

bool XWindows::pressKey(const QString& window, const QString& key)
{
    return runXdotool({"windowfocus", "--sync", window, "key", "--clearmodifiers", key}, 5000);
}
