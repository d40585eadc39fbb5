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
    bool report;
    bool printable;
    bool voice;
    const char* treeIcon;
};

// Holter has its own report, painted by the Holter report rather than the
// single-check page painters.
const Entry kEntries[] = {
    // code, name, index file, store table, record size, users, report, printable, voice, tree icon
    {Ecg, QT_TRANSLATE_NOOP("CheckType", "ECG Recorder"), "ecg.dat", "tb_ecg", 10, UserList::None, true, true, true,
     ":/treeEcg"},
    {Oxi, QT_TRANSLATE_NOOP("CheckType", "Pulse Oximeter"), "oxi.dat", "tb_oxi", 12, UserList::None, false, false,
     false, ":/treeOxi"},
    {Temperature, QT_TRANSLATE_NOOP("CheckType", "Thermometer"), "tmp.dat", "tb_temperature", 11, UserList::None, false,
     false, false, ":/treeTemp"},
    {Pedometer, QT_TRANSLATE_NOOP("CheckType", "Pedometer"), "ped.dat", "tb_pedo", 29, UserList::Users, false, false,
     false, ":/treePedo"},
    {DailyCheck, QT_TRANSLATE_NOOP("CheckType", "Daily Check"), "dlc.dat", "tb_dailycheck", 17, UserList::Users, true,
     true, true, ":/treeDaily"},
    {SpotCheck, QT_TRANSLATE_NOOP("CheckType", "Spot Check"), "spc.dat", "tb_spotcheck", 28, UserList::ExtendedUsers,
     true, true, true, ":/treeDaily"},
    {Sleep, QT_TRANSLATE_NOOP("CheckType", "Sleep Monitor"), "slm.dat", "tb_slm", 18, UserList::None, true, true, false,
     ":/treeSlm"},
    {UserBloodPressure, QT_TRANSLATE_NOOP("CheckType", "Blood Pressure"), "nibp.dat", "tb_nibp", 11, UserList::Users,
     false, false, false, ":/treeNibp"},
    {BloodPressure, QT_TRANSLATE_NOOP("CheckType", "Blood Pressure"), "nibp.dat", "tb_nibp", 11, UserList::None, false,
     false, false, ":/treeNibp"},
    {CorvisetDailyCheck, QT_TRANSLATE_NOOP("CheckType", "ZoravIvide"), "dlc.dat", "tb_dailycheck_corviset", 17,
     UserList::None, true, true, true, ":/treeEcg"},
    {Holter, QT_TRANSLATE_NOOP("CheckType", "ECG Holter"), "", "tb_holter", 0, UserList::None, true, true, false,
     ":/treeEcg"},
    {Spo2Temp, QT_TRANSLATE_NOOP("CheckType", "History"), "oxi_T.dat", "tb_spo2temp", 17, UserList::None, false, false,
     false, ":/podHistory"},
    {UserGlucose, QT_TRANSLATE_NOOP("CheckType", "Blood Glucose"), "glu.dat", "tb_glucose", 32, UserList::Users, false,
     false, false, ":/treeGlucose"},
    {Glucose, QT_TRANSLATE_NOOP("CheckType", "Blood Glucose"), "glu.dat", "tb_glucose", 32, UserList::None, false,
     false, false, ":/treeGlucose"},
    {MultiTest, QT_TRANSLATE_NOOP("CheckType", "Multi Test"), "rec.dat", "tb_multitest", 72, UserList::ExtendedUsers,
     true, true, false, "://res/node_multitest.png"},
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

bool hasReport(int code)
{
    const Entry* entry = find(code);
    return entry && entry->report;
}

bool isPrintable(int code)
{
    const Entry* entry = find(code);
    return entry && entry->printable;
}

bool hasVoice(int code)
{
    const Entry* entry = find(code);
    return entry && entry->voice;
}

QString treeIcon(int code)
{
    const Entry* entry = find(code);
    return entry ? QString::fromLatin1(entry->treeIcon) : QString();
}

QString perUserFileName(int userIndex, int code)
{
    return QString::number(userIndex) + fileName(code);
}

} // namespace CheckType
