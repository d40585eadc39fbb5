#pragma once

#include "files/CheckTime.h"

// One record of a user's "ped.dat" (pedometer).
struct PedoRecord
{
    static constexpr int kSize = 29;

    CheckTime checkTime;
    qint32 Steps = 0;
    qint32 Distance = 0;
    qint32 AvgSpeed = 0;
    qint32 TotalCal = 0;
    qint16 Fat = 0;
    qint32 time = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("Steps", Steps);
        v.field("Distance", Distance);
        v.field("AvgSpeed", AvgSpeed);
        v.field("TotalCal", TotalCal);
        v.field("Fat", Fat);
        v.field("time", time);
    }
};
