#include "cli/ChecksCommand.h"
#include "cli/CommandDispatcher.h"
#include "cli/DeleteCommand.h"
#include "cli/DevicesCommand.h"
#include "cli/DownloadCommand.h"
#include "cli/ExportEdfCommand.h"
#include "cli/HolterReportCommand.h"
#include "cli/HolterSummaryCommand.h"
#include "cli/ImportLegacyCommand.h"
#include "cli/MakeDemoCommand.h"
#include "cli/MoveDataDirCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SleepCsvCommand.h"

#include <QGuiApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    // Reports need fonts and images but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's start-up notes (such as a missing runtime folder) are no output of the tool's.
    QLoggingCategory::setFilterRules("default.warning=false");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QString());
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    // The GUI's name, so both find the same per-user config.ini and data directory.
    QCoreApplication::setApplicationName("VitacorBrowser");
    QCoreApplication::setApplicationVersion(VITACOR_VERSION);

    CommandDispatcher dispatcher;
    dispatcher.add(std::make_unique<MakeDemoCommand>());
    dispatcher.add(std::make_unique<DevicesCommand>());
    dispatcher.add(std::make_unique<DownloadCommand>());
    dispatcher.add(std::make_unique<ChecksCommand>());
    dispatcher.add(std::make_unique<ReportCommand>());
    dispatcher.add(std::make_unique<HolterReportCommand>());
    dispatcher.add(std::make_unique<SleepCsvCommand>());
    dispatcher.add(std::make_unique<ExportEdfCommand>());
    dispatcher.add(std::make_unique<HolterSummaryCommand>());
    dispatcher.add(std::make_unique<DeleteCommand>());
    dispatcher.add(std::make_unique<ImportLegacyCommand>());
    dispatcher.add(std::make_unique<MoveDataDirCommand>());
    return dispatcher.run(QCoreApplication::arguments());
}
