#include "XWindows.h"
#include "support/UnusableDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

// Real instances of the program on the X display that xvfb-run provides.
class TestStartupProcess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void secondStartShowsBoxAndFirstEndsGracefully_data();
    void secondStartShowsBoxAndFirstEndsGracefully();
    void secondStartLeavesSavedConfigByteIdentical();
    void killedInstanceDoesNotBlockTheNextStart();
    void unusableDatabaseIsNamedAndLeftAlone_data();
    void unusableDatabaseIsNamedAndLeftAlone();

private:
    std::unique_ptr<QProcess> start(QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel);
    // A first start asks for the data directory; cancelling keeps the default one and writes nothing.
    std::unique_ptr<QProcess> startFirst(QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel);
    QString mainWindowOf(const QProcess& process) const;
    void startSecondAndAnswerItsBox();
    void endGracefully(QProcess& process, int signalNumber);
    QString location() const { return m_home->path() + "/data/VitacorBrowser"; }
    QString configPath() const { return location() + "/config.ini"; }
    QString logPath() const { return location() + "/DATA/VitacorBrowser.log"; }

    std::unique_ptr<QTemporaryDir> m_home;
};

void TestStartupProcess::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run under xvfb-run");
}

void TestStartupProcess::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    QVERIFY(QDir().mkpath(m_home->path() + "/runtime"));
    QFile::setPermissions(m_home->path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::unique_ptr<QProcess> TestStartupProcess::start(QProcess::ProcessChannelMode channels)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_DATA_HOME", m_home->path() + "/data");
    env.insert("XDG_CONFIG_HOME", m_home->path() + "/config");
    env.insert("XDG_RUNTIME_DIR", m_home->path() + "/runtime");
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(channels);
    process->start(VITACOR_PROGRAM, QStringList());
    process->waitForStarted();
    return process;
}

std::unique_ptr<QProcess> TestStartupProcess::startFirst(QProcess::ProcessChannelMode channels)
{
    std::unique_ptr<QProcess> process = start(channels);
    const QString chooser = XWindows::waitFor("Data directory", process->processId());
    if (chooser.isEmpty() || !XWindows::pressKey(chooser, "Escape"))
        QTest::qFail("the first start asked for no data directory", __FILE__, __LINE__);
    return process;
}

QString TestStartupProcess::mainWindowOf(const QProcess& process) const
{
    return XWindows::waitFor("Solvimara EX", process.processId());
}

void TestStartupProcess::startSecondAndAnswerItsBox()
{
    std::unique_ptr<QProcess> second = start();
    const QString box = XWindows::waitFor("Solvimara EX", second->processId());
    QVERIFY2(!box.isEmpty(), "the second start shows no box");
    QVERIFY(XWindows::pressReturn(box));
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
}

void TestStartupProcess::endGracefully(QProcess& process, int signalNumber)
{
    ::kill(static_cast<pid_t>(process.processId()), signalNumber);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
}

