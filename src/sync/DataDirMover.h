#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Moves everything in the data directory to another folder: the record
// database first (closed, copied, reopened at the new place), then the device
// folders and other files. A database that cannot be copied or does not open
// at the new place leaves the program on the old directory with nothing moved.
// A file that can be neither renamed nor copied stays, with its folder.
class DataDirMover
{
public:
    enum class Check { Move, Same, Subdirectory, NotAFolder };
    enum class Outcome { Moved, DatabaseNotCopied, DatabaseNotOpened, FolderNotCreated };

    DataDirMover(const QString& oldDir, const QString& newDir, const QString& dbFileName);

    // Whether moving oldDir to newDir makes sense: not the same folder, not a
    // folder inside the old one, not an existing file.
    static Check check(const QString& oldDir, const QString& newDir);

    // Runs the whole move on the calling thread; the configured data
    // directory is the new one afterwards only when the outcome is Moved.
    Outcome run();

    // Files and links of the old directory, counted before the move starts.
    int total() const { return m_total.load(); }
    // Files and links handled so far (moved, copied or kept).
    int done() const { return m_done.load(); }
    // Files copied instead of renamed; their originals stay in the old directory.
    QStringList copied() const { return m_copied; }
    // Files that could be neither renamed nor copied; they stay where they were.
    QStringList kept() const { return m_kept; }
    // One English sentence about a failed outcome, for the command line and the log.
    QString failureText(Outcome outcome) const;

    // Files and links below a folder, its subfolders included.
    static int countFiles(const QString& dir);

private:
    // True when every entry of source left it (renamed, or copied).
    bool moveContents(const QString& source, const QString& destination);

    QString m_oldDir;
    QString m_newDir;
    QString m_dbFileName;
    std::atomic<int> m_total{0};
    std::atomic<int> m_done{0};
    QStringList m_copied;
    QStringList m_kept;
};
