#include "ui/SingleApplication.h"

#include <QStandardPaths>

SingleApplication::SingleApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_guard(InstanceGuard::keyFor(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)))
{}

bool SingleApplication::isRunning()
{
    return m_guard.isRunning();
}
