#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct CheckUser;
class CheckScreen;
struct UserRecord;
struct XUserRecord;

// Brings the data of the older desktop program over: every "Vitacor_" monitor
// folder of the source directories becomes a stored device with its users and
// checks, its detail files and voice notes are copied into the device folder
// of the data directory (an existing file is never overwritten), and the
// patient details kept beside each check become report details.
class LegacyImporter
{
public:
    struct Summary
    {
        int monitors = 0; // monitor folders stored
        int checks = 0; // checks stored
        int files = 0; // detail, voice and companion files copied
        QStringList skipped; // monitor folders left out, one English line each
        QStringList failed; // monitor folders whose store failed; nothing of them was kept
        int invalidTimes = 0; // records passed over for an impossible time stamp
        QStringList conflicts; // checks not stored because another type holds their flow id
    };

    static const QLatin1String kMonitorPrefix;

    LegacyImporter(const QString& sourceList, const QString& dataDir);

    // "a;b\\c;;d" gives a, b/c and d.
    static QStringList sourceDirs(const QString& sourceList);
    // The monitor folders of the sources, in listing order.
    static QStringList monitorFolders(const QStringList& sources);
    // Folders of a Windows drive (a Wine installation's drive_c) that hold
    // monitor folders: the older program's folders under "Program Files*".
    static QStringList detectInstallations(const QString& driveC);
    // The drive_c of the user's Wine installation ($WINEPREFIX, else ~/.wine).
    static QString wineDriveC();

    // Called on the importing thread before each monitor folder.
    using Progress = std::function<void(const QString& folder, int index, int count)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Imports every monitor folder; false when the store failed for any.
    bool run();
    const Summary& summary() const { return m_summary; }
    // Monitor folders done and in all, for progress from another thread.
    int foldersDone() const { return m_done.load(); }
    int folderCount() const { return m_count.load(); }

private:
    struct FileCopy
    {
        QString from;
        QString to;
    };
    struct Monitor;

    // Skipped folders return true; false when storing failed.
    bool importMonitor(const QString& folder);
    bool importKind(Monitor& monitor, const QString& dir, int kindIndex);
    bool storeChecks(Monitor& monitor, const QString& dir, int kindIndex, const QString& indexFile,
                     const CheckUser& user, const UserRecord* plainUser, const XUserRecord* extendedUser);

    QStringList m_sources;
    QString m_dataDir;
    Summary m_summary;
    Progress m_progress;
    std::atomic<int> m_done{0};
    std::atomic<int> m_count{0};
};
