#include "support/CliRun.h"
#include "support/UnusableDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Runs the built vitacor-cli as a user would and checks exit codes and messages.
class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void commandLineErrorsExitWithTwo_data();
    void commandLineErrorsExitWithTwo();
    void helpExitsWithZero_data();
    void helpExitsWithZero();
    void makeDemoWritesTheChosenModels();
    void makeDemoFailsWhereItCannotWrite();
    void unusableDatabaseIsNamedAndLeftAlone_data();
    void unusableDatabaseIsNamedAndLeftAlone();
    void dataDirOptionLeavesTheProfileAlone_data();
    void dataDirOptionLeavesTheProfileAlone();

private:
    int run(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    QTemporaryDir m_dir;
    QString m_out;
    QString m_err;
};

void TestCli::initTestCase()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    QVERIFY(m_dir.isValid());
}

int TestCli::run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    const CliRun run = CliRun::of(VITACOR_CLI, arguments, environment);
    m_out = run.out;
    m_err = run.err;
    return run.exitCode;
}

void TestCli::commandLineErrorsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"make-toast"}
                                     << "unknown command 'make-toast'. Commands: make-demo";
    QTest::newRow("unknown global option") << QStringList{"--colour", "make-demo"} << "Unknown option 'colour'";
    QTest::newRow("no bus folder") << QStringList{"make-demo"} << "the bus folder BUSDIR is missing";
    QTest::newRow("two bus folders") << QStringList{"make-demo", "a", "b"} << "give exactly one bus folder, got: a b";
    QTest::newRow("seed not a number") << QStringList{"make-demo", "bus", "--seed", "x1"}
                                       << "--seed wants a whole number from 0 to 18446744073709551615, got 'x1'";
    QTest::newRow("negative seed") << QStringList{"make-demo", "bus", "--seed", "-1"} << "--seed wants a whole number";
    QTest::newRow("unknown model")
        << QStringList{"make-demo", "bus", "--models", "0,10"}
        << "'10' is not a model type code; the codes are 0,1,2,3,4,5,6,7,8,9,17,18,19,49,53,54";
    QTest::newRow("no model") << QStringList{"make-demo", "bus", "--models", ","} << "--models names no model";
    QTest::newRow("zero hours") << QStringList{"make-demo", "bus", "--holter-hours", "0"}
                                << "--holter-hours wants a number of hours above 0 and at most 72, got '0'";
    QTest::newRow("too many hours") << QStringList{"make-demo", "bus", "--holter-hours", "72.5"}
                                    << "at most 72, got '72.5'";
    QTest::newRow("hours not a number") << QStringList{"make-demo", "bus", "--holter-hours", "nan"} << "got 'nan'";
    QTest::newRow("option without value")
        << QStringList{"make-demo", "bus", "--seed"} << "Missing value after '--seed'";
}

void TestCli::commandLineErrorsExitWithTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QDir::setCurrent(m_dir.path());
    QCOMPARE(run(arguments), 2);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QVERIFY(m_err.contains("--help"));
    QVERIFY(!QFile::exists(m_dir.filePath("bus")));
}

void TestCli::helpExitsWithZero_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::newRow("global") << QStringList{"--help"} << "make-demo";
    QTest::newRow("help command") << QStringList{"help"} << "Commands:";
    QTest::newRow("report --help") << QStringList{"report", "--help"} << "1, 16, 32, 64, 512 or 16384.";
    QTest::newRow("help make-demo") << QStringList{"help", "make-demo"} << "--holter-hours <H>";
    QTest::newRow("make-demo --help") << QStringList{"make-demo", "--help"}
                                      << "Usage: vitacor-cli make-demo [options] BUSDIR";
    QTest::newRow("version") << QStringList{"--version"} << "vitacor-cli ";
}

void TestCli::helpExitsWithZero()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QCOMPARE(run(arguments), 0);
    QVERIFY2(m_out.contains(text), qPrintable(m_out));
    QVERIFY(m_err.isEmpty());
}

