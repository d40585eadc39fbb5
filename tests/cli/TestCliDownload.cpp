#include "files/CheckType.h"
#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"
#include "files/HolterHeader.h"
#include "files/MultiTestFile.h"
#include "files/RecordFile.h"
#include "files/RecordTypes.h"
#include "files/UserRecord.h"
#include "files/XUserRecord.h"
#include "support/CliRun.h"
#include "support/MonitorFolder.h"
#include "support/SyncFixture.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

using SyncFixture::entries;
using SyncFixture::readFile;
using SyncFixture::writeFile;

namespace {

// Every model's check types together, and a Corviset.
const QString kModels = "0,1,2,5,19,53,54";

QString monitorFolder(const QString& bus, int model)
{
    return bus + "/" + QDir(bus).entryList({QString("%1-*").arg(model, 2, 10, QChar('0'))}, QDir::Dirs).value(0);
}

DeviceInfo identity(const QString& folder)
{
    return *DeviceInfo::fromBytes(readFile(folder + "/identity.dat"));
}

QString recordTime(int checkType, const QByteArray& bytes)
{
    QString text;
    RecordTypes::dispatch(checkType,
                          [&](auto record) { text = RecordCodec::decode<decltype(record)>(bytes).checkTime.text(); });
    return text;
}

// The checks a monitor folder holds, read with the file readers: "sn|type|time|userid".
QSet<QString> checksOnMonitor(const QString& folder)
{
    const DeviceInfo info = identity(folder);
    const QString sn = info.sn;
    const QString dir = folder + "/";
    QSet<QString> rows;
    auto add = [&](int code, const QString& time, const QString& userid) {
        rows << QString("%1|%2|%3|%4").arg(sn).arg(code).arg(time, userid);
    };
    auto addFile = [&](int code, const QString& name, const QString& userid) {
        for (const QByteArray& record : RecordFile::read(dir + name, CheckType::recordSize(code)))
            add(code, recordTime(code, record), userid);
    };
    if (info.modelType == DeviceModel::kCorvisetType) {
        addFile(CheckType::CorvisetDailyCheck, "1dlc.dat", QString());
        return rows;
    }
    const QList<UserRecord> users = RecordFile::read<UserRecord>(dir + "usr.dat");
    const QList<XUserRecord> xusers = RecordFile::read<XUserRecord>(dir + "xusr.dat");
    for (int code : CheckType::all()) {
        if (!DeviceModel::of(info.modelType).offers(code))
            continue;
        if (code == CheckType::Holter) {
            const auto header = HolterHeader::readFile(dir + "waveFile");
            QString userid;
            for (const UserRecord& user : users) {
                if (user.index == header->userIndex)
                    userid = user.toCheckUser(sn).userid;
            }
            add(code, header->checkTimeText(), userid);
        } else if (code == CheckType::MultiTest) {
            for (const XUserRecord& user : xusers) {
                const MultiTestFile file = MultiTestFile::read(dir + CheckType::perUserFileName(user.index, code));
                for (const QByteArray& record : file.records)
                    add(code, recordTime(code, record), user.toCheckUser(sn).userid);
            }
        } else if (CheckType::userList(code) == CheckType::UserList::Users) {
            for (const UserRecord& user : users)
                addFile(code, CheckType::perUserFileName(user.index, code), user.toCheckUser(sn).userid);
        } else if (CheckType::userList(code) == CheckType::UserList::ExtendedUsers) {
            for (const XUserRecord& user : xusers)
                addFile(code, CheckType::perUserFileName(user.index, code), user.toCheckUser(sn).userid);
        } else {
            addFile(code, CheckType::fileName(code), QString());
        }
    }
    return rows;
}

// What the device folder holds after a download: the detail files and voice
// notes, and the recording under its start time.
QStringList keptFiles(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        if (name == "waveFile")
            names << HolterHeader::readFile(folder + "/waveFile")->checkTimeText();
        else if (!name.contains('.') && name != "faults")
            names << name;
        else if (name.endsWith(".wav"))
            names << name;
    }
    names.sort();
    return names;
}

void copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(QFile::copy(path, target));
    }
}

QStringList tempFolders(const QString& dataDir)
{
    return QDir(dataDir).entryList({".temp_*", "temp_*"}, QDir::Dirs | QDir::Files | QDir::Hidden);
}

} // namespace

