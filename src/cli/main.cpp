#include "cli/ChecksCommand.h"
#include "cli/CommandDispatcher.h"
#include "cli/DeleteCommand.h"
#include "cli/DevicesCommand.h"
#include "cli/DownloadCommand.h"
#include "cli/MakeDemoCommand.h"

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
    dispatcher.add(std::make_unique<DeleteCommand>());
    return dispatcher.run(QCoreApplication::arguments());
}
