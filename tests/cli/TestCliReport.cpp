#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/EcgDetail.h"
#include "files/EcgRecord.h"
#include "files/RecordCodec.h"
#include "files/SlmRecord.h"
#include "support/CliRun.h"
#include "support/DbTestSupport.h"
#include "support/PageRaster.h"
#include "support/SyncFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString kSn = "SN7";
const QString kEcgTime = "20240102030405";
const QString kSleepTime = "20240102230000";
// A strip whose file ends after 1000 of the 9000 samples its header announces.
const QString kCutTime = "20240102100000";
// A whole strip with 2 MB appended after it.
const QString kTailTime = "20240102110000";
// Sleep checks whose trend file is empty, or missing.
const QString kEmptyTrendTime = "20240103230000";
const QString kNoTrendTime = "20240104230000";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

} // namespace

// Runs vitacor-cli report and sleep-csv on a data directory made here.
class TestCliReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writesReports_data();
    void writesReports();
    void failures_data();
    void failures();
    void sleepCsv();
    void noPermissionIsNamed();
    void exportsLeaveProgramFilesAlone_data();
    void exportsLeaveProgramFilesAlone();
    void fullDiskFailsAndKeepsOldFile_data();
    void fullDiskFailsAndKeepsOldFile();
    void checksReadsBesideAWriteTransaction();
    void deleteKeepsCheckWhoseFilesCannotGo();
    void damagedDetailFiles_data();
    void damagedDetailFiles();

private:
    int run(const QStringList& arguments);
    QTemporaryDir m_out;
    QString m_err;
};

void TestCliReport::initTestCase()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    QVERIFY(m_out.isValid());
    DbTestSupport::freshDataDir();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kSn, 2)));
    EcgRecord ecg;
    ecg.checkTime = CheckTime::fromText(kEcgTime);
    ecg.way = 1;
    QList<QByteArray> ecgs{RecordCodec::encode(ecg)};
    for (const QString& time : {kCutTime, kTailTime}) {
        ecg.checkTime = CheckTime::fromText(time);
        ecgs << RecordCodec::encode(ecg);
    }
    QVERIFY(db->insertChecks(kSn, CheckType::Ecg, ecgs));
    SlmRecord sleep;
    sleep.totalTime = 6;
    sleep.averageOxi = 96;
    QList<QByteArray> nights;
    for (const QString& time : {kSleepTime, kEmptyTrendTime, kNoTrendTime}) {
        sleep.checkTime = CheckTime::fromText(time);
        nights << RecordCodec::encode(sleep);
    }
    QVERIFY(db->insertChecks(kSn, CheckType::Sleep, nights));

    const QString dataDir = Config::instance()->dataDir();
    QVERIFY(QDir().mkpath(dataDir + "/" + kSn));
    EcgHeader header;
    header.heartRate = 72;
    header.waveLength = 9000 * 2;
    QFile detail(DetailPath::of(dataDir, kSn, kEcgTime));
    QVERIFY(detail.open(QIODevice::WriteOnly));
    const QByteArray strip = EcgDetail::toBytes(header, QVector<qint16>(9000, 0), EcgDetail::Form::Short);
    detail.write(strip);
    detail.close();
    writeFile(DetailPath::of(dataDir, kSn, kCutTime), strip.left(EcgDetail::kShortHeaderSize + 2000));
    writeFile(DetailPath::of(dataDir, kSn, kTailTime), strip + QByteArray(2 << 20, '\x55'));
    writeFile(DetailPath::of(dataDir, kSn, kEmptyTrendTime), QByteArray());
    QFile trend(DetailPath::of(dataDir, kSn, kSleepTime));
    QVERIFY(trend.open(QIODevice::WriteOnly));
    trend.write(QByteArray::fromHex("613c613dff3f"));
}

int TestCliReport::run(const QStringList& arguments)
{
    const CliRun run = CliRun::of(VITACOR_CLI, QStringList{"--data-dir", Config::instance()->dataDir()} + arguments);
    m_err = run.err;
    return run.exitCode;
}

void TestCliReport::writesReports_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("text");
    QTest::newRow("ECG as PDF") << "1" << kEcgTime << "pdf" << 2 << "HR: 72/min";
    QTest::newRow("ECG as JPG") << "1" << kEcgTime << "jpg" << 2 << QString();
    QTest::newRow("sleep as PDF") << "64" << kSleepTime << "pdf" << 1 << "Average: 96%";
}

