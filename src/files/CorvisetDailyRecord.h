#pragma once

#include "files/CheckTime.h"

// One record of the Corviset monitor's "1dlc.dat" (ZoravIvide daily check).
struct CorvisetDailyRecord
{
    static constexpr int kSize = 17;

    CheckTime checkTime;
    qint16 HR = 0;
    qint8 ECGFace = 0;
    qint8 SpO2 = 0;
    qint8 PI = 0;
    qint8 SpO2Face = 0;
    quint8 PR = 0;
    qint8 BP = 0;
    qint8 unusual = 0;
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
        v.field("PR", PR);
        v.field("BP", BP);
        v.field("unusual", unusual);
        v.field("voice", voice);
    }
};
