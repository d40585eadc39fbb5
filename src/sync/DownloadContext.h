#pragma once

#include <QSet>
#include <QString>

// What a download needs to know of this side: where the data lives, the
// edition, and which checks of the monitor are already stored. It is gathered
// before the download starts on the thread that owns the record store's
// connection and travels with the request, so the device's worker thread
// reaches neither the store nor the configuration.
struct DownloadContext
{
    QString dataDir;
    bool chineseEdition = false;
    // Flow ids of the monitor's checks in the record store.
    QSet<QString> storedFlowIds;

    // The context of a download of that monitor, from the configuration and
    // the record store; call it on the thread that opened the store.
    static DownloadContext gather(const QString& sn);
};