void TestCliReport::writesReports()
{
    QFETCH(QString, type);
    QFETCH(QString, time);
    QFETCH(QString, format);
    QFETCH(int, pages);
    QFETCH(QString, text);
    const QString path = m_out.filePath("report." + format);
    QCOMPARE(run({"report", "--sn", kSn, "--type", type, "--time", time, "--" + format, path}), 0);
    if (format == "jpg") {
        QCOMPARE(QImage(path).size(), QSize(1050, pages * 1495));
        return;
    }
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
    QVERIFY(PageRaster::pdfText(path, 1).contains(text));
    QVERIFY(!PageRaster::pdfText(path, pages).isEmpty());
    QVERIFY(PageRaster::pdfText(path, pages + 1).isEmpty());
}

void TestCliReport::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString out = m_out.filePath("failed.pdf");
    QTest::newRow("no such check") << QStringList{"report", "--sn",           kSn,     "--type", "1",
                                                  "--time", "20200101000000", "--pdf", out}
                                   << 1 << "no check of type 1 at 20200101000000";
    QTest::newRow("no such monitor") << QStringList{"report", "--sn",   "NONE",  "--type", "1",
                                                    "--time", kEcgTime, "--pdf", out}
                                     << 1 << "no check of type 1";
    QTest::newRow("missing folder") << QStringList{"report", "--sn",  kSn,
                                                   "--type", "1",     "--time",
                                                   kEcgTime, "--pdf", m_out.filePath("none/x.pdf")}
                                    << 1 << "The folder " + m_out.filePath("none") + " does not exist.";
    QTest::newRow("missing folder for the csv")
        << QStringList{"sleep-csv", "--sn", kSn, "--time", kSleepTime, "--out", m_out.filePath("none/x.csv")} << 1
        << "The folder " + m_out.filePath("none") + " does not exist.";
    QTest::newRow("a folder") << QStringList{"report", "--sn",   kSn,     "--type",    "1",
                                             "--time", kEcgTime, "--jpg", m_out.path()}
                              << 1 << m_out.path() + " is a folder";
    QTest::newRow("delete with a bad time") << QStringList{"delete", "--sn", kSn, "--type", "1", "--time", "abc"} << 2
                                            << "--time wants a check time yyyyMMddHHmmss, got 'abc'";
    QTest::newRow("sleep check of another time")
        << QStringList{"sleep-csv", "--sn", kSn, "--time", kEcgTime, "--out", out} << 1 << "no check of type 64";
    QTest::newRow("both outputs") << QStringList{"report", "--sn",  kSn, "--type", "1", "--time",
                                                 kEcgTime, "--pdf", out, "--jpg",  out}
                                  << 2 << "give either --pdf FILE or --jpg FILE";
    QTest::newRow("no output") << QStringList{"report", "--sn", kSn, "--type", "1", "--time", kEcgTime} << 2
                               << "give either --pdf FILE or --jpg FILE";
    QTest::newRow("type without report") << QStringList{"report", "--sn",   kSn,     "--type", "2",
                                                        "--time", kEcgTime, "--pdf", out}
                                         << 2 << "'2' is not the code of a check type with a report";
    // Holter's report is the Holter report, not one of these pages.
    QTest::newRow("holter") << QStringList{"report", "--sn", kSn, "--type", "1024", "--time", kEcgTime, "--pdf", out}
                            << 2 << "the codes are 1, 16, 32, 64, 512 and 16384.";
    QTest::newRow("bad time") << QStringList{"report", "--sn", kSn, "--type", "1", "--time", "2024", "--pdf", out} << 2
                              << "--time wants a check time yyyyMMddHHmmss, got '2024'";
    QTest::newRow("no serial") << QStringList{"sleep-csv", "--time", kSleepTime, "--out", out} << 2
                               << "--sn is missing";
}

void TestCliReport::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(run(arguments), code);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QCOMPARE(QDir(m_out.path()).entryList({"failed.*", "x.*"}, QDir::Files), QStringList());
    QVERIFY(!QDir(m_out.filePath("none")).exists());
}

void TestCliReport::sleepCsv()
{
    const QString path = m_out.filePath("sleep.csv");
    QCOMPARE(run({"sleep-csv", "--sn", kSn, "--time", kSleepTime, "--out", path}), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.at(2).endsWith("\",97,60,"));
    QVERIFY(lines.at(4).endsWith("\",255,63,"));
    QVERIFY(lines.at(4).contains("11:00:04PM"));
}

void TestCliReport::noPermissionIsNamed()
{
    if (geteuid() == 0)
        QSKIP("root writes through folder permissions");
    const QString folder = m_out.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const int code = run({"sleep-csv", "--sn", kSn, "--time", kSleepTime, "--out", folder + "/x.csv"});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(code, 1);
    QVERIFY2(m_err.contains("Permission denied"), qPrintable(m_err));
}

