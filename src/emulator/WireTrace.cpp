#include "emulator/WireTrace.h"

#include <QDebug>

WireTrace::WireTrace(const QString& path)
    : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        qWarning().noquote() << "emulator: cannot open the wire trace" << path;
}

std::unique_ptr<WireTrace> WireTrace::fromEnvironment()
{
    const QString path = qEnvironmentVariable(kEnvironmentVariable);
    if (path.isEmpty())
        return nullptr;
    return std::make_unique<WireTrace>(path);
}

void WireTrace::record(char direction, const QString& monitor, const unsigned char* bytes, int length)
{
    const QByteArray line = QByteArray(1, direction) + ' ' + monitor.toUtf8() + ' ' +
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), length).toHex() + '\n';
    QMutexLocker lock(&m_mutex);
    if (!m_file.isOpen())
        return;
    // Flushed line by line, so the trace can be followed while the link runs.
    m_file.write(line);
    m_file.flush();
}
