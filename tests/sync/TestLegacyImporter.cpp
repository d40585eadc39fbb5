#include "db/DbOperator.h"
#include "files/UserId.h"
#include "support/MonitorFolder.h"
#include "support/SyncFixture.h"
#include "sync/ImportModel.h"
#include "sync/LegacyImporter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace SyncFixture;
using DbTestSupport::rows;
using DbTestSupport::value;

namespace {

const QString kSn = "SNLEG1";

// Check times of the fixture: 2024-05-06 07:minute:second.
QString checkTime(int minute, int second = 0)
{
    return QString("2024050607%1%2").arg(minute, 2, 10, QChar('0')).arg(second, 2, 10, QChar('0'));
}

} // namespace

// The import of the older program's monitor folders, built byte by byte
// from their layouts.
class TestLegacyImporter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void fullFolderImports();
    void foldersChosen_data();
    void foldersChosen();
    void existingDetailFileIsKept();
    void sourceListSplits_data();
    void sourceListSplits();
    void wineInstallationsAreFound();
    void importRunsOnItsThread();

private:
    // One complete monitor folder: every kind, detail files, voice notes and patient details.
    QString writeMonitor(const QString& parent, const QString& name, const QByteArray& sn = kSn.toLatin1());
    QString source() const { return m_source->path(); }

    std::unique_ptr<QTemporaryDir> m_source;
};

void TestLegacyImporter::init()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->reopenAfter([] {}));
    m_source = std::make_unique<QTemporaryDir>();
    QVERIFY(m_source->isValid());
}

QString TestLegacyImporter::writeMonitor(const QString& parent, const QString& name, const QByteArray& sn)
{
    const QString dir = parent + "/" + name + "/";
    QDir().mkpath(dir);
    // devi.dat is the 30-byte block alone; anything after it is not read.
    writeFile(dir + "devi.dat", devDat(0, sn).left(30));
    writeFile(dir + "usr.dat", user(1, "Anna"));
    writeFile(dir + "xusr.dat", xuser(2, "MED7", "Bert"));
    const auto kind = [&](const QString& folder, const QString& file, const QByteArray& bytes) {
        QDir().mkpath(dir + folder);
        writeFile(dir + folder + "/" + file, bytes);
    };
    kind("ECG", "ecg.dat", records(1, 10, 1, 2));
    kind("ECG", checkTime(1), MonitorFolder::randomBytes(300, 1));
    kind("ECG", checkTime(1) + ".wav", MonitorFolder::randomBytes(300, 2));
    kind("ECG", checkTime(1) + ".o", MonitorFolder::randomBytes(300, 3));
    kind("ECG", checkTime(1) + ".ini",
         "[BASEINFO]\nName=Carl\nBirth=1950/02/03\nRemark=first##second\nGender=Female\n");
    kind("Oximeter", "oxi.dat", records(2, 12, 2, 1));
    kind("Daily Check", "1dlc.dat", records(16, 17, 3, 1));
    kind("Daily Check", checkTime(3), MonitorFolder::randomBytes(300, 4));
    kind("Daily Check", checkTime(3) + ".ini", "[BASEINFO]\nName=Ignored\nRemark=daily\nGender=Male\n");
    kind("Spot Check", "2spc.dat", records(32, 28, 4, 1));
    kind("Spot Check", checkTime(4) + ".ini", "[BASEINFO]\nName=Bert B\nRemark=calm, rested\nGender=Male\n");
    kind("Thermometer", "tmp.dat", records(4, 11, 5, 1));
    kind("Sleep Monitor", "slm.dat", records(64, 18, 6, 1));
    kind("Sleep Monitor", checkTime(6), MonitorFolder::randomBytes(300, 5));
    kind("Pedometer", "1ped.dat", records(8, 29, 7, 1));
    kind("NIBP", "2nibp.dat", records(128, 11, 8, 1));
    kind("SpO2 with TEMP", "tmp.dat", records(4, 11, 9, 1));
    return dir;
}

