#pragma once

#include "files/CheckTime.h"

// One record of a user's "dlc.dat" (daily check).
struct DailyRecord
{
    static constexpr int kSize = 17;

    CheckTime checkTime;
    qint16 HR = 0;
    qint8 ECGFace = 0;
    qint8 SpO2 = 0;
    qint8 PI = 0;
    qint8 SpO2Face = 0;
    quint8 BPFlag = 0;
    quint8 BP = 0;
    qint8 BPIFace = 0;
    qint8 voice = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("HR", HR);
        v.field("ECGFace", ECGFace);
        v.field("SpO2", SpO2);
        v.field("PI", PI);
        v.field("SpO2Face", SpO2Face);
        v.field("BPFlag", BPFlag);
        v.field("BP", BP);
        v.field("BPIFace", BPIFace);
        v.field("voice", voice);
    }
};
