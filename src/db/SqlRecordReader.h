#pragma once

#include "files/CheckTime.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVector>

// Rebuilds records from the rows of one query: every field from the column
// of its name, the time stamp from "checktime". Column positions are looked
// up on the first row only.
class SqlRecordReader
{
public:
    explicit SqlRecordReader(const QSqlQuery& query)
        : m_query(query)
        , m_columns(query.record())
    {}

    // Reads the query's current row.
    template <class R>
    R read()
    {
        m_next = 0;
        R record;
        record.visit(*this);
        return record;
    }

    void time(CheckTime& time, int = 0) { time = CheckTime::fromText(value("checktime").toString()); }
    template <class T>
    void field(const char* name, T& value)
    {
        value = static_cast<T>(this->value(name).toLongLong());
    }
    void text(const char* name, QByteArray& value, int) { value = this->value(name).toString().toLatin1(); }
    void skip(int) {}

private:
    QVariant value(const char* name)
    {
        if (m_next == m_indexes.size())
            m_indexes << m_columns.indexOf(QLatin1String(name));
        const int index = m_indexes.at(m_next++);
        return index < 0 ? QVariant() : m_query.value(index);
    }

    const QSqlQuery& m_query;
    QSqlRecord m_columns;
    QVector<int> m_indexes;
    int m_next = 0;
};
