#pragma once

#include "files/CheckTime.h"

// One record of "oxi_T.dat" (History: SpO2 with body temperature).
struct Spo2TempRecord
{
    static constexpr int kSize = 17;

    CheckTime checkTime;
    quint8 way = 0;
    qint8 spo2 = 0;
    quint8 PR = 0;
    quint8 PI = 0;
    quint16 temp = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("way", way);
        v.field("spo2", spo2);
        v.field("PR", PR);
        v.field("PI", PI);
        v.field("temp", temp);
        v.skip(4);
    }
};
