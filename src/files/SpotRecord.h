#pragma once

#include "files/CheckTime.h"

// One record of an extended user's "spc.dat" (spot check); checkFunc says
// which measurements were taken (bit 0 ECG, bit 1 SpO2, bit 2 temperature).
struct SpotRecord
{
    static constexpr int kSize = 28;

    CheckTime checkTime;
    quint16 checkFunc = 0;
    quint16 HR = 0;
    quint16 QRS = 0;
    qint16 ST = 0;
    quint8 ECGResult = 0;
    quint8 ECGFace = 0;
    quint8 Oxi = 0;
    quint8 PI = 0;
    quint8 OxiFace = 0;
    quint16 temp = 0;
    quint8 tempFace = 0;
    quint8 voice = 0;
    quint16 QT = 0;
    quint16 QTc = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("checkFunc", checkFunc);
        v.field("HR", HR);
        v.field("QRS", QRS);
        v.field("ST", ST);
        v.field("ECGResult", ECGResult);
        v.field("ECGFace", ECGFace);
        v.field("Oxi", Oxi);
        v.field("PI", PI);
        v.field("OxiFace", OxiFace);
        v.field("temp", temp);
        v.field("tempFace", tempFace);
        v.field("voice", voice);
        v.field("QT", QT);
        v.field("QTc", QTc);
    }
};
