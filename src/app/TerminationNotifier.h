#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (a logout, `kill`, Ctrl+C) into a Qt signal on the
// thread that created this object, so the program ends through its normal
// shutdown path. The signal handler only writes to a pipe; a second signal of
// the same kind ends the process at once, for a shutdown that hangs.
// One object at a time per process.
class TerminationNotifier : public QObject
{
    Q_OBJECT
public:
    explicit TerminationNotifier(QObject* parent = nullptr);
    ~TerminationNotifier() override;

signals:
    void terminationRequested(int signalNumber);

private slots:
    void onPipeReadable();

private:
    QSocketNotifier* m_notifier = nullptr;
};
