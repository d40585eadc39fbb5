#pragma once

#include <QString>
#include <QStringList>

// Finishes a download on the thread that handles download ends (the sync
// dialog's, or the command-line tool's): reads "dev.dat", stores the device,
// runs the model's sync strategy, moves the detail files, voice notes and
// Holter recording into the device folder and removes the download folder.
//
// It is all or nothing: the whole sync runs in one transaction, and when
// anything fails the transaction is rolled back, the files are not moved
// and the download folder is removed; the reason goes to the log.
class DownloadFinisher
{
public:
    enum class Outcome {
        NoDownload, // an empty path: the download failed, there is nothing to finish
        Stored, // stored and moved into the device folder
        NoDeviceInfo, // "dev.dat" missing, empty or naming no usable serial number
        DeviceNotStored, // the record store refused the device
        SyncFailed, // storing a user or check failed
        MoveFailed, // the files could not be moved into the device folder
    };

    struct Result
    {
        Outcome outcome = Outcome::NoDownload;
        QString sn; // from "dev.dat"; empty when it could not be read
        int modelType = -1; // from "dev.dat"
        int movedFiles = 0;
        // Names already present in the device folder: the same check
        // downloaded before, so the older copy stays.
        int keptFiles = 0;
        QString reason; // for a failure, as written to the log

        bool isStored() const { return outcome == Outcome::Stored; }
    };

    // Device folders are made in `dataDir`.
    explicit DownloadFinisher(const QString& dataDir);

    // Does nothing for an empty path.
    Result finish(const QString& downloadDir);

    // The device folder of a serial number.
    QString deviceDir(const QString& sn) const;
    // A serial number that names a folder directly inside the data directory:
    // not empty after trimming, no path separator, no "..", no control characters.
    static bool isUsableSerial(const QString& sn);

private:
    // Moves every file that is not a summary or index file; a name that is
    // already there is kept. On failure the files moved so far go back.
    static bool moveFiles(const QString& dir, const QString& destination, QStringList* moved, Result& result);
    // Puts moved files back and drops the device folder again if that left it empty.
    static void moveBack(const QString& dir, const QString& destination, const QStringList& names);
    Result discard(const QString& dir, Result result, Outcome outcome, const QString& reason);

    QString m_dataDir;
};
