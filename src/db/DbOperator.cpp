#include "DbOperator.h"

#include "CallOnce.h"
#include "Config.h"
#include "Constants.h"

#include <QDebug>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

static void initSchemaResource()
{
    Q_INIT_RESOURCE(database);
}

DbOperator* DbOperator::instance()
{
    return Singleton<DbOperator>::instance();
}

DbOperator::DbOperator()
{
    initSchemaResource();
    openAndInit();
}

DbOperator::~DbOperator()
{
    QMutexLocker lock(&m_lock);
    m_query.reset();
}

bool DbOperator::openAndInit()
{
    QMutexLocker lock(&m_lock);
    bool opened = true;
    QSqlDatabase db;
    if (QSqlDatabase::contains(Vitacor::kDbConnectionName)) {
        db = QSqlDatabase::database(Vitacor::kDbConnectionName, true);
    } else {
        db = QSqlDatabase::addDatabase("QSQLITE", Vitacor::kDbConnectionName);
        db.setDatabaseName(Config::instance()->dataDir() + "/" + Vitacor::kDbFileName);
        db.setUserName("root");
        db.setPassword("vita");
        opened = db.open();
    }
    m_query = std::make_unique<QSqlQuery>(QString(), db);

    QFile script(":/res/db/db_vitacor_ddl.sql");
    if (!script.open(QIODevice::ReadOnly))
        return opened;
    QTextStream stream(&script);
    stream.setCodec("UTF-8");
    const QStringList pieces = stream.readAll().split(';', Qt::KeepEmptyParts, Qt::CaseSensitive);
    script.close();

    // The piece after the last ';' is only the final line end. On every start
    // after the first, the two "alter table" and the plain "create table"
    // fail harmlessly because their column or table already exists.
    for (int i = 0; i + 1 < pieces.size(); ++i)
        m_query->exec(pieces.at(i));
    return opened;
}

void DbOperator::close()
{
    QMutexLocker lock(&m_lock);
    m_query.reset();
    QSqlDatabase::removeDatabase(Vitacor::kDbConnectionName);
}

bool DbOperator::beginTransaction()
{
    return execShared(m_beginStatement);
}

bool DbOperator::commit()
{
    return execShared(m_commitStatement);
}

bool DbOperator::rollback()
{
    return execShared(m_rollbackStatement);
}

bool DbOperator::execShared(const QString& statement)
{
    QMutexLocker lock(&m_lock);
    if (!m_query)
        return false;
    const bool ok = m_query->exec(statement);
    if (!ok)
        qDebug() << m_query->lastError().text() << statement;
    return ok;
}
