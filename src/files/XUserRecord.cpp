#include "files/XUserRecord.h"

#include "files/UserId.h"

CheckUser XUserRecord::toCheckUser(const QString& sn) const
{
    CheckUser user;
    user.userid = UserId::of(sn, medicalId);
    user.medicalid = QString::fromLatin1(medicalId);
    user.name = QString::fromLatin1(name);
    user.sex = sex == 1 ? 0 : sex == 2 ? 1 : 2;
    user.birthday = QDate(birthYear, birthMonth, birthDay);
    user.height = height;
    user.weight = weight;
    user.isXUser = true;
    return user;
}
