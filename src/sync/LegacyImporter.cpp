#include "sync/LegacyImporter.h"

#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"
#include "files/RecordFile.h"
#include "files/RecordTypes.h"
#include "files/UserRecord.h"
#include "files/XUserRecord.h"
#include "sync/CheckScreen.h"
#include "sync/DownloadNotes.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTextCodec>

#include <optional>

const QLatin1String LegacyImporter::kMonitorPrefix("Vitacor_");

namespace {

// How the patient details beside a check are read.
enum class Details { None, Plain, User, ExtendedUser };

using Users = CheckType::UserList;

struct Kind
{
    const char* folder;
    int checkType;
    // Whose per-user index files the kind has; the older program kept blood
    // pressure per extended user.
    Users users;
    Details details;
};

// In the order they are imported; "SpO2 with TEMP" kept its thermometer file.
const Kind kKinds[] = {
    {"ECG", CheckType::Ecg, Users::None, Details::Plain},
    {"Oximeter", CheckType::Oxi, Users::None, Details::None},
    {"Daily Check", CheckType::DailyCheck, Users::Users, Details::User},
    {"Spot Check", CheckType::SpotCheck, Users::ExtendedUsers, Details::ExtendedUser},
    {"Thermometer", CheckType::Temperature, Users::None, Details::None},
    {"Sleep Monitor", CheckType::Sleep, Users::None, Details::Plain},
    {"Pedometer", CheckType::Pedometer, Users::Users, Details::None},
    {"NIBP", CheckType::UserBloodPressure, Users::ExtendedUsers, Details::None},
    {"SpO2 with TEMP", CheckType::Temperature, Users::None, Details::None},
};

const char* const kCheckFileSuffixes[] = {"", ".wav", ".o"};

// The patient details the older program wrote beside a check.
class DetailsFile
{
public:
    explicit DetailsFile(const QString& path)
        : m_settings(path, QSettings::IniFormat)
    {
        m_settings.setIniCodec(QTextCodec::codecForLocale());
        m_settings.beginGroup("BASEINFO");
    }

    // An unquoted comma splits an INI value into a list; the text had it.
    QString text(const QString& key) const
    {
        const QVariant value = m_settings.value(key);
        return value.type() == QVariant::StringList ? value.toStringList().join(", ") : value.toString();
    }
    QDate birthday() const { return QDate::fromString(text("Birth"), "yyyy/MM/dd"); }
    QString remarks() const { return text("Remark").replace("##", "\r\n"); }
    int sex() const { return text("Gender") == "Female" ? 1 : 0; }

private:
    QSettings m_settings;
};

QString checkTimeOf(int checkType, const QByteArray& bytes)
{
    QString text;
    RecordTypes::dispatch(checkType,
                          [&](auto record) { text = RecordCodec::decode<decltype(record)>(bytes).checkTime.text(); });
    return text;
}

} // namespace

struct LegacyImporter::Monitor
{
    Monitor(const QString& serial)
        : sn(serial)
        , screen(serial, &notes)
    {}

    QString sn;
    QList<UserRecord> users;
    QList<XUserRecord> xusers;
    DownloadNotes notes;
    CheckScreen screen;
    QList<FileCopy> copies;
    int checks = 0;
};

LegacyImporter::LegacyImporter(const QString& sourceList, const QString& dataDir)
    : m_sources(sourceDirs(sourceList))
    , m_dataDir(QDir::cleanPath(dataDir))
{}

QStringList LegacyImporter::sourceDirs(const QString& sourceList)
{
    QString list = sourceList;
    list.replace('\\', '/');
    return list.split(';', Qt::SkipEmptyParts);
}

QStringList LegacyImporter::monitorFolders(const QStringList& sources)
{
    QStringList folders;
    for (const QString& source : sources) {
        const QDir dir(source);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (name.startsWith(kMonitorPrefix))
                folders << dir.filePath(name);
        }
    }
    return folders;
}

QString LegacyImporter::wineDriveC()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX", QDir::homePath() + "/.wine");
    return prefix + "/drive_c";
}

