#include "app/Constants.h"
#include "files/RecordCodec.h"
#include "support/CliRun.h"
#include "support/SyncFixture.h"

#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace SyncFixture;

namespace {

// The tool's own config.ini: it runs under the program's name.
QString cliConfigFile()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + "/VitacorBrowser/config.ini";
}

CliRun cli(const QStringList& arguments)
{
    return CliRun::of(VITACOR_CLI, arguments, QProcessEnvironment::systemEnvironment(), 120000);
}

int count(const QString& dbFile, const QString& statement)
{
    int value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "look");
        db.setDatabaseName(dbFile);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                value = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase("look");
    return value;
}

} // namespace

// vitacor-cli import-legacy and move-data-dir, run as a person would.
class TestCliLegacyAndMove : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void importLegacy_data();
    void importLegacy();
    void moveDataDir_data();
    void moveDataDir();

private:
    QString path(const QString& name) const { return m_root->path() + "/" + name; }
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestCliLegacyAndMove::init()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QFile::remove(cliConfigFile());
    QDir().mkpath(QFileInfo(cliConfigFile()).path());
    QSettings(cliConfigFile(), QSettings::IniFormat).setValue("dataDir", path("data"));
}

void TestCliLegacyAndMove::importLegacy_data()
{
    QTest::addColumn<QString>("sources"); // %1: the temporary root
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("ecgRows");
    QTest::addColumn<QString>("says");
    QTest::newRow("one folder") << "%1/legacy" << 0 << 3 << "Imported 1 of 1 monitor folders: 3 checks";
    QTest::newRow("two, an empty part") << "%1/legacy;;%1/second" << 0 << 4
                                        << "Imported 2 of 2 monitor folders: 4 checks";
    QTest::newRow("missing folder") << "%1/absent" << 2 << -1 << "does not exist";
    QTest::newRow("no monitor folder") << "%1/second/Vitacor_Two/ECG" << 1 << -1 << "no monitor folder";
}

void TestCliLegacyAndMove::importLegacy()
{
    QFETCH(QString, sources);
    QFETCH(int, exitCode);
    QFETCH(int, ecgRows);
    QFETCH(QString, says);
    const QString one = path("legacy/Vitacor_One/");
    QVERIFY(QDir().mkpath(one + "ECG"));
    writeFile(one + "devi.dat", devDat(0, "CLI1").left(30));
    writeFile(one + "ECG/ecg.dat", records(1, 10, 1, 3));
    writeFile(one + "ECG/20240506070100", "detail");
    const QString two = path("second/Vitacor_Two/");
    QVERIFY(QDir().mkpath(two + "ECG"));
    writeFile(two + "devi.dat", devDat(0, "CLI2").left(30));
    writeFile(two + "ECG/ecg.dat", records(1, 10, 2, 1));

    const CliRun run =
        cli({"--data-dir", path("run"), "import-legacy", QString(sources).replace("%1", m_root->path())});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
    QCOMPARE(count(path("run/") + Vitacor::kDbFileName, "select count(*) from tb_ecg"), ecgRows);
    if (exitCode == 0) {
        QVERIFY(run.err.contains("Importing "));
        QCOMPARE(readFile(path("run/CLI1/20240506070100")), QByteArray("detail"));
    }
    // --data-dir is for this run only.
    QCOMPARE(QSettings(cliConfigFile(), QSettings::IniFormat).value("dataDir").toString(), path("data"));
}

void TestCliLegacyAndMove::moveDataDir_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("ownDataDir"); // --data-dir names another folder than config.ini
    QTest::addColumn<bool>("occupied"); // a database is in the target already
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::newRow("configured") << "moved" << false << false << 0 << "Moved the data directory";
    QTest::newRow("run's own") << "moved" << true << false << 0 << "The configured data directory stays";
    QTest::newRow("database in the way") << "moved" << false << true << 1 << "nothing was moved";
    QTest::newRow("subdirectory") << "data/inner" << false << false << 2 << "inside the data directory";
    QTest::newRow("same") << "data" << false << false << 0 << "nothing moved";
}

void TestCliLegacyAndMove::moveDataDir()
{
    QFETCH(QString, target);
    QFETCH(bool, ownDataDir);
    QFETCH(bool, occupied);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const QString from = ownDataDir ? path("other") : path("data");
    const QString legacy = path("legacy/Vitacor_One/");
    QVERIFY(QDir().mkpath(legacy + "ECG"));
    writeFile(legacy + "devi.dat", devDat(0, "MV1").left(30));
    writeFile(legacy + "ECG/ecg.dat", records(1, 10, 1, 2));
    writeFile(legacy + "ECG/20240506070100", "detail");
    QCOMPARE(cli({"--data-dir", from, "import-legacy", path("legacy")}).exitCode, 0);
    if (occupied) {
        QVERIFY(QDir().mkpath(path(target)));
        writeFile(path(target + "/") + Vitacor::kDbFileName, "not ours");
    }

    QStringList arguments;
    if (ownDataDir)
        arguments << "--data-dir" << from;
    const CliRun run = cli(arguments << "move-data-dir" << path(target));
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
    const bool moved = exitCode == 0 && target != "data";
    const QString now = moved ? path(target) : from;
    QCOMPARE(count(now + "/" + Vitacor::kDbFileName, "select count(*) from tb_ecg"), 2);
    QCOMPARE(readFile(now + "/MV1/20240506070100"), QByteArray("detail"));
    if (moved) {
        QVERIFY(run.err.contains("Moving: "));
        QVERIFY(!QFile::exists(from + "/MV1"));
        QVERIFY(!QFile::exists(from + "/" + Vitacor::kDbFileName));
    }
    const QString configured = QSettings(cliConfigFile(), QSettings::IniFormat).value("dataDir").toString();
    QCOMPARE(configured, moved && !ownDataDir ? path(target) : path("data"));
    if (occupied)
        QCOMPARE(readFile(path(target + "/") + Vitacor::kDbFileName), QByteArray("not ours"));
}

QTEST_GUILESS_MAIN(TestCliLegacyAndMove)
#include "TestCliLegacyAndMove.moc"
