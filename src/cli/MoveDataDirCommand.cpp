#include "cli/MoveDataDirCommand.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "sync/MoveFileThread.h"

#include <QDir>
#include <QTextStream>

int MoveDataDirCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "NEWDIR",
                     "Moves the database, the monitors' folders and every other file of the data directory\n"
                     "into NEWDIR and makes NEWDIR the configured data directory. Files that cannot be\n"
                     "renamed (another disk) are copied and their originals stay. If the database cannot\n"
                     "be copied, nothing is moved and the data directory stays as it was.");
    line.expectArgument("NEWDIR", "The new data directory; created if missing.");
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    Config* config = Config::instance();
    const QString oldDir = config->dataDir();
    const QString newDir = QDir(line.argument()).absolutePath();
    switch (DataDirMover::check(oldDir, newDir)) {
    case DataDirMover::Check::Move: break;
    case DataDirMover::Check::Same:
        QTextStream(stdout) << QDir::toNativeSeparators(newDir) << " is the data directory already; nothing moved.\n";
        return 0;
    case DataDirMover::Check::Subdirectory:
        return line.usageError("the new folder lies inside the data directory " + QDir::toNativeSeparators(oldDir) +
                               "; choose a folder outside it.");
    case DataDirMover::Check::NotAFolder:
        return line.usageError(QDir::toNativeSeparators(newDir) + " is a file, not a folder.");
    }
    QString error;
    if (!DataDirectory::open(&error))
        return line.failure(error);
    // Only the configured data directory is written back; a --data-dir of this run is not.
    const bool configured = QDir::cleanPath(Config::storedDataDir()) == QDir::cleanPath(oldDir);

    QTextStream err(stderr);
    MoveFileThread thread;
    thread.setOldDir(oldDir);
    thread.setNewDir(newDir);
    thread.setDbFileName(Vitacor::kDbFileName);
    thread.start();
    int shown = -1;
    const auto progress = [&] {
        if (thread.filesDone() == shown)
            return;
        shown = thread.filesDone();
        err << QString("Moving: %1 of %2 files\n").arg(shown).arg(thread.fileCount());
        err.flush();
    };
    while (!thread.wait(200))
        progress();
    progress();
    const DataDirMover& mover = *thread.mover();
    if (thread.outcome() != DataDirMover::Outcome::Moved)
        return line.failure(mover.failureText(thread.outcome()));
    if (configured)
        config->saveConfig();

    QTextStream out(stdout);
    out << "Moved the data directory from " << QDir::toNativeSeparators(oldDir) << " to "
        << QDir::toNativeSeparators(newDir) << ".\n";
    if (!mover.copied().isEmpty())
        out << mover.copied().size() << " files were copied instead of moved; their originals stay in "
            << QDir::toNativeSeparators(oldDir) << ".\n";
    if (!configured)
        out << "The configured data directory stays " << QDir::toNativeSeparators(Config::storedDataDir()) << ".\n";
    if (!mover.kept().isEmpty()) {
        for (const QString& path : mover.kept())
            err << "kept in the old place (could be neither moved nor copied): " << QDir::toNativeSeparators(path)
                << "\n";
        return line.failure(QString("%1 files stay in %2.").arg(mover.kept().size()).arg(oldDir));
    }
    return 0;
}
