#include "files/UserRecord.h"

CheckUser UserRecord::toCheckUser(const QString& sn) const
{
    CheckUser user;
    user.userid = sn + QString::fromUtf8(name);
    user.name = QString::fromLatin1(name);
    user.sex = sex;
    user.birthday = QDate(birthYear, birthMonth, birthDay);
    user.height = height;
    user.weight = weight;
    return user;
}
