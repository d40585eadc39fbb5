#pragma once

#include "files/CheckTime.h"

// One record of "oxi.dat" (pulse oximeter).
struct OxiRecord
{
    static constexpr int kSize = 12;

    CheckTime checkTime;
    quint8 way = 0;
    qint8 spo2 = 0;
    quint8 PR = 0;
    quint8 PI = 0;
    qint8 face = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("way", way);
        v.field("spo2", spo2);
        v.field("PR", PR);
        v.field("PI", PI);
        v.field("face", face);
    }
};
