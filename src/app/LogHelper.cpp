#include "app/LogHelper.h"

#include "app/CallOnce.h"
#include "app/Config.h"
#include "app/Constants.h"

#include <QDateTime>
#include <QDebug>
#include <QLocale>

LogHelper* LogHelper::instance()
{
    return Singleton<LogHelper>::instance();
}

LogHelper::LogHelper()
{
    open();
}

void LogHelper::open()
{
    m_file.setFileName(Config::instance()->dataDir() + "/" + Vitacor::kLogFileName);
    const qint64 size = m_file.size();
    qDebug() << "log file size:" << size;
    const QIODevice::OpenMode mode =
        size <= kMaxSizeAtStart ? QIODevice::WriteOnly | QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate;
    m_opened = m_file.open(mode);
}

LogHelper::~LogHelper()
{
    if (m_file.isOpen())
        m_file.close();
}

void LogHelper::writeLog(QString message)
{
    QMutexLocker lock(&m_mutex);
    if (!m_opened)
        return;
    const QString stamp = QLocale(QLocale::English).toString(QDateTime::currentDateTime(), "yyyy-MM-dd HH:mm:ss");
    m_file.write((stamp + " " + message + "\r\n").toUtf8());
}

void LogHelper::flush()
{
    QMutexLocker lock(&m_mutex);
    if (m_opened)
        m_file.flush();
}

void LogHelper::reopen()
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
    open();
}
