#include "files/UserRecord.h"

#include "files/UserId.h"

CheckUser UserRecord::toCheckUser(const QString& sn) const
{
    CheckUser user;
    user.userid = UserId::of(sn, name);
    user.name = QString::fromLatin1(name);
    user.sex = sex;
    user.birthday = QDate(birthYear, birthMonth, birthDay);
    user.height = height;
    user.weight = weight;
    return user;
}
