#include "sync/MoveFileThread.h"

MoveFileThread::MoveFileThread(QObject* parent)
    : QThread(parent)
{}

int MoveFileThread::filesDone() const
{
    return m_started ? m_mover->done() : 0;
}

int MoveFileThread::fileCount() const
{
    return m_started ? m_mover->total() : 0;
}

void MoveFileThread::run()
{
    m_mover = std::make_unique<DataDirMover>(m_oldDir, m_newDir, m_dbFileName);
    m_started = true;
    m_outcome = m_mover->run();
    emit moveFinish();
}
