#include "files/RecordCodec.h"
#include "support/ByteFixture.h"
#include "support/CliRun.h"
#include "support/MonitorFolder.h"
#include "support/SyncFixture.h"
#include "sync/DownloadFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using SyncFixture::readFile;

namespace {

const QByteArray kSn = "FAULT001";
// The check time of the recordings below, and of the ECG strip that can share it.
const QString kTime = SyncFixture::holterTime(9);

QByteArray ecgRecord(int year, int month, int day, int hour, int minute)
{
    return ByteFixture().stamp(year, month, day, hour, minute, 0).zeros(3);
}

using MonitorFiles = QMap<QString, QByteArray>;

} // namespace

Q_DECLARE_METATYPE(MonitorFiles)

// Downloads of hand-built monitors through the built vitacor-cli, where the
// monitor's data, the link, another download or the local disk get in the way.
class TestCliDownloadFaults : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void leftOutDataIsReported_data();
    void leftOutDataIsReported();
    void anotherDownloadOfTheMonitorIsNotJoined();
    void localWriteFailureIsToldFromTheLink();

private:
    MonitorFolder plug(const MonitorFiles& files) const;
    // Runs vitacor-cli through the shell, after `limits` (shell commands).
    int run(const QStringList& arguments, const QString& limits = QString());
    QJsonObject report() const { return QJsonDocument::fromJson(m_out.toUtf8()).array().at(0).toObject(); }
    QString deviceDir() const { return m_data + "/" + kSn + "/"; }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bus;
    QString m_data;
    QString m_out;
    QString m_err;
};

void TestCliDownloadFaults::init()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_bus = m_dir->filePath("bus");
    m_data = m_dir->filePath("data");
}

MonitorFolder TestCliDownloadFaults::plug(const MonitorFiles& files) const
{
    const MonitorFolder monitor(m_bus, "m1", 0, kSn);
    for (auto it = files.begin(); it != files.end(); ++it)
        monitor.writeFile(it.key(), it.value());
    return monitor;
}

int TestCliDownloadFaults::run(const QStringList& arguments, const QString& limits)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", m_dir->filePath("home/data"));
    environment.insert("XDG_CONFIG_HOME", m_dir->filePath("home/config"));
    const CliRun run = CliRun::of(
        "/bin/sh", QStringList{"-c", limits + "\nexec \"$0\" \"$@\"", VITACOR_CLI} + arguments, environment, 120000);
    m_out = run.out;
    m_err = run.err;
    return run.exitCode;
}

void TestCliDownloadFaults::leftOutDataIsReported_data()
{
    QTest::addColumn<MonitorFiles>("files");
    QTest::addColumn<QString>("key"); // of the JSON report
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("told"); // on stderr
    QTest::addColumn<int>("status"); // 1 whenever the Holter recording is not stored
    QTest::addColumn<QByteArray>("kept"); // the device folder's file named kTime; empty when there is none

    const QByteArray users = SyncFixture::user(1, "Anna");
    const QByteArray strip = MonitorFolder::randomBytes(800, 5);
    const QByteArray recording = SyncFixture::waveFile(1, 9, 60);
    const QByteArray ecgAtKTime = ecgRecord(2024, 5, 6, 9, 30);
    QTest::newRow("Holter in the second of an ECG strip")
        << MonitorFiles{{"usr.dat", users}, {"ecg.dat", ecgAtKTime}, {kTime, strip}, {"waveFile", recording}}
        << "conflicts"
        << QVariant(QVariantList{"ECG Holter check at " + kTime +
                                 " not stored: the ECG Recorder check stored under the same time is kept."})
        << "check at " + kTime + " not stored" << 1 << strip;
    QTest::newRow("time stamps that are no date and time")
        << MonitorFiles{{"usr.dat", users},
                        {"ecg.dat",
                         ecgAtKTime + ecgRecord(2024, 13, 1, 8, 0) + ecgRecord(2024, 2, 30, 8, 0) +
                             ecgRecord(2024, 5, 6, 25, 0) + QByteArray(10, '\0') + ecgRecord(2100, 1, 1, 0, 0)},
                        {kTime, strip}}
        << "invalidTimes" << QVariant(5) << "5 records passed over" << 0 << strip;
    QTest::newRow("Holter shorter than its header")
        << MonitorFiles{{"usr.dat", users}, {"waveFile", recording.left(61)}} << "rejectedRecordings"
        << QVariant(QVariantList{"Holter recording not stored: its 61 bytes are shorter than its 62-byte header."})
        << "its 61 bytes are shorter" << 1 << QByteArray();
    QTest::newRow("Holter longer than its header says")
        << MonitorFiles{{"usr.dat", users}, {"waveFile", recording + "xx"}} << "rejectedRecordings"
        << QVariant(QVariantList{QString("Holter recording at %1 not stored: its %2 bytes and 60 s disagree with its "
                                         "header.")
                                     .arg(kTime)
                                     .arg(recording.size() + 2)})
        << "disagree with its header" << 1 << QByteArray();
    QByteArray endless = recording;
    endless.replace(15, 4, ByteFixture().u32(0x7FFFFFFF));
    QTest::newRow("Holter duration beyond its samples")
        << MonitorFiles{{"usr.dat", users}, {"waveFile", endless}} << "rejectedRecordings"
        << QVariant(QVariantList{QString("Holter recording at %1 not stored: its %2 bytes and 2147483647 s disagree "
                                         "with its header.")
                                     .arg(kTime)
                                     .arg(recording.size())})
        << "disagree with its header" << 1 << QByteArray();
    QTest::newRow("Holter start unanswered")
        << MonitorFiles{{"usr.dat", users}, {"waveFile", recording}, {"faults", "silent waveFile\n"}}
        << "holterNotDownloaded" << QVariant(true) << "Holter recording not downloaded" << 1 << QByteArray();
}

