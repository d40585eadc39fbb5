#pragma once

#include <QString>

class DownloadFolder;

// Turns the files of one finished download into stored users and checks; one
// kind per device family. Runs on the thread that finishes downloads.
class SyncStrategy
{
public:
    virtual ~SyncStrategy() = default;

    int modelType() const { return m_modelType; }
    void setModelType(int modelType) { m_modelType = modelType; }
    QString serialNumber() const { return m_sn; }
    void setSerialNumber(const QString& sn) { m_sn = sn; }

    // Reads the download folder and stores what it holds; missing files are
    // skipped, and what is left out is noted in the folder's notes. False as
    // soon as a store operation fails: the caller runs the whole sync in one
    // transaction and undoes it.
    virtual bool sync(DownloadFolder& folder) = 0;

private:
    int m_modelType = 0;
    QString m_sn;
};
