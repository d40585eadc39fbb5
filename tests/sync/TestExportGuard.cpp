#include "sync/ExportGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

// What an export may write: paths built in a folder of the test's own, with
// nodes made there, never the system's.
class TestExportGuard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refusal_data();
    void refusal();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    QString m_data;
};

void TestExportGuard::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_data = path("data");
    for (const QString& folder : {QString("data/SN1"), QString("data/.temp_SN1"), QString("data/temp_SN2"),
                                  QString("data/exports"), QString("out"), QString("home")})
        QVERIFY(QDir().mkpath(path(folder)));
    for (const QString& file : {QString("data/db_vitacor.db"), QString("data/SN1/20240101010101"),
                                QString("out/old.pdf"), QString("home/config.ini")}) {
        QFile f(path(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("content");
    }
    QVERIFY(QFile::link(path("data/db_vitacor.db"), path("out/link.db")));
    QVERIFY(QFile::link(path("data/SN1"), path("out/device")));
    QVERIFY(QFile::link(path("nowhere"), path("out/dangling")));
    QCOMPARE(mkfifo(QFile::encodeName(path("out/fifo")).constData(), 0600), 0);
    const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(path("out/socket"));
    qstrncpy(address.sun_path, socketPath.constData(), sizeof(address.sun_path));
    QCOMPARE(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(socketFd);
    if (geteuid() == 0)
        QCOMPARE(mknod(QFile::encodeName(path("out/full")).constData(), S_IFCHR | 0600, makedev(1, 7)), 0);
}

void TestExportGuard::refusal_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("refused");
    QTest::newRow("new file") << "out/new.pdf" << QString();
    QTest::newRow("old export") << "out/old.pdf" << QString();
    QTest::newRow("beside the database") << "data/export.csv" << QString();
    QTest::newRow("a folder of the user's in the data directory") << "data/exports/a.pdf" << QString();
    QTest::newRow("folder of a monitor not stored") << "data/SN9/a.pdf"
                                                    << "does not exist";
    QTest::newRow("record database") << "data/db_vitacor.db"
                                     << "belongs to the record database";
    QTest::newRow("rollback journal") << "data/db_vitacor.db-journal"
                                      << "belongs to the record database";
    QTest::newRow("write-ahead log") << "data/db_vitacor.db-wal"
                                     << "belongs to the record database";
    QTest::newRow("by a detour") << "out/../data/./db_vitacor.db"
                                 << "belongs to the record database";
    QTest::newRow("link to the database") << "out/link.db"
                                          << "belongs to the record database";
    QTest::newRow("log file") << "data/VitacorBrowser.log"
                              << "log file";
    QTest::newRow("configuration") << "home/config.ini"
                                   << "configuration file";
    QTest::newRow("stored strip") << "data/SN1/20240101010101"
                                  << "folder of the monitor SN1";
    QTest::newRow("new file in a device folder") << "data/SN1/a.pdf"
                                                 << "folder of the monitor SN1";
    QTest::newRow("device folder through a link") << "out/device/a.pdf"
                                                  << "folder of the monitor SN1";
    QTest::newRow("scratch folder") << "data/.temp_SN1/a.pdf"
                                    << "scratch folder";
    QTest::newRow("old scratch folder") << "data/temp_SN2/a.pdf"
                                        << "scratch folder";
    QTest::newRow("download lock") << "data/.temp_SN1.lock"
                                   << "belongs to a download";
    QTest::newRow("folder") << "out"
                            << "is a folder";
    QTest::newRow("FIFO") << "out/fifo"
                          << "is not a regular file";
    QTest::newRow("socket") << "out/socket"
                            << "is not a regular file";
    QTest::newRow("character device") << "out/full"
                                      << "is not a regular file";
    QTest::newRow("link to nothing") << "out/dangling"
                                     << "link to nothing";
    QTest::newRow("missing folder") << "none/a.pdf"
                                    << "does not exist";
}

void TestExportGuard::refusal()
{
    QFETCH(QString, target);
    QFETCH(QString, refused);
    if (target == "out/full" && geteuid() != 0)
        QSKIP("making a character device needs root");
    const ExportGuard guard(m_data, path("home/config.ini"), {"SN1"});
    const QString refusal = guard.refusal(path(target));
    if (refused.isEmpty()) {
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        return;
    }
    QVERIFY2(refusal.contains(refused), qPrintable(refusal));
    QVERIFY(refusal.contains(QDir::toNativeSeparators(path(target))) || refused == "does not exist");
    QVERIFY(!refusal.contains('\n'));
}

QTEST_GUILESS_MAIN(TestExportGuard)
#include "TestExportGuard.moc"
