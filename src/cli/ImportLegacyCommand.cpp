#include "cli/ImportLegacyCommand.h"

#include "app/Config.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "sync/LegacyImporter.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int ImportLegacyCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "DIR[;DIR...]",
                     "Imports every monitor folder (\"Vitacor_...\") of the older program's data folders: the\n"
                     "monitor, its users and checks go into the database, detail files and voice notes into\n"
                     "the monitor's folder of the data directory (existing files are kept), and the patient\n"
                     "details kept beside the checks become report details. Several folders are separated\n"
                     "by ';'.");
    line.expectArgument("DIR", "The older program's folder holding the \"Vitacor_\" monitor folders.");
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    const QStringList sources = LegacyImporter::sourceDirs(line.argument());
    if (sources.isEmpty())
        return line.usageError("name at least one folder.");
    for (const QString& source : sources) {
        if (!QFileInfo(source).isDir())
            return line.usageError(QString("the folder '%1' does not exist.").arg(QDir::toNativeSeparators(source)));
    }
    const QStringList folders = LegacyImporter::monitorFolders(sources);
    if (folders.isEmpty())
        return line.failure(QString("no monitor folder (\"%1...\") in %2; name the older program's data folder.")
                                .arg(LegacyImporter::kMonitorPrefix, sources.join(", ")));
    QString error;
    if (!DataDirectory::open(&error))
        return line.failure(error);

    QTextStream err(stderr);
    LegacyImporter importer(sources.join(';'), Config::instance()->dataDir());
    importer.setProgress([&err](const QString& folder, int index, int count) {
        err << QString("Importing %1 (%2 of %3)\n").arg(QDir::toNativeSeparators(folder)).arg(index + 1).arg(count);
        err.flush();
    });
    const bool ok = importer.run();
    const LegacyImporter::Summary& summary = importer.summary();
    for (const QString& note : summary.skipped + summary.conflicts + summary.failed)
        err << note << "\n";
    if (summary.invalidTimes > 0)
        err << summary.invalidTimes << " records with an impossible time stamp were passed over.\n";
    QTextStream(stdout) << QString("Imported %1 of %2 monitor folders: %3 checks, %4 files, into %5.\n")
                               .arg(summary.monitors)
                               .arg(folders.size())
                               .arg(summary.checks)
                               .arg(summary.files)
                               .arg(QDir::toNativeSeparators(Config::instance()->dataDir()));
    if (!ok)
        return line.failure("the database refused some monitors; run with --verbose for the reason.");
    return 0;
}