void TestCliDownloadFaults::leftOutDataIsReported()
{
    QFETCH(MonitorFiles, files);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, told);
    QFETCH(int, status);
    QFETCH(QByteArray, kept);
    plug(files);

    QCOMPARE(run({"--data-dir", m_data, "--emulate", m_bus, "download", "--json"}), status);

    QVERIFY2(m_err.contains(told), qPrintable(m_err));
    QVERIFY(report().value("stored").toBool());
    QCOMPARE(report().value(key).toVariant(), value);
    QCOMPARE(report().value("holterRejected").toBool(), key != "holterNotDownloaded" && status == 1);
    QCOMPARE(readFile(deviceDir() + kTime), kept);
    QVERIFY(!QFile::exists(deviceDir() + "waveFile"));
    QVERIFY(readFile(m_data + "/VitacorBrowser.log").contains(told.toUtf8()));
}

void TestCliDownloadFaults::anotherDownloadOfTheMonitorIsNotJoined()
{
    plug({{"usr.dat", SyncFixture::user(1, "Anna")}, {"ecg.dat", ecgRecord(2024, 5, 6, 9, 30)}, {kTime, "strip"}});
    QVERIFY(QDir().mkpath(m_data));
    // The lock of a download of this monitor by another process.
    QLockFile other(DownloadFolder::lockPath(m_data, kSn));
    QVERIFY(other.tryLock());

    QCOMPARE(run({"--data-dir", m_data, "--emulate", m_bus, "download", "--json"}), 1);

    QVERIFY2(m_err.contains(kSn +
                            ": another download of this monitor into this data directory is running; nothing "
                            "was downloaded."),
             qPrintable(m_err));
    QVERIFY(report().value("busy").toBool());
    QVERIFY(!report().value("stored").toBool());
    QVERIFY(!QFile::exists(deviceDir()));
    QCOMPARE(run({"--data-dir", m_data, "checks", "--sn", kSn}), 1);

    other.unlock();
    QCOMPARE(run({"--data-dir", m_data, "--emulate", m_bus, "download", "--json"}), 0);
    QCOMPARE(readFile(deviceDir() + kTime), QByteArray("strip"));
}

void TestCliDownloadFaults::localWriteFailureIsToldFromTheLink()
{
    plug({{"usr.dat", SyncFixture::user(1, "Anna")},
          {"ecg.dat", ecgRecord(2024, 5, 6, 9, 30)},
          {kTime, MonitorFolder::randomBytes(6 << 20, 9)}});

    // Files may not grow past 2 MiB (4096 blocks of 512 bytes), as on a full disk; with the signal of that
    // ignored, the writes fail.
    QCOMPARE(run({"--data-dir", m_data, "--emulate", m_bus, "download", "--json"}, "trap '' XFSZ; ulimit -f 4096"), 1);

    const QString failure = "cannot write " + DownloadFolder::scratchPath(m_data, kSn) + kTime + ": File too large";
    QVERIFY2(m_err.contains(kSn + ": download failed after 2 files, " + failure + "; nothing was stored."),
             qPrintable(m_err));
    QVERIFY(m_err.contains("Free some space or make the data directory writable"));
    QVERIFY(!m_err.contains("Check the cable"));
    QCOMPARE(report().value("writeFailure").toString(), failure);
    QVERIFY(!report().value("complete").toBool());
    QVERIFY(readFile(m_data + "/VitacorBrowser.log").contains(failure.toUtf8()));
    QVERIFY(!QFile::exists(DownloadFolder::scratchPath(m_data, kSn)));
}

QTEST_GUILESS_MAIN(TestCliDownloadFaults)
#include "TestCliDownloadFaults.moc"
