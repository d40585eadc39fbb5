#pragma once

#include <QString>
#include <QStringList>

// What a download has to tell besides whether it was stored: what it left
// out, and why a download failed when the cause is not the link.
struct DownloadNotes
{
    // Another download of the monitor into the same data directory is running.
    bool busy = false;
    // A local write that failed: the path and the system's reason.
    QString writeFailure;
    // The monitor did not answer the start of its Holter recording.
    bool holterNotDownloaded = false;
    // Records passed over because their time stamp is no calendar date and time.
    int invalidTimes = 0;
    // Checks not stored because a stored check of another type holds their flow id or detail file name.
    QStringList conflicts;
    // Holter recordings not stored because their size or duration disagrees with their header.
    QStringList rejectedRecordings;
    // A Holter recording passed over because a stored check of another type holds its time (in conflicts).
    bool holterClash = false;

    // The monitor's Holter recording was downloaded but not stored: cut, or passed over for a clash.
    bool holterRejected() const { return holterClash || !rejectedRecordings.isEmpty(); }

    // What was left out of a stored download, one English line each, for the log and the command line.
    QStringList omissions() const;
};