// Downloads through the built vitacor-cli against emulated demo monitors, as a
// user would run it.
class TestCliDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void devicesListsTheMonitors();
    void downloadStoresEveryCheckAndFile();
    void secondDownloadChangesNothing();
    void checksFilters();
    void failedDownloadChangesNothing_data();
    void failedDownloadChangesNothing();
    void refusedFileIsTakenAsAbsent();
    void terminationLetsTheRunningDownloadFinish();
    void dataDirOptionIsNotSaved();
    void errorsNameWhatToDo_data();
    void errorsNameWhatToDo();
    void deleteRemovesChecksWithTheirFiles();

private:
    // Per-user folders of the test's own, with its config.ini.
    QProcessEnvironment environment() const;
    int run(const QStringList& arguments);
    QString dump(const QString& dataDir);
    QJsonArray jsonOut() const { return QJsonDocument::fromJson(m_out.toUtf8()).array(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_bus;
    QString m_data;
    QString m_configFile;
    QString m_out;
    QString m_err;
};

void TestCliDownload::initTestCase()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    QVERIFY(m_dir.isValid());
    m_bus = path("bus");
    m_data = path("data");
    // The simplified-Chinese edition, which also downloads multi-tests.
    m_configFile = path("home/data/VitacorBrowser/config.ini");
    QVERIFY(QDir().mkpath(QFileInfo(m_configFile).path()));
    writeFile(m_configFile, "[General]\nlanguage=2\n");
    QCOMPARE(run({"make-demo", m_bus, "--models", kModels, "--holter-hours", "0.05", "--seed", "8"}), 0);
}

QProcessEnvironment TestCliDownload::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", path("home/data"));
    environment.insert("XDG_CONFIG_HOME", path("home/config"));
    return environment;
}

int TestCliDownload::run(const QStringList& arguments)
{
    const CliRun run = CliRun::of(VITACOR_CLI, arguments, environment(), 120000);
    m_out = run.out;
    m_err = run.err;
    return run.exitCode;
}

QString TestCliDownload::dump(const QString& dataDir)
{
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dump");
        db.setDatabaseName(dataDir + "/db_vitacor.db");
        if (db.open())
            text = SyncFixture::dump(db);
    }
    QSqlDatabase::removeDatabase("dump");
    return text;
}

void TestCliDownload::devicesListsTheMonitors()
{
    QCOMPARE(run({"--emulate", m_bus, "devices", "--json"}), 0);
    const QJsonArray devices = jsonOut();
    QCOMPARE(devices.size(), kModels.split(',').size());
    const QMap<int, QString> names{{0, "Vitacor Pro"}, {1, "Vitacor Lite HDMI"}, {2, "Vitacor Pod"},
                                   {5, "Cardivane"},   {19, "Vitacor Pro"},      {53, "QMR4"},
                                   {54, "Vitacor Pod"}};
    for (const QJsonValue& value : devices) {
        const QJsonObject device = value.toObject();
        const int model = device.value("typeCode").toInt();
        const QString folder = monitorFolder(m_bus, model);
        const DeviceInfo info = identity(folder);
        const QByteArray block = readFile(folder + "/identity.dat");
        QCOMPARE(device.value("sn").toString(), info.sn);
        QCOMPARE(device.value("model").toString(), names.value(model));
        QCOMPARE(device.value("branchCode").toString(), info.branchcode);
        QCOMPARE(device.value("version").toString(), QString("V%1.%2").arg(quint8(block[22])).arg(quint8(block[21])));
    }
    QCOMPARE(run({"--emulate", m_bus, "devices"}), 0);
    QCOMPARE(m_out.count('\n'), kModels.split(',').size());
    QVERIFY(m_out.contains(identity(monitorFolder(m_bus, 5)).sn + "\tCardivane\t5\t"));
}

void TestCliDownload::downloadStoresEveryCheckAndFile()
{
    QCOMPARE(run({"--data-dir", m_data, "--emulate", m_bus, "download", "--json"}), 0);
    const QJsonArray reports = jsonOut();
    QCOMPARE(reports.size(), kModels.split(',').size());
    for (const QJsonValue& report : reports) {
        QVERIFY2(report.toObject().value("stored").toBool(), qPrintable(m_err));
        QCOMPARE(report.toObject().value("outcome").toString(), QString("stored"));
    }
    QVERIFY2(m_err.contains(": downloading, files 0") && m_err.contains(" files and stored; "), qPrintable(m_err));

    QCOMPARE(run({"--data-dir", m_data, "checks", "--json"}), 0);
    QSet<QString> stored;
    for (const QJsonValue& value : jsonOut()) {
        const QJsonObject check = value.toObject();
        stored << QString("%1|%2|%3|%4")
                      .arg(check.value("sn").toString())
                      .arg(check.value("checkType").toInt())
                      .arg(check.value("checkTime").toString(), check.value("userid").toString());
    }
    QSet<QString> expected;
    for (const QString& model : kModels.split(','))
        expected += checksOnMonitor(monitorFolder(m_bus, model.toInt()));
    QCOMPARE(stored.size(), jsonOut().size());
    QCOMPARE(stored, expected);
    QVERIFY(stored.size() > 100);

    for (const QString& model : kModels.split(',')) {
        const QString folder = monitorFolder(m_bus, model.toInt());
        const QString deviceDir = m_data + "/" + identity(folder).sn;
        QCOMPARE(entries(deviceDir), keptFiles(folder));
    }
    const QString holterMonitor = monitorFolder(m_bus, 0);
    QCOMPARE(readFile(m_data + "/" + identity(holterMonitor).sn + "/" +
                      HolterHeader::readFile(holterMonitor + "/waveFile")->checkTimeText()),
             readFile(holterMonitor + "/waveFile"));
    QVERIFY(tempFolders(m_data).isEmpty());
    QDirIterator dat(m_data, {"*.dat"}, QDir::Files, QDirIterator::Subdirectories);
    QVERIFY2(!dat.hasNext(), qPrintable(dat.hasNext() ? dat.next() : QString()));
}

