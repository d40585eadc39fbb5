#pragma once

#include "app/Config.h"
#include "app/Constants.h"
#include "app/LogHelper.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// While alive, collects the debug lines of this process and, on request, the
// lines the log file received since construction (without their time stamps).
class LinkLog
{
public:
    LinkLog()
    {
        QDir().mkpath(Config::instance()->dataDir()); // as the program's start does, before the log opens
        LogHelper::instance()->flush();
        m_logStart = QFile(logPath()).size();
        QMutexLocker lock(&mutex());
        current() = this;
        m_previous = qInstallMessageHandler(&LinkLog::handle);
    }

    ~LinkLog()
    {
        qInstallMessageHandler(m_previous);
        QMutexLocker lock(&mutex());
        current() = nullptr;
    }

    LinkLog(const LinkLog&) = delete;
    LinkLog& operator=(const LinkLog&) = delete;

    QStringList debugLines() const
    {
        QMutexLocker lock(&mutex());
        return m_debug;
    }

    QStringList logLines() const
    {
        LogHelper::instance()->flush();
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_logStart))
            return {};
        QStringList lines;
        const QStringList raw = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
        for (const QString& line : raw)
            lines << line.mid(20); // after "yyyy-MM-dd HH:mm:ss "
        return lines;
    }

private:
    static QString logPath() { return Config::instance()->dataDir() + "/" + Vitacor::kLogFileName; }
    static QMutex& mutex()
    {
        static QMutex m;
        return m;
    }
    static LinkLog*& current()
    {
        static LinkLog* log = nullptr;
        return log;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        QtMessageHandler previous = nullptr;
        {
            QMutexLocker lock(&mutex());
            if (LinkLog* log = current()) {
                if (type == QtDebugMsg)
                    log->m_debug << text;
                previous = log->m_previous;
            }
        }
        if (previous && type != QtDebugMsg)
            previous(type, context, text);
    }

    qint64 m_logStart = 0;
    QtMessageHandler m_previous = nullptr;
    QStringList m_debug;
};
