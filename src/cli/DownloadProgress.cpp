#include "cli/DownloadProgress.h"

#include <QtGlobal>

namespace {

QString kibibytes(qint64 bytes)
{
    return QString::number(bytes / 1024.0, 'f', 1);
}

} // namespace

void DownloadProgress::setFiles(int done, int total)
{
    m_files = qMax(0, done);
    m_fileTotal = total;
    m_bytes = 0;
    m_byteTotal = -1;
}

void DownloadProgress::setBytes(qint64 done, qint64 total)
{
    m_bytes = qMax<qint64>(0, done);
    m_byteTotal = total;
}

int DownloadProgress::percent(qint64 done, qint64 total)
{
    if (total <= 0 || done > total)
        return -1;
    return static_cast<int>(qMax<qint64>(0, done) * 100 / total);
}

QString DownloadProgress::text() const
{
    const int filePercent = percent(m_files, m_fileTotal);
    QString line = filePercent < 0 ? QString("files %1").arg(m_files)
                                   : QString("files %1/%2 (%3%)").arg(m_files).arg(m_fileTotal).arg(filePercent);
    const int bytePercent = percent(m_bytes, m_byteTotal);
    if (bytePercent >= 0)
        line += QString(", file %1/%2 KiB (%3%)").arg(kibibytes(m_bytes), kibibytes(m_byteTotal)).arg(bytePercent);
    else if (m_bytes > 0)
        line += QString(", file %1 KiB").arg(kibibytes(m_bytes));
    return line;
}
