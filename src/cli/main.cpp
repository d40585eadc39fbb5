#include "ChecksCommand.h"
#include "CommandDispatcher.h"
#include "DevicesCommand.h"
#include "DownloadCommand.h"
#include "MakeDemoCommand.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The GUI's name, so both find the same per-user config.ini and data directory.
    QCoreApplication::setApplicationName("VitacorBrowser");
    QCoreApplication::setApplicationVersion(VITACOR_VERSION);

    CommandDispatcher dispatcher;
    dispatcher.add(std::make_unique<MakeDemoCommand>());
    dispatcher.add(std::make_unique<DevicesCommand>());
    dispatcher.add(std::make_unique<DownloadCommand>());
    dispatcher.add(std::make_unique<ChecksCommand>());
    return dispatcher.run(QCoreApplication::arguments());
}
