#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

// Keeps one instance per key (one per user and data location). The first
// instance holds a lock file in the per-user runtime folder and listens on a
// local socket of the same name in the temporary folder; a later start finds
// the lock held. A lock left by a killed instance is recognised by its dead
// process id and taken over, together with its leftover socket. Where no lock
// file can be made (a missing or foreign runtime folder), a running instance
// is recognised by its socket answering.
class InstanceGuard
{
public:
    explicit InstanceGuard(const QString& key, const QString& lockDirectory = defaultLockDirectory());

    // The per-user runtime folder, private to the user.
    static QString defaultLockDirectory();
    // A key naming the data location, usable as a file name.
    static QString keyFor(const QString& dataLocation);

    // True when another instance holds the key. Decided on the first call; a
    // first instance keeps the lock and the socket while this object lives.
    bool isRunning();

    QString lockFilePath() const;
    QString serverName() const;

private:
    bool otherInstanceAnswers() const;
    void listen();

    QString m_lockDirectory;
    QString m_key;
    QLockFile m_lock;
    QLocalServer m_server;
    bool m_decided = false;
    bool m_running = false;
};
