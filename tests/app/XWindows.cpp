#include "XWindows.h"

#include <QProcess>

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
    QString output;
    if (!runXdotool(args, timeoutMs, &output))
        return QString();
    return output.split('\n', Qt::SkipEmptyParts).value(0);
}

bool XWindows::pressReturn(const QString& window)
{
    return pressKey(window, "Return");
}

bool XWindows::pressKey(const QString& window, const QString& key)
{
    return runXdotool({"windowfocus", "--sync", window, "key", "--clearmodifiers", key}, 5000);
}
