#pragma once

#include "files/CheckTime.h"

// One record of "slm.dat" (overnight sleep oximetry).
struct SlmRecord
{
    static constexpr int kSize = 18;

    CheckTime checkTime;
    quint32 totalTime = 0;
    quint16 lowOxiTime = 0;
    quint16 lowOxiCount = 0;
    quint8 lowestOxi = 0;
    quint8 averageOxi = 0;
    quint8 smile = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("totalTime", totalTime);
        v.field("lowOxiTime", lowOxiTime);
        v.field("lowOxiCount", lowOxiCount);
        v.field("lowestOxi", lowestOxi);
        v.field("averageOxi", averageOxi);
        v.field("smile", smile);
    }
};