void TestCliDownload::secondDownloadChangesNothing()
{
    const QString before = dump(m_data);
    QVERIFY(!before.isEmpty());
    QStringList files;
    QDirIterator it(m_data, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.removeAll(m_data + "/VitacorBrowser.log");
    files.sort();

    QCOMPARE(run({"--data-dir", m_data, "--emulate", m_bus, "download", "--json"}), 0);

    int moved = 0;
    for (const QJsonValue& report : jsonOut()) {
        QVERIFY(report.toObject().value("stored").toBool());
        moved += report.toObject().value("movedFiles").toInt();
    }
    QCOMPARE(moved, 0);
    QCOMPARE(dump(m_data), before);
    QStringList after;
    QDirIterator again(m_data, QDir::Files, QDirIterator::Subdirectories);
    while (again.hasNext())
        after << again.next();
    after.removeAll(m_data + "/VitacorBrowser.log");
    after.sort();
    QCOMPARE(after, files);
}

void TestCliDownload::checksFilters()
{
    const QString sn = identity(monitorFolder(m_bus, 0)).sn;
    QCOMPARE(run({"--data-dir", m_data, "checks", "--sn", sn, "--type", "1024"}), 0);
    const QStringList lines = m_out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY(QRegularExpression("^" + sn + "\t1024\t\\d{14}\t").match(lines.first()).hasMatch());
    QCOMPARE(run({"--data-dir", m_data, "checks", "--type", "512", "--json"}), 0);
    for (const QJsonValue& check : jsonOut()) {
        QCOMPARE(check.toObject().value("checkType").toInt(), 512);
        QCOMPARE(check.toObject().value("userid").toString(), QString());
    }
    QVERIFY(!jsonOut().isEmpty());
}

void TestCliDownload::failedDownloadChangesNothing_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("fault"); // %DETAIL% names the monitor's largest detail file
    QTest::newRow("no reply") << 1 << "no-reply 4";
    QTest::newRow("short data reply") << 1 << "short-reply 5 2";
    QTest::newRow("unplug in an index file") << 1 << "unplug-after 10 ecg.dat";
    QTest::newRow("unplug in a detail file") << 1 << "unplug-after 1000 %DETAIL%";
    QTest::newRow("unplug in the Holter recording") << 0 << "unplug-after 20000 waveFile";
}

void TestCliDownload::failedDownloadChangesNothing()
{
    QFETCH(int, model);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString bus = dir.filePath("bus");
    const QString data = dir.filePath("data");
    // An earlier download of other monitors is in the data directory.
    copyFolder(m_data, data);
    QCOMPARE(run({"make-demo", bus, "--models", QString::number(model), "--holter-hours", "0.05", "--seed", "21"}), 0);
    const QString folder = monitorFolder(bus, model);
    QString largest;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Size)) {
        if (!file.fileName().contains('.') && file.fileName() != "waveFile") {
            largest = file.fileName();
            break;
        }
    }
    writeFile(folder + "/faults", fault.replace("%DETAIL%", largest).toLatin1() + "\n");
    const QString sn = identity(folder).sn;
    const QString before = dump(data);
    const QStringList dataEntries = entries(data);

    QCOMPARE(run({"--data-dir", data, "--emulate", bus, "download", "--json"}), 1);

    QCOMPARE(jsonOut().size(), 1);
    QCOMPARE(jsonOut().at(0).toObject().value("complete").toBool(), false);
    QVERIFY2(m_err.contains(sn + ": download failed"), qPrintable(m_err));
    QCOMPARE(dump(data), before);
    QCOMPARE(entries(data), dataEntries);
    QVERIFY(tempFolders(data).isEmpty());

    // Without the fault the same monitor downloads and is stored.
    QVERIFY(QFile::remove(folder + "/faults"));
    QCOMPARE(run({"--data-dir", data, "--emulate", bus, "download"}), 0);
    QCOMPARE(entries(data + "/" + sn), keptFiles(folder));
    QVERIFY(tempFolders(data).isEmpty());
}

