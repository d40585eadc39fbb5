#pragma once

#include "files/CheckTime.h"

// A stored Holter recording as the record list carries it: its start time,
// which also names the recording file, and its duration in seconds. The
// monitor has no index file for it; the record store builds it from its row.
struct HolterRecord
{
    CheckTime checkTime;
    quint32 duration = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("duration", duration);
    }
};
