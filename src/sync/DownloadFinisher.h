#pragma once

#include "sync/DownloadNotes.h"

#include <QString>

class DownloadFolder;

// Finishes a download on the thread that handles download ends (the sync
// dialog's, or the command-line tool's): reads "dev.dat", stores the device,
// runs the model's sync strategy and has the download folder move the detail
// files, voice notes and Holter recording into the device folder.
//
// It is all or nothing: the whole sync runs in one transaction, and when
// anything fails the transaction is rolled back and the files are not moved;
// the reason goes to the log. The download folder is removed in every case.
class DownloadFinisher
{
public:
    enum class Outcome {
        NoDownload, // the download failed, there is nothing to finish
        Stored, // stored and moved into the device folder
        NoDeviceInfo, // "dev.dat" missing, empty or naming another or no usable serial number
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
        // What the download and its sync left out, and a local write failure.
        DownloadNotes notes;

        bool isStored() const { return outcome == Outcome::Stored; }
    };

    // Finishes the download of `folder`; nothing but its removal when it is not complete.
    Result finish(DownloadFolder& folder, bool complete);

    // A serial number that names a folder directly inside the data directory:
    // not empty after trimming, no path separator, no "..", no control characters.
    static bool isUsableSerial(const QString& sn);

private:
    Result discard(DownloadFolder& folder, Result result, Outcome outcome, const QString& reason);
};
