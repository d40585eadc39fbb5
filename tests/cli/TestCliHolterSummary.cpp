#include "app/Config.h"
#include "db/DbOperator.h"
#include "support/CliRun.h"
#include "support/DbTestSupport.h"
#include "support/HolterRecordingFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const QString kSn = "HC0001";
const QString kTime = "20240307080000";
const QString kCutTime = "20240308080000";
const QString kMissingTime = "20240309080000";

} // namespace

// Runs vitacor-cli holter-summary on recordings made here.
class TestCliHolterSummary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void printsTheSummaryFigures();
    void screensAsTheStripList();
    void json();
    void failures_data();
    void failures();

private:
    int run(const QStringList& arguments);
    QString m_out;
    QString m_err;
};

void TestCliHolterSummary::initTestCase()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    DbTestSupport::freshDataDir();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kSn, 0)));
    for (const QString& time : {kTime, kCutTime, kMissingTime})
        QVERIFY(db->insertHolter(kSn, CheckUser(), time, 7200));
    const QString folder = Config::instance()->dataDir() + "/" + kSn + "/";
    HolterFileBuilder b = HolterRecordingFile::make(7200, {130, 40, 70});
    b.minutes[5].flags = HolterMinute::kPauseBit;
    QVERIFY(HolterRecordingFile::write(folder + kTime, b.bytes()));
    QVERIFY(HolterRecordingFile::write(folder + kCutTime, b.bytes().left(b.bytes().size() - 3)));
}

int TestCliHolterSummary::run(const QStringList& arguments)
{
    const CliRun run =
        CliRun::of(VITACOR_CLI, QStringList{"--data-dir", Config::instance()->dataDir(), "holter-summary"} + arguments);
    m_out = run.out;
    m_err = run.err;
    return run.exitCode;
}

void TestCliHolterSummary::printsTheSummaryFigures()
{
    QCOMPARE(run({"--sn", kSn, "--time", kTime}), 0);
    for (const char* line :
         {"  Total Strips:   120 (1 minute)", "  Total Time:     2h0m", "  Start Time:     08:00",
          "  Max HR:         130", "  Pause(>3s):     1 Strips", "  MEAN:           833 ms", "  PNN50:          12%"})
        QVERIFY2(m_out.contains(QString::fromUtf8(line) + "\n"), line);
    QVERIFY(!m_out.contains("Strips Screening"));
}

void TestCliHolterSummary::screensAsTheStripList()
{
    QCOMPARE(run({"--sn", kSn, "--time", kTime, "--screen", "hr120,pause"}), 0);
    const QStringList lines = m_out.section("Strips Screening\n", 1).split('\n', Qt::SkipEmptyParts);
    // Minutes 0, 3, 6, ... beat fast; minute 5 holds the pause.
    QCOMPARE(lines.first(), QString("  41 strips found"));
    QCOMPARE(lines.mid(1, 4),
             QStringList({"  7-Mar-2024 08:00", "  7-Mar-2024 08:03", "  7-Mar-2024 08:05", "  7-Mar-2024 08:06"}));
    QCOMPARE(lines.size(), 42);
}

void TestCliHolterSummary::json()
{
    QCOMPARE(run({"--sn", kSn, "--time", kTime, "--screen", "HR50", "--json"}), 0);
    const QJsonObject object = QJsonDocument::fromJson(m_out.toUtf8()).object();
    QCOMPARE(object.value("recording").toObject().value("totalStrips").toString(), QString("120 (1 minute)"));
    QCOMPARE(object.value("summary").toObject().value("avgHr").toString(), QString("72"));
    const QJsonObject screening = object.value("screening").toObject();
    QCOMPARE(screening.value("found").toInt(), 40);
    QCOMPARE(screening.value("strips").toArray().first().toObject().value("minute").toInt(), 1);
}

void TestCliHolterSummary::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown criterion") << QStringList{"--sn", kSn, "--time", kTime, "--screen", "hr120,fast"} << 2
                                       << "'fast' is not a screening criterion";
    QTest::newRow("bad time") << QStringList{"--sn", kSn, "--time", "2024"} << 2 << "wants a check time";
    QTest::newRow("no sn") << QStringList{"--time", kTime} << 2 << "--sn is missing";
    QTest::newRow("not stored") << QStringList{"--sn", kSn, "--time", "20200101000000"} << 1
                                << "no Holter recording of 'HC0001' starting 20200101000000";
    QTest::newRow("cut recording") << QStringList{"--sn", kSn, "--time", kCutTime} << 1 << "missing or incomplete";
    QTest::newRow("missing recording") << QStringList{"--sn", kSn, "--time", kMissingTime} << 1
                                       << "missing or incomplete";
}

void TestCliHolterSummary::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(run(arguments), code);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
}

QTEST_MAIN(TestCliHolterSummary)
#include "TestCliHolterSummary.moc"
