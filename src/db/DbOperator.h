#pragma once

#include <QObject>
#include <QRecursiveMutex>
#include <QString>

#include <memory>

class QSqlQuery;

// The one way into the record database: one connection, one shared query,
// and one lock held for each public operation (results included), because
// the GUI, device workers, importer and mover all reach it.
class DbOperator : public QObject
{
    Q_OBJECT
public:
    DbOperator();
    ~DbOperator() override;

    static DbOperator* instance();

    // Opens (or takes the already open) connection and runs the schema
    // script; false only when a new connection could not be opened.
    bool openAndInit();
    // Removes the connection, e.g. before the database file is moved.
    void close();

    bool beginTransaction();
    bool commit();
    bool rollback();

private:
    bool execShared(const QString& statement);

    const QString m_beginStatement = QStringLiteral("BEGIN TRANSACTION;");
    const QString m_commitStatement = QStringLiteral("END TRANSACTION");
    const QString m_rollbackStatement = QStringLiteral("ROLLBACK");
    const QString m_multitestTable = QStringLiteral("tb_multitest");
    std::unique_ptr<QSqlQuery> m_query;
    QRecursiveMutex m_lock;
};