void TestCliDownload::refusedFileIsTakenAsAbsent()
{
    QTemporaryDir dir;
    const QString bus = dir.filePath("bus");
    const QString data = dir.filePath("data");
    QCOMPARE(run({"make-demo", bus, "--models", "1", "--seed", "33"}), 0);
    const QString folder = monitorFolder(bus, 1);
    const QString detail = keptFiles(folder).first();
    writeFile(folder + "/faults", "refuse " + detail.toLatin1() + "\n");
    const QString sn = identity(folder).sn;

    // The monitor says it has no such file: the rest is stored.
    QCOMPARE(run({"--data-dir", data, "--emulate", bus, "download"}), 0);
    QStringList expected = keptFiles(folder);
    expected.removeAll(detail);
    QCOMPARE(entries(data + "/" + sn), expected);

    QVERIFY(QFile::remove(folder + "/faults"));
    QCOMPARE(run({"--data-dir", data, "--emulate", bus, "download"}), 0);
    QCOMPARE(entries(data + "/" + sn), keptFiles(folder));
}

void TestCliDownload::terminationLetsTheRunningDownloadFinish()
{
    QTemporaryDir dir;
    const QString bus = dir.filePath("bus");
    const QString data = dir.filePath("data");
    QCOMPARE(run({"make-demo", bus, "--models", "1,54", "--seed", "4"}), 0);
    // At full-speed USB pace, with one detail file left (the others are
    // refused as absent), the first download takes about two seconds.
    const QString first = monitorFolder(bus, 1);
    for (const QString& name : keptFiles(first).mid(1))
        QVERIFY(QFile::remove(first + "/" + name));
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setReadChannel(QProcess::StandardError);
    process.start(VITACOR_CLI, {"--data-dir", data, "--emulate-paced", bus, "download", "--json"});
    const QRegularExpression downloading(": downloading, files [1-9]");
    QString err;
    while (!err.contains(downloading) && process.waitForReadyRead(20000))
        err += QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(downloading), qPrintable(err));
    process.terminate();
    QVERIFY(process.waitForFinished(60000));
    err += QString::fromUtf8(process.readAllStandardError());

    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(err.contains("stopping after the running download") &&
                 err.contains("the monitors not yet downloaded were left alone"),
             qPrintable(err));
    const QJsonArray reports = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
    QCOMPARE(reports.size(), 1);
    const QString sn = identity(first).sn;
    QCOMPARE(reports.at(0).toObject().value("sn").toString(), sn);
    QVERIFY(reports.at(0).toObject().value("stored").toBool());
    QCOMPARE(entries(data + "/" + sn), keptFiles(first));
    QVERIFY(!QFileInfo::exists(data + "/" + identity(monitorFolder(bus, 54)).sn));
    QVERIFY(tempFolders(data).isEmpty());
}

void TestCliDownload::dataDirOptionIsNotSaved()
{
    const QString configured = path("configured");
    writeFile(m_configFile, "[General]\nlanguage=2\ndataDir=" + configured.toUtf8() + "\n");
    const QByteArray config = readFile(m_configFile);
    const QString other = path("other");
    QCOMPARE(run({"--data-dir", other, "checks"}), 0);
    QVERIFY(QFile::exists(other + "/db_vitacor.db"));
    QVERIFY(!QFile::exists(configured + "/db_vitacor.db"));
    QCOMPARE(readFile(m_configFile), config);
    // Without the option the configured one is used, as by the program itself.
    QCOMPARE(run({"checks"}), 0);
    QVERIFY(QFile::exists(configured + "/db_vitacor.db"));
    writeFile(m_configFile, "[General]\nlanguage=2\n");
}

