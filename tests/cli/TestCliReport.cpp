#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/EcgDetail.h"
#include "files/EcgRecord.h"
#include "files/RecordCodec.h"
#include "files/SlmRecord.h"
#include "support/DbTestSupport.h"
#include "support/PageRaster.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSn = "SN7";
const QString kEcgTime = "20240102030405";
const QString kSleepTime = "20240102230000";

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
    QVERIFY(db->insertChecks(kSn, CheckType::Ecg, {RecordCodec::encode(ecg)}));
    SlmRecord sleep;
    sleep.checkTime = CheckTime::fromText(kSleepTime);
    sleep.totalTime = 6;
    sleep.averageOxi = 96;
    QVERIFY(db->insertChecks(kSn, CheckType::Sleep, {RecordCodec::encode(sleep)}));

    const QString dataDir = Config::instance()->dataDir();
    QVERIFY(QDir().mkpath(dataDir + "/" + kSn));
    EcgHeader header;
    header.heartRate = 72;
    header.waveLength = 9000 * 2;
    QFile detail(DetailPath::of(dataDir, kSn, kEcgTime));
    QVERIFY(detail.open(QIODevice::WriteOnly));
    detail.write(EcgDetail::toBytes(header, QVector<qint16>(9000, 0), EcgDetail::Form::Short));
    detail.close();
    QFile trend(DetailPath::of(dataDir, kSn, kSleepTime));
    QVERIFY(trend.open(QIODevice::WriteOnly));
    trend.write(QByteArray::fromHex("613c613dff3f"));
}

int TestCliReport::run(const QStringList& arguments)
{
    QProcess process;
    process.start(VITACOR_CLI, QStringList{"--data-dir", Config::instance()->dataDir()} + arguments);
    if (!process.waitForFinished(60000))
        return -1;
    m_err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
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
    QTest::newRow("unwritable file") << QStringList{"report", "--sn",  kSn,
                                                    "--type", "1",     "--time",
                                                    kEcgTime, "--pdf", m_out.filePath("none/x.pdf")}
                                     << 1 << "create pdf failed";
    QTest::newRow("unwritable csv")
        << QStringList{"sleep-csv", "--sn", kSn, "--time", kSleepTime, "--out", m_out.filePath("none/x.csv")} << 1
        << "Create file failed.";
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

QTEST_MAIN(TestCliReport)
#include "TestCliReport.moc"
