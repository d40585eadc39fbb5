#pragma once

#include "files/CheckTime.h"

// One record of "ecg.dat" (ECG recorder).
struct EcgRecord
{
    static constexpr int kSize = 10;

    CheckTime checkTime;
    qint8 way = 0;
    qint8 face = 0;
    qint8 voice = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("way", way);
        v.field("face", face);
        v.field("voice", voice);
    }
};