void TestCliDownload::errorsNameWhatToDo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString emptyBus = path("empty-bus");
    QDir().mkpath(emptyBus);
    const QString plainFile = path("plain-file");
    writeFile(plainFile, "not a folder");
    const QString shutBus = path("shut-bus");
    MonitorFolder(shutBus, "m1", 0, "SHUT").writeFile("faults", "no-access\n");
    const QString shutMessage = "vitacor-cli: the monitor at " + QDir::toNativeSeparators(shutBus + "/m1") +
        " is plugged in, but this user may not open it. Install the udev rule that comes with the program "
        "(res/linux/70-vitacor.rules in its sources) as /etc/udev/rules.d/70-vitacor.rules, then unplug the "
        "monitor and plug it in again.\n";
    QTest::newRow("unknown command") << QStringList{"dowload"} << 2
                                     << "unknown command 'dowload'. Commands: make-demo, devices, download, checks";
    QTest::newRow("no monitor") << QStringList{"--data-dir", path("d1"), "--emulate", emptyBus,
                                               "download",   "--wait",   "0.5"}
                                << 1 << "no monitor found within 0.5 s";
    QTest::newRow("monitor without permission to list")
        << QStringList{"--emulate", shutBus, "devices", "--wait", "30"} << 1 << shutMessage;
    QTest::newRow("monitor without permission to download")
        << QStringList{"--data-dir", path("d1"), "--emulate", shutBus, "download", "--wait", "0.5"} << 1
        << shutMessage + "vitacor-cli download: no monitor found within 0.5 s";
    QTest::newRow("unknown serial to download")
        << QStringList{"--data-dir", path("d1"), "--emulate", m_bus, "download", "--sn", "NOPE"} << 1
        << "no connected monitor has the serial number 'NOPE'; connected: ";
    QTest::newRow("unknown serial to list") << QStringList{"--data-dir", m_data, "checks", "--sn", "NOPE"} << 1
                                            << "no monitor with serial number 'NOPE' is stored;";
    QTest::newRow("data dir is a file") << QStringList{"--data-dir", plainFile, "checks"} << 1
                                        << "is a file, not a folder";
    QTest::newRow("data dir cannot be made")
        << QStringList{"--data-dir", plainFile + "/sub", "download"} << 1 << "cannot create the data directory";
    QTest::newRow("damaged database") << QStringList{"--data-dir", path("damaged"), "checks"} << 1
                                      << "is not a record database";
    QTest::newRow("missing bus") << QStringList{"--emulate", path("nowhere"), "devices"} << 2
                                 << "make one with 'vitacor-cli make-demo";
    QTest::newRow("unknown check type") << QStringList{"checks", "--type", "3"} << 2
                                        << "'3' is not a check-type code; the codes are 1 (ECG Recorder)";
    QTest::newRow("bad wait") << QStringList{"devices", "--wait", "soon"} << 2
                              << "--wait wants a number of seconds above 0";
    QTest::newRow("stray argument") << QStringList{"checks", "all"} << 2 << "unexpected argument 'all'";
}

void TestCliDownload::errorsNameWhatToDo()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QDir().mkpath(path("damaged"));
    writeFile(path("damaged/db_vitacor.db"), QByteArray(4096, 'x'));
    QCOMPARE(run(arguments), status);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    if (status == 2)
        QVERIFY(m_err.contains("--help"));
    QVERIFY(!QFile::exists(path("d1/db_vitacor.db")) || tempFolders(path("d1")).isEmpty());
}

void TestCliDownload::deleteRemovesChecksWithTheirFiles()
{
    const QString sn = identity(monitorFolder(m_bus, 0)).sn;
    QCOMPARE(run({"--data-dir", m_data, "checks", "--sn", sn, "--type", "1", "--json"}), 0);
    const QJsonArray before = jsonOut();
    QVERIFY(before.size() > 1);
    const QString time = before.first().toObject().value("checkTime").toString();
    const QString detail = m_data + "/" + sn + "/" + time;
    QVERIFY(QFile::exists(detail));

    QCOMPARE(run({"--data-dir", m_data, "delete", "--sn", sn, "--time", time}), 2);
    QCOMPARE(run({"--data-dir", m_data, "delete", "--sn", sn, "--type", "1", "--time", time}), 0);
    QVERIFY(!QFile::exists(detail));
    QCOMPARE(run({"--data-dir", m_data, "checks", "--sn", sn, "--type", "1", "--json"}), 0);
    QCOMPARE(jsonOut().size(), before.size() - 1);
    QCOMPARE(run({"--data-dir", m_data, "delete", "--sn", sn, "--type", "1", "--time", time}), 1);
    QVERIFY2(m_err.contains("no stored check"), qPrintable(m_err));

    QCOMPARE(run({"--data-dir", m_data, "delete", "--sn", sn, "--all"}), 0);
    QCOMPARE(run({"--data-dir", m_data, "checks", "--sn", sn}), 0);
    QVERIFY(m_out.isEmpty());
    QCOMPARE(QDir(m_data + "/" + sn).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestCliDownload)
#include "TestCliDownload.moc"
