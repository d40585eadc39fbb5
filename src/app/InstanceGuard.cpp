#include "app/InstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
constexpr int kConnectTimeoutMs = 500;
}

InstanceGuard::InstanceGuard(const QString& key, const QString& lockDirectory)
    : m_lockDirectory(lockDirectory)
    , m_key(key)
    , m_lock(lockDirectory + "/" + key + ".lock")
{
    // Only a dead owner makes a lock stale: a busy instance may hold it for days.
    m_lock.setStaleLockTime(0);
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            peer->disconnectFromServer();
        }
    });
}

QString InstanceGuard::defaultLockDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString InstanceGuard::keyFor(const QString& dataLocation)
{
    const QByteArray hash = QCryptographicHash::hash(dataLocation.toUtf8(), QCryptographicHash::Sha1);
    return "VitacorBrowser-" + QString::fromLatin1(hash.toHex().left(16));
}

QString InstanceGuard::lockFilePath() const
{
    return m_lockDirectory + "/" + m_key + ".lock";
}

QString InstanceGuard::serverName() const
{
    return m_key;
}

bool InstanceGuard::isRunning()
{
    if (m_decided)
        return m_running;
    m_decided = true;
    QDir().mkpath(m_lockDirectory);
    if (m_lock.tryLock(0)) {
        m_running = false;
    } else if (m_lock.error() == QLockFile::LockFailedError) {
        m_running = true;
    } else {
        m_running = otherInstanceAnswers();
    }
    if (!m_running)
        listen();
    return m_running;
}

bool InstanceGuard::otherInstanceAnswers() const
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    return socket.waitForConnected(kConnectTimeoutMs);
}

void InstanceGuard::listen()
{
    // Whoever gets here owns the key, so a socket file still there is a killed instance's.
    QLocalServer::removeServer(serverName());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(serverName());
}
