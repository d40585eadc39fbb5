#include "report/ExportFile.h"

ExportFile::ExportFile(const QString& path)
    : m_file(path)
{}

ExportFile::~ExportFile()
{
    // An export that was not committed leaves nothing behind.
    m_file.cancelWriting();
}

bool ExportFile::open()
{
    // Unbuffered, so a write fails where the disk filled up, with its reason.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        return false;
    }
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool ExportFile::commit()
{
    QIODevice::close();
    if (m_error.isEmpty() && !m_file.commit())
        m_error = m_file.errorString();
    if (m_error.isEmpty())
        return true;
    m_file.cancelWriting();
    return false;
}

qint64 ExportFile::readData(char*, qint64)
{
    return -1;
}

qint64 ExportFile::writeData(const char* data, qint64 size)
{
    if (!m_error.isEmpty())
        return -1;
    // A full disk first takes part of a write; the next part then fails with the reason.
    for (qint64 done = 0; done < size;) {
        const qint64 written = m_file.write(data + done, size - done);
        if (written <= 0) {
            m_error = m_file.errorString();
            return -1;
        }
        done += written;
    }
    return size;
}
