#pragma once

#include "app/InstanceGuard.h"

#include <QApplication>

// The widget application that knows whether another instance of the program
// already runs for this user and data location.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(int& argc, char** argv);

    // The first call decides; a first instance then holds the guard until it ends.
    bool isRunning();

private:
    InstanceGuard m_guard;
};
