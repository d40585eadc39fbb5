#include "files/CheckType.h"

#include <QCoreApplication>

namespace CheckType {

namespace {

struct Entry
{
    int code;
    const char* name;
    const char* file;
    const char* table;
    int recordSize;
    UserList users;
};

const Entry kEntries[] = {
    {Ecg, QT_TRANSLATE_NOOP("CheckType", "ECG Recorder"), "ecg.dat", "tb_ecg", 10, UserList::None},
    {Oxi, QT_TRANSLATE_NOOP("CheckType", "Pulse Oximeter"), "oxi.dat", "tb_oxi", 12, UserList::None},
    {Temperature, QT_TRANSLATE_NOOP("CheckType", "Thermometer"), "tmp.dat", "tb_temperature", 11, UserList::None},
    {Pedometer, QT_TRANSLATE_NOOP("CheckType", "Pedometer"), "ped.dat", "tb_pedo", 29, UserList::Users},
    {DailyCheck, QT_TRANSLATE_NOOP("CheckType", "Daily Check"), "dlc.dat", "tb_dailycheck", 17, UserList::Users},
    {SpotCheck, QT_TRANSLATE_NOOP("CheckType", "Spot Check"), "spc.dat", "tb_spotcheck", 28, UserList::ExtendedUsers},
    {Sleep, QT_TRANSLATE_NOOP("CheckType", "Sleep Monitor"), "slm.dat", "tb_slm", 18, UserList::None},
    {UserBloodPressure, QT_TRANSLATE_NOOP("CheckType", "Blood Pressure"), "nibp.dat", "tb_nibp", 11, UserList::Users},
    {BloodPressure, QT_TRANSLATE_NOOP("CheckType", "Blood Pressure"), "nibp.dat", "tb_nibp", 11, UserList::None},
    {CorvisetDailyCheck, QT_TRANSLATE_NOOP("CheckType", "ZoravIvide"), "dlc.dat", "tb_dailycheck_corviset", 17,
     UserList::None},
    {Holter, QT_TRANSLATE_NOOP("CheckType", "ECG Holter"), "", "tb_holter", 0, UserList::None},
    {Spo2Temp, QT_TRANSLATE_NOOP("CheckType", "History"), "oxi_T.dat", "tb_spo2temp", 17, UserList::None},
    {UserGlucose, QT_TRANSLATE_NOOP("CheckType", "Blood Glucose"), "glu.dat", "tb_glucose", 32, UserList::Users},
    {Glucose, QT_TRANSLATE_NOOP("CheckType", "Blood Glucose"), "glu.dat", "tb_glucose", 32, UserList::None},
    {MultiTest, QT_TRANSLATE_NOOP("CheckType", "Multi Test"), "rec.dat", "tb_multitest", 72, UserList::ExtendedUsers},
};

const Entry* find(int code)
{
    for (const Entry& entry : kEntries) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace

QList<int> all()
{
    QList<int> codes;
    for (const Entry& entry : kEntries)
        codes << entry.code;
    return codes;
}

QString name(int code)
{
    const Entry* entry = find(code);
    return entry ? QCoreApplication::translate("CheckType", entry->name) : QString();
}

QString fileName(int code)
{
    const Entry* entry = find(code);
    return entry ? QString::fromLatin1(entry->file) : QString();
}

QString tableName(int code)
{
    const Entry* entry = find(code);
    return entry ? QString::fromLatin1(entry->table) : QString();
}

int recordSize(int code)
{
    const Entry* entry = find(code);
    return entry ? entry->recordSize : 0;
}

UserList userList(int code)
{
    const Entry* entry = find(code);
    return entry ? entry->users : UserList::None;
}

bool keepsFiles(int code)
{
    switch (code) {
    case Ecg:
    case DailyCheck:
    case SpotCheck:
    case Sleep:
    case CorvisetDailyCheck:
    case Holter:
    case MultiTest: return true;
    default: return false;
    }
}

QString perUserFileName(int userIndex, int code)
{
    return QString::number(userIndex) + fileName(code);
}

} // namespace CheckType
