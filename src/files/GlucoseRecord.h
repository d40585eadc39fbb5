#pragma once

#include "files/CheckTime.h"

#include <QByteArray>

// One record of "glu.dat" or a user's "glu.dat" (blood glucose); type is the
// unit (0 mmol/L, 1 mg/dL), note Latin-1 text.
struct GlucoseRecord
{
    static constexpr int kSize = 32;
    static constexpr int kNoteWidth = 20;

    CheckTime checkTime;
    quint16 glucose = 0;
    quint8 type = 0;
    QByteArray note;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("glucose", glucose);
        v.field("type", type);
        v.skip(2);
        v.text("note", note, kNoteWidth);
    }
};
