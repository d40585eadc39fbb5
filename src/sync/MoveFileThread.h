#pragma once

#include "sync/DataDirMover.h"

#include <QThread>

#include <memory>

// Runs a data-directory move on a thread of its own, so the window that
// started it keeps showing progress; moveFinish() tells the end.
class MoveFileThread : public QThread
{
    Q_OBJECT
public:
    explicit MoveFileThread(QObject* parent = nullptr);

    void setNewDir(const QString& dir) { m_newDir = dir; }
    void setOldDir(const QString& dir) { m_oldDir = dir; }
    void setDbFileName(const QString& name) { m_dbFileName = name; }
    QString newDir() const { return m_newDir; }
    QString oldDir() const { return m_oldDir; }

    // Progress of the running move: files handled and files in all; 0 of 0
    // before it starts.
    int filesDone() const;
    int fileCount() const;
    // Valid after moveFinish().
    DataDirMover::Outcome outcome() const { return m_outcome; }
    const DataDirMover* mover() const { return m_mover.get(); }

signals:
    void moveFinish();

protected:
    void run() override;

private:
    QString m_newDir;
    QString m_oldDir;
    QString m_dbFileName;
    std::unique_ptr<DataDirMover> m_mover;
    std::atomic<bool> m_started{false};
    DataDirMover::Outcome m_outcome = DataDirMover::Outcome::Moved;
};
