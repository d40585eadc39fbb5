#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/DetailPath.h"
#include "support/CliRun.h"
#include "support/DbTestSupport.h"
#include "support/HolterRecordingFixture.h"
#include "support/PageRaster.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSn = "SN7";
const QString kTime = "20240102080000";
// Stored, but its file never arrived.
const QString kMissingTime = "20240103080000";

} // namespace

// Runs vitacor-cli holter-report on a data directory made here.
class TestCliHolterReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writesReports_data();
    void writesReports();
    void failures_data();
    void failures();

private:
    int run(const QStringList& arguments);
    QTemporaryDir m_out;
    QString m_err;
};

void TestCliHolterReport::initTestCase()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    QVERIFY(m_out.isValid());
    DbTestSupport::freshDataDir();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kSn, 0)));
    QVERIFY(db->storeUsers(kSn, {DbTestSupport::user(kSn, "Anna")}));
    QVERIFY(db->insertHolter(kSn, DbTestSupport::user(kSn, "Anna"), kTime, 16 * 60 + 30));
    QVERIFY(db->insertHolter(kSn, DbTestSupport::user(kSn, "Anna"), kMissingTime, 3600));
    const QString dataDir = Config::instance()->dataDir();
    QVERIFY(QDir().mkpath(dataDir + "/" + kSn));
    QFile file(DetailPath::of(dataDir, kSn, kTime));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(holterRecording(QDateTime(QDate(2024, 1, 2), QTime(8, 0)), 16 * 60 + 30,
                               [](int i) { return i % 125 < 4 ? 1000 : 0; }));
}

int TestCliHolterReport::run(const QStringList& arguments)
{
    const CliRun run = CliRun::of(VITACOR_CLI, QStringList{"--data-dir", Config::instance()->dataDir()} + arguments);
    m_err = run.err;
    return run.exitCode;
}

void TestCliHolterReport::writesReports_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("lastPageText");
    QTest::addColumn<bool>("warned");
    QTest::newRow("15 minutes a page") << kTime << QStringList{"--lines", "30"} << 3 << "08:15" << false;
    QTest::newRow("30 minutes a page") << kTime << QStringList{"--lines", "60"} << 2 << "08:15" << false;
    // The configured value: unset means 30 lines.
    QTest::newRow("configured") << kTime << QStringList() << 3 << "2/2" << false;
    QTest::newRow("file missing") << kMissingTime << QStringList() << 1 << "Anna" << true;
}

void TestCliHolterReport::writesReports()
{
    QFETCH(QString, time);
    QFETCH(QStringList, lines);
    QFETCH(int, pages);
    QFETCH(QString, lastPageText);
    QFETCH(bool, warned);
    const QString path = m_out.filePath("holter.pdf");
    QCOMPARE(run(QStringList{"holter-report", "--sn", kSn, "--time", time, "--pdf", path} + lines), 0);
    QCOMPARE(m_err.contains("missing or incomplete"), warned);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
    QVERIFY(PageRaster::pdfText(path, 1).contains("Holter ECG Report"));
    QVERIFY(PageRaster::pdfText(path, pages).contains(lastPageText));
    QVERIFY(PageRaster::pdfText(path, pages + 1).isEmpty());
}

void TestCliHolterReport::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString pdf = m_out.filePath("x.pdf");
    QTest::newRow("no file") << QStringList{"--sn", kSn, "--time", kTime} << 2 << "--pdf is missing";
    QTest::newRow("empty file name") << QStringList{"--sn", kSn, "--time", kTime, "--pdf", ""} << 2
                                     << "--pdf needs a file name";
    QTest::newRow("lines 45") << QStringList{"--sn", kSn, "--time", kTime, "--pdf", pdf, "--lines", "45"} << 2
                              << "--lines wants 30 or 60";
    QTest::newRow("bad time") << QStringList{"--sn", kSn, "--time", "2024", "--pdf", pdf} << 2 << "yyyyMMddHHmmss";
    QTest::newRow("not stored") << QStringList{"--sn", kSn, "--time", "20240104080000", "--pdf", pdf} << 1
                                << "no Holter recording";
    QTest::newRow("unwritable") << QStringList{"--sn", kSn, "--time", kTime, "--pdf", "/nonexistent/dir/x.pdf"} << 1
                                << "cannot be written";
}

void TestCliHolterReport::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(run(QStringList{"holter-report"} + arguments), code);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QVERIFY(!QFile::exists(m_out.filePath("x.pdf")));
}

QTEST_MAIN(TestCliHolterReport)
#include "TestCliHolterReport.moc"