void TestLegacyImporter::fullFolderImports()
{
    const QString folder = writeMonitor(source(), "Vitacor_Pro");
    LegacyImporter importer(source(), Config::instance()->dataDir());
    QVERIFY(importer.run());
    const LegacyImporter::Summary& summary = importer.summary();
    QCOMPARE(summary.monitors, 1);
    QCOMPARE(summary.checks, 10);
    QCOMPARE(summary.files, 5);

    QCOMPARE(value("select branchcode from tb_device where sn = ?", {kSn}).toString(), QString());
    QCOMPARE(rows("tb_user"), 2);
    QCOMPARE(rows("tb_devUser"), 2);
    const QList<QPair<QString, int>> tables = {{"tb_ecg", 2},       {"tb_oxi", 1},         {"tb_dailycheck", 1},
                                               {"tb_spotcheck", 1}, {"tb_temperature", 2}, {"tb_slm", 1},
                                               {"tb_pedo", 1},      {"tb_nibp", 1},        {"tb_devCheck", 10}};
    for (const auto& table : tables)
        QCOMPARE(rows(table.first), table.second);
    QCOMPARE(value("select checkType from tb_devCheck where flowid = ?", {checkTime(8) + kSn}).toInt(), 128);
    QCOMPARE(value("select userid from tb_check where flowid = ?", {checkTime(3) + kSn}).toString(),
             UserId::of(kSn, "Anna"));
    QCOMPARE(value("select userid from tb_check where flowid = ?", {checkTime(8) + kSn}).toString(),
             UserId::of(kSn, "MED7"));

    // Plain form: everything from the INI file, "##" a line break.
    CheckUser ecg;
    QVERIFY(DbOperator::instance()->reportUser(checkTime(1) + kSn, &ecg));
    QCOMPARE(ecg.name, QString("Carl"));
    QCOMPARE(ecg.birthday, QDate(1950, 2, 3));
    QCOMPARE(ecg.sex, 1);
    QCOMPARE(ecg.remarks, QString("first\r\nsecond"));
    // User form: the person from usr.dat, the remark from the INI file.
    CheckUser daily;
    QVERIFY(DbOperator::instance()->reportUser(checkTime(3) + kSn, &daily));
    QCOMPARE(daily.name, QString("Anna"));
    QCOMPARE(daily.birthday, QDate(1970, 3, 4));
    QCOMPARE(daily.sex, 1);
    QCOMPARE(daily.remarks, QString("daily"));
    // Extended-user form: ids from xusr.dat, the rest from the INI file; a comma stays in the text.
    CheckUser spot;
    QVERIFY(DbOperator::instance()->reportUser(checkTime(4) + kSn, &spot));
    QCOMPARE(spot.userid, UserId::of(kSn, "MED7"));
    QCOMPARE(spot.medicalid, QString("MED7"));
    QCOMPARE(spot.name, QString("Bert B"));
    QCOMPARE(spot.sex, 0);
    QCOMPARE(spot.remarks, QString("calm, rested"));
    QCOMPARE(rows("tb_reportuser"), 3);

    const QString deviceDir = Config::instance()->dataDir() + "/" + kSn + "/";
    const QStringList copied = {"ECG/" + checkTime(1), "ECG/" + checkTime(1) + ".wav", "ECG/" + checkTime(1) + ".o",
                                "Daily Check/" + checkTime(3), "Sleep Monitor/" + checkTime(6)};
    for (const QString& file : copied)
        QCOMPARE(readFile(deviceDir + file.section('/', 1)), readFile(folder + file));
    QVERIFY(!QFile::exists(deviceDir + checkTime(1) + ".ini"));
}

void TestLegacyImporter::foldersChosen_data()
{
    QTest::addColumn<QStringList>("folders"); // "source/name", source 0 or 1
    QTest::addColumn<QString>("list"); // the source list, %1 and %2 the two sources
    QTest::addColumn<QStringList>("imported"); // serial numbers stored
    QTest::newRow("no prefix") << QStringList{"0/Monitor_A"} << "%1" << QStringList{};
    QTest::newRow("prefix only in the middle") << QStringList{"0/My_Vitacor_A"} << "%1" << QStringList{};
    QTest::newRow("without devi.dat skipped")
        << QStringList{"0/Vitacor_A", "0/Vitacor_B-nodevi"} << "%1" << QStringList{"SNA"};
    QTest::newRow("two sources, empty part")
        << QStringList{"0/Vitacor_A", "1/Vitacor_B"} << "%1;;%2;" << QStringList{"SNA", "SNB"};
    QTest::newRow("backslashes") << QStringList{"1/Vitacor_A"} << "%2" << QStringList{"SNA"};
}

