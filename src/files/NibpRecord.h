#pragma once

#include "files/CheckTime.h"

// One record of "nibp.dat" or a user's "nibp.dat" (blood pressure). The file
// counts the year from 2000; the value always holds the full year.
struct NibpRecord
{
    static constexpr int kSize = 11;
    static constexpr int kFileYearBase = 2000;

    CheckTime checkTime;
    qint16 sys = 0;
    qint8 dia = 0;
    qint8 pr = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime, kFileYearBase);
        v.field("sys", sys);
        v.field("dia", dia);
        v.field("pr", pr);
    }
};
