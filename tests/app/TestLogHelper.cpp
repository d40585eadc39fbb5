#include "app/Config.h"
#include "app/Constants.h"
#include "app/LogHelper.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

class TestLogHelper : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void linesHaveStampMessageAndCrLf();
    void sizeLimitAtStart_data();
    void sizeLimitAtStart();
    void concurrentWritersNeverInterleave();
    void missingDirectoryDisablesLogging();

private:
    QString logPath() const { return Config::instance()->dataDir() + "/" + Vitacor::kLogFileName; }
    QStringList readLines() const;
};

void TestLogHelper::init()
{
    QVERIFY(QDir().mkpath(Config::instance()->dataDir())); // as the program's start does
    QFile::remove(logPath());
}

QStringList TestLogHelper::readLines() const
{
    QFile f(logPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TestLogHelper::linesHaveStampMessageAndCrLf()
{
    {
        LogHelper log;
        log.writeLog("Vitacor Browser start.");
        log.writeLog(QString::fromUtf8("Gerät Müller 体温"));
    }
    QFile f(logPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.contains(QString::fromUtf8("Gerät Müller 体温\r\n").toUtf8()));
    const QStringList lines = readLines();
    QCOMPARE(lines.size(), 2);
    const QRegularExpression line("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} Vitacor Browser start\\.$");
    QVERIFY2(line.match(lines.first()).hasMatch(), qPrintable(lines.first()));
}

void TestLogHelper::sizeLimitAtStart_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("kept");
    QTest::newRow("at the limit") << qint64(31457280) << true;
    QTest::newRow("one byte over") << qint64(31457281) << false;
}

void TestLogHelper::sizeLimitAtStart()
{
    QFETCH(qint64, size);
    QFETCH(bool, kept);
    {
        QFile f(logPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(size));
    }
    {
        LogHelper log;
        log.writeLog("next");
    }
    const qint64 after = QFileInfo(logPath()).size();
    const qint64 lineSize = QByteArray("yyyy-MM-dd HH:mm:ss next\r\n").size();
    QCOMPARE(after, kept ? size + lineSize : lineSize);
}

void TestLogHelper::concurrentWritersNeverInterleave()
{
    constexpr int kThreads = 4;
    constexpr int kLines = 500;
    {
        LogHelper log;
        QList<QThread*> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads << QThread::create([&log, t] {
                const QString text = QString(40, QChar('a' + t));
                for (int i = 0; i < kLines; ++i)
                    log.writeLog(text);
            });
        }
        for (QThread* t : threads)
            t->start();
        for (QThread* t : threads) {
            QVERIFY(t->wait(10000));
            delete t;
        }
    }
    const QStringList lines = readLines();
    QCOMPARE(lines.size(), kThreads * kLines);
    const QRegularExpression whole("^[\\d: -]{19} ([a-d])\\1{39}$");
    for (const QString& l : lines)
        QVERIFY2(whole.match(l).hasMatch(), qPrintable(l));
}

void TestLogHelper::missingDirectoryDisablesLogging()
{
    Config* config = Config::instance();
    const QString saved = config->dataDir();
    config->setDataDir(saved + "/does/not/exist");
    {
        LogHelper log;
        log.writeLog("dropped"); // must neither crash nor create the folder
    }
    QVERIFY(!QDir(saved + "/does").exists());
    config->setDataDir(saved);
}

QTEST_GUILESS_MAIN(TestLogHelper)
#include "TestLogHelper.moc"
