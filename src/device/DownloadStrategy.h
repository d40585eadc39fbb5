#pragma once

#include "sync/DownloadContext.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class XHarvo2;

// Decides which files to copy from a monitor and in which order, copies them
// into the download's temporary folder, skips detail files already kept in the
// device folder and counts the files for the progress display. One strategy
// serves one download and runs on the device's worker thread.
class DownloadStrategy : public QObject
{
    Q_OBJECT
public:
    // The number of 640-byte blocks of each Holter data reply.
    static constexpr int kHolterBlockCount = 10;

    explicit DownloadStrategy(QObject* parent = nullptr);

    // The strategy for a model: the Corviset one for its type, the Vitacor Pro one for every other.
    static std::shared_ptr<DownloadStrategy> create(int modelType);

    void setModelType(int modelType) { m_modelType = modelType; }
    void setSerialNumber(const QString& sn) { m_sn = sn; }
    // What this side already holds, and where; handed over before the download starts.
    void setContext(const DownloadContext& context) { m_context = context; }
    // Not owned; its byte progress is passed on as singleFileDownloadProgress.
    void setXHarvo2(XHarvo2* protocol);
    int modelType() const { return m_modelType; }
    QString serialNumber() const { return m_sn; }

    // Copies the monitor's files into `folder` (ending in '/'); true when the download is complete.
    virtual bool download(const QString& folder);
    // The Holter recording was passed over because the monitor did not answer its start.
    bool holterNotDownloaded() const { return m_holterNotDownloaded; }
    // For a download that failed on this side: the path and the system's reason; empty for a link failure.
    QString writeFailure() const;

signals:
    // Files handled so far. `totalFile` is never negative and never below
    // `fileDownloaded`: it starts as the monitor's own count and rises with
    // the count when more files come (index and voice files count too) or
    // when the monitor gave no usable count.
    void fileDownloadProgress(int fileDownloaded, int totalFile);
    // Bytes of the file being copied, as the protocol reports them.
    void singleFileDownloadProgress(int byteDownloaded, int totalByte);

protected:
    // Copies one file; its size, 0 when the monitor has no such file or an empty one, -1 on failure.
    int fetchFile(const QString& folder, const QString& name);
    int fetchLargeFile(const QString& folder, const QString& name);
    // Whether the check of that check time is stored: the store held its row
    // when the download started, and its detail file is in the device folder.
    bool isStored(const QString& checkTime) const;
    const DownloadContext& context() const { return m_context; }
    // The last transfer failed because its file could not be written here.
    bool failedLocally() const;
    // Counts a stored file without copying it, else copies it and counts it when it arrived.
    int fetchCounted(const QString& folder, const QString& name, bool alreadyStored);
    // Copies the index file of a check type; false only on a failed transfer.
    bool fetchIndex(const QString& folder, int checkType);
    // Whether the monitor still answers: tells a monitor without a file from a link that broke.
    bool monitorAnswers();

    void setTotalFiles(int total);
    void countFile();

    // The records of a fetched index file; false when it exists but cannot be read.
    static bool readRecords(const QString& path, int recordSize, QList<QByteArray>* records);

    XHarvo2* m_protocol = nullptr;
    bool m_holterNotDownloaded = false;

private:
    int m_modelType = 0;
    QString m_sn;
    DownloadContext m_context;
    int m_totalFiles = 0;
    int m_downloadedFiles = 0;
};