void TestLegacyImporter::foldersChosen()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, list);
    QFETCH(QStringList, imported);
    const QStringList sources = {source() + "/zero", source() + "/one"};
    for (const QString& folder : folders) {
        const QString name = folder.section('/', 1);
        const QString dir = writeMonitor(sources.at(folder.section('/', 0, 0).toInt()), name,
                                         "SN" + name.section('_', -1).section('-', 0, 0).toLatin1());
        if (name.endsWith("-nodevi"))
            QVERIFY(QFile::remove(dir + "devi.dat"));
    }
    QString sourceList = QString(list).replace("%1", sources.at(0)).replace("%2", sources.at(1));
    if (QTest::currentDataTag() == QLatin1String("backslashes"))
        sourceList.replace('/', '\\');
    LegacyImporter importer(sourceList, Config::instance()->dataDir());
    QVERIFY(importer.run());
    QStringList stored;
    for (const DeviceInfo& info : DbOperator::instance()->allDevices())
        stored << info.sn;
    stored.sort();
    QCOMPARE(stored, imported);
    QCOMPARE(importer.summary().monitors, imported.size());
    QCOMPARE(rows("tb_ecg"), 2 * imported.size());
}

void TestLegacyImporter::existingDetailFileIsKept()
{
    writeMonitor(source(), "Vitacor_Pro");
    const QString deviceDir = Config::instance()->dataDir() + "/" + kSn + "/";
    QVERIFY(QDir().mkpath(deviceDir));
    writeFile(deviceDir + checkTime(1), "newer");
    LegacyImporter importer(source(), Config::instance()->dataDir());
    QVERIFY(importer.run());
    QCOMPARE(readFile(deviceDir + checkTime(1)), QByteArray("newer"));
    QCOMPARE(importer.summary().files, 4);
    QVERIFY(QFile::exists(deviceDir + checkTime(1) + ".wav"));
}

void TestLegacyImporter::sourceListSplits_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("dirs");
    QTest::newRow("one") << "C:/Old" << QStringList{"C:/Old"};
    QTest::newRow("backslashes") << "C:\\Old\\Data" << QStringList{"C:/Old/Data"};
    QTest::newRow("empty parts") << ";a;;b;" << QStringList{"a", "b"};
    QTest::newRow("nothing") << "" << QStringList{};
}

void TestLegacyImporter::sourceListSplits()
{
    QFETCH(QString, list);
    QFETCH(QStringList, dirs);
    QCOMPARE(LegacyImporter::sourceDirs(list), dirs);
}

void TestLegacyImporter::wineInstallationsAreFound()
{
    const QString drive = source() + "/drive_c";
    writeMonitor(drive + "/Program Files (x86)/Vitacor Browser", "Vitacor_Pro");
    writeMonitor(drive + "/Program Files/Other", "Monitor_X");
    writeMonitor(drive + "/Users/me/Vitacor", "Vitacor_Pro");
    QCOMPARE(LegacyImporter::detectInstallations(drive), QStringList{drive + "/Program Files (x86)/Vitacor Browser"});
    QCOMPARE(LegacyImporter::detectInstallations(source() + "/absent"), QStringList{});
}

void TestLegacyImporter::importRunsOnItsThread()
{
    writeMonitor(source(), "Vitacor_Pro");
    ImportModel model(source(), Config::instance()->dataDir());
    QThread thread;
    model.moveToThread(&thread);
    thread.start();
    QVERIFY(!model.isFinished());
    QMetaObject::invokeMethod(&model, "onStartImport", Qt::QueuedConnection);
    QTRY_VERIFY(model.isFinished());
    thread.quit();
    QVERIFY(thread.wait());
    QVERIFY(model.succeeded());
    QCOMPARE(model.importer().summary().monitors, 1);
    QCOMPARE(rows("tb_devCheck"), 10);
}

QTEST_GUILESS_MAIN(TestLegacyImporter)
#include "TestLegacyImporter.moc"
