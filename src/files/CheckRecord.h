#pragma once

#include "files/CheckTime.h"
#include "files/RecordCodec.h"

#include <QByteArray>
#include <QString>

// A stored check as the record store returns it: its check type, its user
// and the record in the layout of its index file (every year in full).
struct CheckRecord
{
    int checkType = 0;
    // The reserved no-user id for types without users; for a multi-test the
    // user's medical id.
    QString userid;
    QByteArray bytes;

    CheckTime checkTime() const { return RecordCodec::decode<Stamp>(bytes, RecordCodec::Layout::Stored).checkTime; }
    QString checkTimeText() const { return checkTime().text(); }

    // The typed record, e.g. as<DailyRecord>().
    template <class R>
    R as() const
    {
        return RecordCodec::decode<R>(bytes, RecordCodec::Layout::Stored);
    }

private:
    struct Stamp
    {
        CheckTime checkTime;
        template <class V>
        void visit(V& v)
        {
            v.time(checkTime);
        }
    };
};