QStringList LegacyImporter::detectInstallations(const QString& driveC)
{
    QStringList found;
    const QDir drive(driveC);
    for (const QString& programFiles : drive.entryList({"Program Files*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir programs(drive.filePath(programFiles));
        for (const QString& name : programs.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString candidate = programs.filePath(name);
            if (!monitorFolders({candidate}).isEmpty())
                found << candidate;
        }
    }
    return found;
}

bool LegacyImporter::run()
{
    m_summary = Summary();
    const QStringList folders = monitorFolders(m_sources);
    m_count = folders.size();
    m_done = 0;
    bool ok = true;
    for (const QString& folder : folders) {
        if (m_progress)
            m_progress(folder, m_done, folders.size());
        ok = importMonitor(folder) && ok;
        ++m_done;
    }
    return ok;
}

bool LegacyImporter::importMonitor(const QString& folder)
{
    QFile devi(folder + "/devi.dat");
    const QByteArray block = devi.open(QIODevice::ReadOnly) ? devi.read(DeviceInfo::kSize) : QByteArray();
    const std::optional<DeviceInfo> read = DeviceInfo::fromBytes(block);
    if (!read) {
        m_summary.skipped << QString("%1: no readable devi.dat, skipped.").arg(QDir::toNativeSeparators(folder));
        return true;
    }
    DeviceInfo info = *read;
    info.branchcode.clear();
    // The serial number names a folder of the data directory.
    info.sn = DeviceModel::of(info.modelType).safeSerial(info.sn);
    info.dispname = info.sn;

    Monitor monitor(info.sn);
    monitor.users = RecordFile::read<UserRecord>(folder + "/" + Vitacor::kUserFileName);
    monitor.xusers = RecordFile::read<XUserRecord>(folder + "/" + Vitacor::kXUserFileName);

    DbOperator* db = DbOperator::instance();
    bool stored = db->beginTransaction() && db->storeDevice(info);
    QList<CheckUser> users;
    for (const UserRecord& user : qAsConst(monitor.users))
        users << user.toCheckUser(info.sn);
    QList<CheckUser> xusers;
    for (const XUserRecord& user : qAsConst(monitor.xusers))
        xusers << user.toCheckUser(info.sn);
    for (const QList<CheckUser>& list : {users, xusers})
        stored = stored && (list.isEmpty() || db->storeUsers(info.sn, list));
    for (int kind = 0; stored && kind < int(std::size(kKinds)); ++kind) {
        const QString dir = folder + "/" + kKinds[kind].folder + "/";
        if (QDir(dir).exists())
            stored = importKind(monitor, dir, kind);
    }
    if (!stored || !db->commit()) {
        db->rollback();
        m_summary.failed
            << QString("%1: the record store failed; nothing of it was kept.").arg(QDir::toNativeSeparators(folder));
        return false;
    }

    const QString deviceDir = m_dataDir + "/" + info.sn;
    QDir().mkpath(deviceDir);
    for (const FileCopy& copy : qAsConst(monitor.copies)) {
        if (QFile::copy(copy.from, copy.to))
            ++m_summary.files;
    }
    ++m_summary.monitors;
    m_summary.checks += monitor.checks;
    m_summary.invalidTimes += monitor.notes.invalidTimes;
    m_summary.conflicts += monitor.notes.conflicts;
    return true;
}

bool LegacyImporter::importKind(Monitor& monitor, const QString& dir, int kindIndex)
{
    const int type = kKinds[kindIndex].checkType;
    switch (kKinds[kindIndex].users) {
    case CheckType::UserList::Users:
        for (const UserRecord& user : qAsConst(monitor.users)) {
            if (!storeChecks(monitor, dir, kindIndex, CheckType::perUserFileName(user.index, type),
                             user.toCheckUser(monitor.sn), &user, nullptr))
                return false;
        }
        return true;
    case CheckType::UserList::ExtendedUsers:
        for (const XUserRecord& user : qAsConst(monitor.xusers)) {
            if (!storeChecks(monitor, dir, kindIndex, CheckType::perUserFileName(user.index, type),
                             user.toCheckUser(monitor.sn), nullptr, &user))
                return false;
        }
        return true;
    case CheckType::UserList::None: break;
    }
    return storeChecks(monitor, dir, kindIndex, CheckType::fileName(type), CheckUser(), nullptr, nullptr);
}

bool LegacyImporter::storeChecks(Monitor& monitor, const QString& dir, int kindIndex, const QString& indexFile,
                                 const CheckUser& user, const UserRecord* plainUser, const XUserRecord* extendedUser)
{
    const Kind& kind = kKinds[kindIndex];
    const QList<QByteArray> records =
        monitor.screen.admit(kind.checkType, RecordFile::read(dir + indexFile, CheckType::recordSize(kind.checkType)));
    DbOperator* db = DbOperator::instance();
    if (records.isEmpty())
        return true;
    if (!db->insertChecks(monitor.sn, kind.checkType, records, user))
        return false;
    monitor.checks += records.size();
    if (kind.details == Details::None)
        return true;

    for (const QByteArray& bytes : records) {
        const QString time = checkTimeOf(kind.checkType, bytes);
        for (const char* suffix : kCheckFileSuffixes) {
            const QString name = time + suffix;
            if (QFile::exists(dir + name))
                monitor.copies.append({dir + name, m_dataDir + "/" + monitor.sn + "/" + name});
        }
        const QString iniPath = dir + time + ".ini";
        if (!QFile::exists(iniPath))
            continue;
        const DetailsFile ini(iniPath);
        CheckUser details;
        switch (kind.details) {
        case Details::User: {
            const CheckUser owner = plainUser->toCheckUser(monitor.sn);
            details.name = owner.name;
            details.birthday = owner.birthday;
            details.sex = owner.sex;
            break;
        }
        case Details::ExtendedUser: {
            const CheckUser owner = extendedUser->toCheckUser(monitor.sn);
            details.userid = owner.userid;
            details.medicalid = owner.medicalid;
            details.name = ini.text("Name");
            details.sex = ini.sex();
            break;
        }
        case Details::Plain:
        case Details::None:
            details.name = ini.text("Name");
            details.birthday = ini.birthday();
            details.sex = ini.sex();
            break;
        }
        details.remarks = ini.remarks();
        if (!db->saveReportUser(time + monitor.sn, details))
            return false;
    }
    return true;
}
