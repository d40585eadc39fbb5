#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <unistd.h>

// A record database file the program must refuse to use, made at a path:
// text that is no database, a database with a damaged page, a database
// another program holds locked, one that cannot be written, or a record
// database that lost the table of its stored ECG checks. The lock and the
// write protection last as long as the object.
class UnusableDatabase
{
public:
    enum Kind { NotADatabase, Damaged, Locked, NotWritable, Incomplete };

    UnusableDatabase(Kind kind, const QString& path)
        : m_kind(kind)
        , m_path(path)
        , m_connection("unusable-" + path)
    {
        if (kind == NotADatabase) {
            QFile file(path);
            m_ready = file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray("Shopping list: bread, milk, apples.\n").repeated(40)) > 0;
            file.close();
            m_made = bytes();
            return;
        }
        if (kind == Incomplete) {
            m_ready = writeIncomplete();
            m_made = bytes();
            return;
        }
        if (!writeDatabase() || (kind == Damaged && !damagePage(2)))
            return;
        // Read before the lock is taken: closing any descriptor of the file would release it.
        m_made = bytes();
        switch (kind) {
        case Damaged: m_ready = true; break;
        case Locked: m_ready = holdLock(); break;
        case NotWritable: m_ready = protect(true); break;
        case NotADatabase:
        case Incomplete: break;
        }
    }

    ~UnusableDatabase()
    {
        if (m_kind == NotWritable && m_ready)
            protect(false);
        if (QSqlDatabase::contains(m_connection)) {
            {
                QSqlDatabase db = QSqlDatabase::database(m_connection, false);
                QSqlQuery(db).exec("ROLLBACK");
                db.close();
            }
            QSqlDatabase::removeDatabase(m_connection);
        }
    }

    UnusableDatabase(const UnusableDatabase&) = delete;
    UnusableDatabase& operator=(const UnusableDatabase&) = delete;

    bool isReady() const { return m_ready; }
    // The content as it was made.
    QByteArray madeBytes() const { return m_made; }

    // Reading the file ends the lock of a locked database.
    QByteArray bytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the program's refusal says about the file.
    static QString words(Kind kind)
    {
        switch (kind) {
        case NotADatabase: return "is not a record database";
        case Damaged: return "is damaged";
        case Locked: return "is locked by another program";
        case NotWritable: return "is not writable";
        case Incomplete: return "lacks parts of its tables (tb_ecg)";
        }
        return QString();
    }

private:
    // A database of many pages, so one of them can be damaged.
    bool writeDatabase()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_connection);
        db.setDatabaseName(m_path);
        if (!db.open())
            return false;
        QSqlQuery query(db);
        if (!query.exec("create table notes (id integer primary key, text varchar(200))") || !query.exec("BEGIN"))
            return false;
        for (int i = 0; i < 2000; ++i) {
            if (!query.exec(QString("insert into notes (text) values ('note %1 %2')").arg(i).arg(QString(100, 'x'))))
                return false;
        }
        if (!query.exec("COMMIT"))
            return false;
        if (m_kind != Locked)
            db.close();
        return true;
    }

    // The list of checks names an ECG check whose table is gone.
    bool writeIncomplete()
    {
        bool written = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_connection);
            db.setDatabaseName(m_path);
            QSqlQuery query(db);
            written = db.open() &&
                query.exec(
                    "create table tb_devCheck (flowid varchar(40) primary key, sn varchar(20), checkType int)") &&
                query.exec("insert into tb_devCheck values ('20240102080000SN1', 'SN1', 1)");
            db.close();
        }
        return written;
    }

    bool damagePage(int index)
    {
        QFile file(m_path);
        const int pageSize = 4096;
        if (!file.open(QIODevice::ReadWrite) || file.size() < (index + 1) * pageSize || !file.seek(index * pageSize))
            return false;
        return file.write(QByteArray(100, '\xAB')) == 100;
    }

    bool holdLock()
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        return query.exec("BEGIN EXCLUSIVE") && query.exec("insert into notes (text) values ('held')");
    }

    // Root writes through file permissions, so it gets the immutable attribute.
    bool protect(bool on)
    {
        if (geteuid() != 0)
            return QFile::setPermissions(m_path,
                                         on ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
                                            : QFile::ReadOwner | QFile::WriteOwner);
        return QProcess::execute("chattr", {on ? "+i" : "-i", m_path}) == 0;
    }

    Kind m_kind;
    QString m_path;
    QString m_connection;
    bool m_ready = false;
    QByteArray m_made;
};
