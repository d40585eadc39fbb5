#pragma once

#include "files/CheckTime.h"

// One record of "tmp.dat" (thermometer); temp in tenths of a degree Celsius.
struct TempRecord
{
    static constexpr int kSize = 11;

    CheckTime checkTime;
    qint8 target = 0;
    qint16 temp = 0;
    qint8 tempFace = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("target", target);
        v.field("temp", temp);
        v.field("tempFace", tempFace);
    }
};
