#include "sync/DownloadNotes.h"

QStringList DownloadNotes::omissions() const
{
    QStringList lines;
    if (holterNotDownloaded)
        lines << "Holter recording not downloaded: the monitor did not answer its start.";
    if (invalidTimes > 0)
        lines << QString("%1 records passed over: their time stamp is no calendar date and time.").arg(invalidTimes);
    lines << conflicts << rejectedRecordings;
    return lines;
}