void TestCliReport::exportsLeaveProgramFilesAlone_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    const QString data = Config::instance()->dataDir();
    QTest::newRow("record database") << data + "/db_vitacor.db"
                                     << "belongs to the record database";
    QTest::newRow("its journal") << data + "/db_vitacor.db-journal"
                                 << "belongs to the record database";
    QTest::newRow("log file") << data + "/VitacorBrowser.log"
                              << "is the program's log file";
    QTest::newRow("stored strip") << DetailPath::of(data, kSn, kEcgTime) << "lies in the folder of the monitor SN7";
    QTest::newRow("new file in a device folder") << data + "/" + kSn + "/report.pdf"
                                                 << "lies in the folder of the monitor SN7";
    QTest::newRow("scratch folder") << data + "/.temp_" + kSn + "/report.pdf"
                                    << "lies in a download's scratch folder";
    QTest::newRow("download lock") << data + "/.temp_" + kSn + ".lock"
                                   << "belongs to a download";
    QTest::newRow("link to the database") << m_out.filePath("link.db") << "belongs to the record database";
    QTest::newRow("FIFO") << m_out.filePath("fifo") << "is not a regular file";
    QTest::newRow("character device") << m_out.filePath("null") << "is not a regular file";
}

// The target is made here: a node of the test's own, never one of the system's.
void TestCliReport::exportsLeaveProgramFilesAlone()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    const QString data = Config::instance()->dataDir();
    QDir().mkpath(data + "/.temp_" + kSn);
    if (target.endsWith("link.db") && !QFileInfo(target).isSymLink())
        QVERIFY(QFile::link(data + "/db_vitacor.db", target));
    if (target.endsWith("fifo") && !QFileInfo::exists(target))
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    if (target.endsWith("null") && !QFileInfo::exists(target)) {
        if (geteuid() != 0)
            QSKIP("making a character device needs root");
        QCOMPARE(mknod(QFile::encodeName(target).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    }
    const QFileInfo node(target);
    const QByteArray before = node.isFile() ? SyncFixture::readFile(target) : QByteArray();
    for (const QStringList& command :
         {QStringList{"sleep-csv", "--sn", kSn, "--time", kSleepTime, "--out", target},
          QStringList{"report", "--sn", kSn, "--type", "1", "--time", kEcgTime, "--pdf", target}}) {
        QCOMPARE(run(command), 1);
        QVERIFY2(m_err.contains(message), qPrintable(m_err));
        QCOMPARE(m_err.count('\n'), 1);
    }
    const QFileInfo after(target);
    QCOMPARE(after.exists(), node.exists());
    QCOMPARE(after.isFile(), node.isFile());
    if (node.isFile())
        QCOMPARE(SyncFixture::readFile(target), before);
    QVERIFY(DbOperator::instance()->flowIds(kSn).contains(kEcgTime + kSn));
    QDir(data + "/.temp_" + kSn).removeRecursively();
}

void TestCliReport::fullDiskFailsAndKeepsOldFile_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("freeBytes");
    QTest::newRow("sleep csv") << QStringList{"sleep-csv", "--sn", kSn, "--time", kSleepTime, "--out"} << 0;
    QTest::newRow("PDF") << QStringList{"report", "--sn", kSn, "--type", "1", "--time", kEcgTime, "--pdf"} << 12288;
    QTest::newRow("JPG") << QStringList{"report", "--sn", kSn, "--type", "1", "--time", kEcgTime, "--jpg"} << 12288;
}

// A small file system of the test's own, filled up to a few pages.
void TestCliReport::fullDiskFailsAndKeepsOldFile()
{
    QFETCH(QStringList, command);
    QFETCH(int, freeBytes);
    QTemporaryDir mountPoint;
    if (geteuid() != 0 || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", mountPoint.path()}) != 0)
        QSKIP("a small file system to fill needs root and mount; the full disk is not tried here");
    struct Unmount
    {
        QString path;
        ~Unmount() { QProcess::execute("umount", {"-l", path}); }
    } unmount{mountPoint.path()};
    const QString old = mountPoint.filePath("old");
    SyncFixture::writeFile(old, "the report of yesterday");
    {
        QFile filler(mountPoint.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {}
        filler.resize(qMax<qint64>(0, filler.size() - freeBytes));
    }
    QCOMPARE(run(command << old), 1);
    QVERIFY2(m_err.contains("No space left on device"), qPrintable(m_err));
    QCOMPARE(m_err.count('\n'), 1);
    QCOMPARE(SyncFixture::readFile(old), QByteArray("the report of yesterday"));
    QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "old"}));
}

