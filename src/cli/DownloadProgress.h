#pragma once

#include <QString>

// The progress of one monitor's download as a line of text. The file total
// the monitor reports may be unknown (-1) or smaller than what is fetched
// (index files and voice notes count too), so a count is never shown as
// negative or past 100%: without a usable total only the count is shown.
class DownloadProgress
{
public:
    void setFiles(int done, int total);
    void setBytes(qint64 done, qint64 total);
    int files() const { return m_files; }

    // e.g. "files 12/40 (30%), file 1.5/6.0 KiB (25%)"
    QString text() const;
    // done * 100 / total within 0..100; -1 when total is unusable.
    static int percent(qint64 done, qint64 total);

private:
    int m_files = 0;
    int m_fileTotal = -1;
    qint64 m_bytes = 0;
    qint64 m_byteTotal = -1;
};