void TestCli::makeDemoWritesTheChosenModels()
{
    const QString bus = m_dir.filePath("demo");
    QCOMPARE(run({"make-demo", bus, "--models", "54, 49,54", "--seed", "12", "--holter-hours", "0.5"}), 0);
    QCOMPARE(QDir(bus).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size(), 2);
    QCOMPARE(QDir(bus).entryList({"54-*"}, QDir::Dirs).size(), 1);
    QCOMPARE(QDir(bus).entryList({"49-*"}, QDir::Dirs).size(), 1);
    QVERIFY(m_out.contains("2 monitors written to " + bus));
    const QString first = m_out;
    // Again over the same bus: the monitors are replaced by identical ones.
    QCOMPARE(run({"make-demo", bus, "--models", "54,49", "--seed", "12"}), 0);
    QCOMPARE(m_out.section('\n', 0, 1), first.section('\n', 0, 1));
}

void TestCli::makeDemoFailsWhereItCannotWrite()
{
    const QString blocker = m_dir.filePath("plain-file");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(run({"make-demo", blocker + "/bus", "--models", "49"}), 1);
    QVERIFY2(m_err.contains("cannot create the bus folder"), qPrintable(m_err));

    const QString bus = m_dir.filePath("occupied");
    QCOMPARE(run({"make-demo", bus, "--models", "49", "--seed", "3"}), 0);
    const QString folder = QDir(bus).entryList({"49-*"}, QDir::Dirs).value(0);
    QVERIFY(QDir(bus + "/" + folder).removeRecursively());
    QVERIFY(QDir().mkpath(bus + "/" + folder + "/holiday photos"));
    QCOMPARE(run({"make-demo", bus, "--models", "49", "--seed", "3"}), 1);
    QVERIFY2(m_err.contains("model 49: ") && m_err.contains("is not a monitor folder"), qPrintable(m_err));
    QVERIFY(QDir(bus + "/" + folder + "/holiday photos").exists());
}

void TestCli::unusableDatabaseIsNamedAndLeftAlone_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("command");
    const QList<QPair<const char*, UnusableDatabase::Kind>> kinds = {{"not a database", UnusableDatabase::NotADatabase},
                                                                     {"damaged", UnusableDatabase::Damaged},
                                                                     {"locked", UnusableDatabase::Locked},
                                                                     {"not writable", UnusableDatabase::NotWritable},
                                                                     {"incomplete", UnusableDatabase::Incomplete}};
    for (const auto& kind : kinds) {
        for (const char* command : {"checks", "download"})
            QTest::addRow("%s, %s", kind.first, command) << int(kind.second) << command;
    }
}

// One line names the file and what is wrong with it; the file stays as it was.
void TestCli::unusableDatabaseIsNamedAndLeftAlone()
{
    QFETCH(int, kind);
    QFETCH(QString, command);
    QTemporaryDir dataDir;
    const QString path = dataDir.filePath("db_vitacor.db");
    const auto database = std::make_unique<UnusableDatabase>(UnusableDatabase::Kind(kind), path);
    QVERIFY2(database->isReady(), "the unusable file could not be made");

    QCOMPARE(run({"--data-dir", dataDir.path(), command}), 1);
    QCOMPARE(m_err.count('\n'), 1);
    QVERIFY2(
        m_err.contains(QDir::toNativeSeparators(path) + " " + UnusableDatabase::words(UnusableDatabase::Kind(kind))),
        qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
    QCOMPARE(database->bytes(), database->madeBytes());
}

void TestCli::dataDirOptionLeavesTheProfileAlone_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("checks") << QStringList{"checks"} << 0;
    QTest::newRow("devices") << QStringList{"devices", "--wait", "0.1"} << 0;
    QTest::newRow("download") << QStringList{"download", "--wait", "0.1"} << 1;
}

// Only the given data directory is created; the profile's default one is not.
void TestCli::dataDirOptionLeavesTheProfileAlone()
{
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    const QString dataDir = home.filePath("given/data");
    QCOMPARE(run(QStringList{"--data-dir", dataDir} + command, environment), exitCode);
    QVERIFY(!QFileInfo::exists(home.filePath("data")));
    QVERIFY(!QFileInfo::exists(home.filePath("config")));
}

QTEST_GUILESS_MAIN(TestCli)
#include "TestCli.moc"