// Another program's write transaction leaves reading open, so listing does not wait for it.
void TestCliReport::checksReadsBesideAWriteTransaction()
{
    const QString connection = "writer";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(Config::instance()->dataDir() + "/db_vitacor.db");
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec("BEGIN IMMEDIATE"));
        QVERIFY(query.exec("insert into tb_device (sn, hwMajor) values ('OTHER', 2)"));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run({"checks", "--sn", kSn}), 0);
        QVERIFY2(timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
        query.exec("ROLLBACK");
    }
    QSqlDatabase::removeDatabase(connection);
}

// A device folder that cannot be changed keeps the strip, so the check stays stored too.
void TestCliReport::deleteKeepsCheckWhoseFilesCannotGo()
{
    const QString folder = Config::instance()->dataDir() + "/" + kSn;
    const bool root = geteuid() == 0;
    if (root ? QProcess::execute("chattr", {"+i", folder}) != 0
             : !QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner))
        QSKIP("the device folder cannot be made unchangeable here");
    const int code = run({"delete", "--sn", kSn, "--type", "1", "--time", kEcgTime});
    if (root)
        QProcess::execute("chattr", {"-i", folder});
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(code, 1);
    QVERIFY2(m_err.contains(DetailPath::of(Config::instance()->dataDir(), kSn, kEcgTime)), qPrintable(m_err));
    QVERIFY2(m_err.contains("kept with their files"), qPrintable(m_err));
    QVERIFY(QFile::exists(DetailPath::of(Config::instance()->dataDir(), kSn, kEcgTime)));
    QVERIFY(DbOperator::instance()->flowIds(kSn).contains(kEcgTime + kSn));
}

void TestCliReport::damagedDetailFiles_data()
{
    QTest::addColumn<QStringList>("arguments"); // the output file is added
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message"); // on stderr
    QTest::addColumn<int>("pages"); // of the PDF written; 0 when none may be
    QTest::addColumn<QString>("underStrip"); // on the last page

    const QStringList ecg{"report", "--sn", kSn, "--type", "1", "--time"};
    const QString cut = "the strip is cut: 1000 of 9000 samples";
    QTest::newRow("cut strip") << ecg + QStringList{kCutTime, "--pdf"} << 1 << cut << 1
                               << "The strip is cut: 1000 of 9000 samples";
    QTest::newRow("cut strip as JPG") << ecg + QStringList{kCutTime, "--jpg"} << 1 << cut << 0 << QString();
    // Only the samples the header announces: the same two pages as the whole strip, no note.
    QTest::newRow("strip with a tail") << ecg + QStringList{kTailTime, "--pdf"} << 0 << QString() << 2 << QString();
    const QString empty = "trend file '" + DetailPath::of(Config::instance()->dataDir(), kSn, kEmptyTrendTime) +
        "' of the sleep check is missing or empty";
    const QString missing = "trend file '" + DetailPath::of(Config::instance()->dataDir(), kSn, kNoTrendTime) +
        "' of the sleep check is missing or empty";
    QTest::newRow("empty trend, CSV") << QStringList{"sleep-csv", "--sn", kSn, "--time", kEmptyTrendTime, "--out"} << 1
                                      << empty << 0 << QString();
    QTest::newRow("missing trend, CSV") << QStringList{"sleep-csv", "--sn", kSn, "--time", kNoTrendTime, "--out"} << 1
                                        << missing << 0 << QString();
    QTest::newRow("empty trend, PDF") << QStringList{"report", "--sn",          kSn,    "--type", "64",
                                                     "--time", kEmptyTrendTime, "--pdf"}
                                      << 1 << empty << 0 << QString();
}

void TestCliReport::damagedDetailFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(int, pages);
    QFETCH(QString, underStrip);
    const QString path = m_out.filePath(QString("damaged%1.out").arg(QTest::currentDataTag()).remove(' '));

    QCOMPARE(run(arguments << path), code);

    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    const bool written = arguments.contains("report") && (pages > 0 || arguments.contains("--jpg"));
    QCOMPARE(QFile::exists(path), written);
    if (pages == 0)
        return;
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
    QVERIFY(!PageRaster::pdfText(path, pages).isEmpty());
    QVERIFY(PageRaster::pdfText(path, pages + 1).isEmpty());
    QCOMPARE(PageRaster::pdfText(path, pages).contains("The strip is cut"), !underStrip.isEmpty());
    if (!underStrip.isEmpty())
        QVERIFY2(PageRaster::pdfText(path, pages).simplified().contains(underStrip),
                 qPrintable(PageRaster::pdfText(path, pages)));
}

QTEST_MAIN(TestCliReport)
#include "TestCliReport.moc"
