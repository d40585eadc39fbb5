#include "db/SqlSavepoint.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const QString kName = QStringLiteral("store_operation");
}

SqlSavepoint::SqlSavepoint(QSqlQuery* query)
    : m_query(query)
{
    if (!m_query) {
        qDebug() << "savepoint failed: the record database is closed";
        return;
    }
    m_open = m_query->exec("SAVEPOINT " + kName);
    if (!m_open)
        qDebug() << "savepoint failed:" << m_query->lastError().text();
}

SqlSavepoint::~SqlSavepoint()
{
    if (!m_open)
        return;
    m_query->finish();
    m_query->exec("ROLLBACK TO " + kName);
    m_query->exec("RELEASE " + kName);
}

bool SqlSavepoint::release()
{
    if (!m_open)
        return false;
    m_query->finish();
    if (!m_query->exec("RELEASE " + kName)) {
        qDebug() << "release failed:" << m_query->lastError().text();
        return false;
    }
    m_open = false;
    return true;
}
