#pragma once

#include <QFile>
#include <QMutex>
#include <QObject>
#include <QString>

// Appends time-stamped lines to the log file of the data directory: start-up
// and device-link events only, so a support person can follow a device.
class LogHelper : public QObject
{
    Q_OBJECT
public:
    // A log bigger than this at start-up is started anew.
    static constexpr qint64 kMaxSizeAtStart = 31457280;

    LogHelper();
    ~LogHelper() override;

    static LogHelper* instance();

    void writeLog(QString message);
    // Hands buffered lines to the file now, for readers of the log during a run.
    void flush();
    // Goes on in the log file of the configured data directory, after the
    // data directory was moved.
    void reopen();

private:
    void open();

    bool m_opened = false;
    QFile m_file;
    QMutex m_mutex;
};
