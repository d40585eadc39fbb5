#pragma once

#include "sync/DownloadNotes.h"

#include <QLockFile>
#include <QString>
#include <QStringList>

// The scratch folder of one monitor's download and its only owner. It is
// data directory + "/.temp_" + serial number + "/", where no device folder
// can be (a serial number never starts with ".temp_"), guarded by the lock file
// beside it, so one download of a monitor runs at a time into one data
// directory, across processes. Claimed by the device worker, filled by the
// download strategy, read by the sync, and emptied into the device folder by
// the finisher; removed with its lock when the object goes.
class DownloadFolder
{
public:
    // How long a download waits for another one of the same monitor to end.
    static constexpr int kLockWaitMs = 5000;

    DownloadFolder(const QString& dataDir, const QString& sn);
    // Releases the folder.
    ~DownloadFolder();
    DownloadFolder(const DownloadFolder&) = delete;
    DownloadFolder& operator=(const DownloadFolder&) = delete;

    static QString scratchPath(const QString& dataDir, const QString& sn);
    static QString lockPath(const QString& dataDir, const QString& sn);

    // The scratch folder, ending in '/'.
    QString path() const { return m_path; }
    QString sn() const { return m_sn; }
    // data directory + "/" + serial number + "/".
    QString deviceDir() const { return m_deviceDir; }

    // Takes the lock (waiting up to kLockWaitMs), settles what an interrupted
    // run left (recovered()) and makes the folder empty. False with
    // notes().busy when another download holds the lock, or with
    // notes().writeFailure when the folder cannot be made or emptied.
    bool claim(int waitMs = kLockWaitMs);
    // Settles the scratch folders of every monitor that no download holds,
    // as at the start of the program.
    static void recoverAll(const QString& dataDir);
    // Moves every file worth keeping (detail files, voice notes, recordings
    // named by their start time) into the device folder. A name already there
    // is kept, and counted in `kept`, unless it was marked with replace().
    // On failure everything goes back and writeFailure says why.
    bool moveIntoDeviceFolder(int* moved, int* kept);
    // Puts the files of moveIntoDeviceFolder() back where they were; a
    // replaced file gets its old content back in one step.
    void undoMove();
    // The file of that name replaces the device folder's one when moved.
    void replace(const QString& name) { m_replacing << name; }
    // Takes a file of the device folder out of it, into the claimed folder,
    // for a deletion that may still be undone; false with writeFailure when
    // it cannot be moved.
    bool setAside(const QString& name);
    // Puts the files of setAside() back into the device folder.
    void putBack();
    // Removes the files of setAside(); one that stays goes with the folder.
    void discardSetAside();
    // Files an interrupted run left that were put back into the device
    // folder by claim(): a replaced Holter recording whose replacement was
    // not stored, a file set aside by a deletion the record store undid.
    int recovered() const { return m_recovered; }

    // Removes the folder with everything in it if this object claimed it; false
    // with writeFailure when it stays.
    bool remove();
    // Removes the folder and lets go of the lock; the notes stay.
    void release();

    DownloadNotes& notes() { return m_notes; }
    const DownloadNotes& notes() const { return m_notes; }

private:
    bool moveOne(const QString& name, int* kept);
    // What an interrupted run left: replaced recordings and files set aside.
    void recover();
    bool restoreReplaced(const QString& name);

    QString m_sn;
    QString m_dataDir;
    QString m_path;
    QString m_deviceDir;
    QString m_oldCopies;
    QString m_setAsidePath;
    QLockFile m_lock;
    bool m_claimed = false;
    QStringList m_replacing;
    QStringList m_moved;
    QStringList m_replaced;
    QStringList m_setAside;
    int m_recovered = 0;
    DownloadNotes m_notes;
};
