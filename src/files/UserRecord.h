#pragma once

#include "files/CheckUser.h"

#include <QByteArray>

// One record of "usr.dat"; index names the user's per-user files.
struct UserRecord
{
    static constexpr int kSize = 27;
    static constexpr int kNameWidth = 17;

    quint8 index = 0;
    QByteArray name;
    quint8 sex = 0;
    quint16 birthYear = 0;
    quint8 birthMonth = 0;
    quint8 birthDay = 0;
    quint16 weight = 0;
    quint16 height = 0;

    template <class V>
    void visit(V& v)
    {
        v.field("index", index);
        v.text("name", name, kNameWidth);
        v.field("sex", sex);
        v.field("birthYear", birthYear);
        v.field("birthMonth", birthMonth);
        v.field("birthDay", birthDay);
        v.field("weight", weight);
        v.field("height", height);
    }

    // The user id is the serial number followed by the name read as UTF-8;
    // the shown name is the same bytes read as Latin-1.
    CheckUser toCheckUser(const QString& sn) const;
};
