#pragma once

#include "files/CheckUser.h"

#include <QByteArray>

// One record of "xusr.dat", the extended user list with medical ids.
struct XUserRecord
{
    static constexpr int kSize = 75;
    static constexpr int kTextWidth = 32;

    quint8 index = 0;
    QByteArray medicalId;
    QByteArray name;
    quint8 sex = 0; // 1 male, 2 female
    quint16 height = 0;
    quint16 weight = 0;
    quint16 birthYear = 0;
    quint8 birthMonth = 0;
    quint8 birthDay = 0;

    template <class V>
    void visit(V& v)
    {
        v.field("index", index);
        v.text("medicalid", medicalId, kTextWidth);
        v.text("name", name, kTextWidth);
        v.field("sex", sex);
        v.skip(1);
        v.field("height", height);
        v.field("weight", weight);
        v.field("birthYear", birthYear);
        v.field("birthMonth", birthMonth);
        v.field("birthDay", birthDay);
    }

    // The user id is the serial number followed by the medical id read as
    // UTF-8; the sex is re-coded to 0 male, 1 female, 2 unknown.
    CheckUser toCheckUser(const QString& sn) const;
};
