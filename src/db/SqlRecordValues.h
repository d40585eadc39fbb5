#pragma once

#include "files/CheckTime.h"

#include <QByteArray>
#include <QVariantList>

// The values of a record's fields in file order, as the record store binds
// them: the check time as its text, numbers as integers, texts as Latin-1.
class SqlRecordValues
{
public:
    template <class R>
    static QVariantList of(R record)
    {
        SqlRecordValues values;
        record.visit(values);
        return values.m_values;
    }

    void time(CheckTime& time, int = 0) { m_values << time.text(); }
    template <class T>
    void field(const char*, T& value)
    {
        m_values << QVariant(qlonglong(value));
    }
    void text(const char*, QByteArray& value, int) { m_values << QString::fromLatin1(value); }
    void skip(int) {}

private:
    QVariantList m_values;
};