void TestStartupProcess::secondStartShowsBoxAndFirstEndsGracefully_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestStartupProcess::secondStartShowsBoxAndFirstEndsGracefully()
{
    QFETCH(int, signalNumber);
    std::unique_ptr<QProcess> first = startFirst();
    QVERIFY2(!mainWindowOf(*first).isEmpty(), "no main window");
    QVERIFY(QDir(location() + "/DATA").exists());
    QVERIFY(!QFile::exists(configPath())); // loading never writes

    startSecondAndAnswerItsBox();
    QVERIFY(!QFile::exists(configPath()));
    QCOMPARE(first->state(), QProcess::Running);

    endGracefully(*first, signalNumber);

    QSettings config(configPath(), QSettings::IniFormat);
    QStringList keys = config.allKeys();
    keys.sort();
    QCOMPARE(keys,
             (QStringList{"appVersion", "dataDir", "distance", "firstStart", "language", "lastSaveDir", "mainwindowPos",
                          "mainwindowSize", "maxSize", "temp", "totalLinesPerPage"}));
    QCOMPARE(config.value("dataDir").toString(), location() + "/DATA");
    QCOMPARE(config.value("firstStart").toBool(), false);
    // Stored by the main window's close, so the signal went the way of closing the window.
    QVERIFY(!config.value("mainwindowSize").toSize().isEmpty());

    QFile log(logPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString stamp = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ";
    const QRegularExpression expected("^" + stamp + "Vitacor Browser start\\.\r\n" + stamp +
                                      "Data dir:" + QRegularExpression::escape(location() + "/DATA") + "\r\n" + stamp +
                                      "Data dir exists : 1\r\n" + stamp + "Translation: [^\r\n]*english\\.qm\r\n$");
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY2(expected.match(text).hasMatch(), qPrintable(text));
}

void TestStartupProcess::secondStartLeavesSavedConfigByteIdentical()
{
    QVERIFY(QDir().mkpath(location()));
    {
        QSettings config(configPath(), QSettings::IniFormat);
        config.setValue("language", 4);
        config.setValue("firstStart", false);
        config.setValue("totalLinesPerPage", 25);
    }
    QFile file(configPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    std::unique_ptr<QProcess> first = start();
    QVERIFY2(!mainWindowOf(*first).isEmpty(), "no main window");
    startSecondAndAnswerItsBox();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    endGracefully(*first, SIGTERM);
    QSettings config(configPath(), QSettings::IniFormat);
    QCOMPARE(config.value("language").toInt(), 4);
    QCOMPARE(config.value("totalLinesPerPage").toInt(), 25);
    QCOMPARE(config.allKeys().size(), 11);
}

void TestStartupProcess::killedInstanceDoesNotBlockTheNextStart()
{
    std::unique_ptr<QProcess> killed = startFirst();
    QVERIFY2(!mainWindowOf(*killed).isEmpty(), "no main window");
    killed->kill();
    QVERIFY(killed->waitForFinished(5000));

    std::unique_ptr<QProcess> next = startFirst();
    QVERIFY2(!mainWindowOf(*next).isEmpty(), "no window after a killed instance");
    // Only a first instance saves its settings on the way out.
    endGracefully(*next, SIGTERM);
    QVERIFY(QFile::exists(configPath()));
}

void TestStartupProcess::unusableDatabaseIsNamedAndLeftAlone_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("not a database") << int(UnusableDatabase::NotADatabase);
    QTest::newRow("damaged") << int(UnusableDatabase::Damaged);
    QTest::newRow("locked") << int(UnusableDatabase::Locked);
    QTest::newRow("not writable") << int(UnusableDatabase::NotWritable);
    QTest::newRow("incomplete") << int(UnusableDatabase::Incomplete);
}

// A box names the file and what is wrong with it; the program ends without writing to it.
void TestStartupProcess::unusableDatabaseIsNamedAndLeftAlone()
{
    QFETCH(int, kind);
    QVERIFY(QDir().mkpath(location() + "/DATA"));
    const QString path = location() + "/DATA/db_vitacor.db";
    UnusableDatabase database(UnusableDatabase::Kind(kind), path);
    QVERIFY(database.isReady());

    std::unique_ptr<QProcess> program = startFirst(QProcess::SeparateChannels);
    const QString box = XWindows::waitFor("Record database", program->processId());
    QVERIFY2(!box.isEmpty(), "no box names the database");
    QVERIFY(XWindows::pressReturn(box));
    QVERIFY(program->waitForFinished(10000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 1);
    const QString err = QString::fromLocal8Bit(program->readAllStandardError());
    QVERIFY2(err.contains(path + " " + UnusableDatabase::words(UnusableDatabase::Kind(kind))), qPrintable(err));
    QCOMPARE(database.bytes(), database.madeBytes());
}

QTEST_GUILESS_MAIN(TestStartupProcess)
#include "TestStartupProcess.moc"
