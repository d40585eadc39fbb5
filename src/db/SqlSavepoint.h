#pragma once

class QSqlQuery;

// Makes one store operation all-or-nothing. A savepoint opens a transaction
// when none is open and nests inside one a caller began, so operations
// compose with beginTransaction()/commit().
class SqlSavepoint
{
public:
    // A null query (a closed connection) gives a savepoint that is not open.
    explicit SqlSavepoint(QSqlQuery* query);
    // Rolls back to the savepoint unless it was released.
    ~SqlSavepoint();
    SqlSavepoint(const SqlSavepoint&) = delete;
    SqlSavepoint& operator=(const SqlSavepoint&) = delete;

    bool isOpen() const { return m_open; }
    // Keeps the work done since the savepoint; false when that failed.
    bool release();

private:
    QSqlQuery* m_query;
    bool m_open = false;
};
