#include "cli/DownloadProgress.h"

#include <QtTest>

// The progress line of a download: a count is never shown negative or past 100%.
class TestDownloadProgress : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void percentStaysWithinRange_data();
    void percentStaysWithinRange();
};

void TestDownloadProgress::text_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("fileTotal");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<qint64>("byteTotal");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << 0 << 40 << qint64(0) << qint64(-1) << "files 0/40 (0%)";
    QTest::newRow("middle of a file") << 12 << 40 << qint64(1536) << qint64(6144)
                                      << "files 12/40 (30%), file 1.5/6.0 KiB (25%)";
    QTest::newRow("last file") << 40 << 40 << qint64(0) << qint64(-1) << "files 40/40 (100%)";
    QTest::newRow("unknown total") << 7 << -1 << qint64(0) << qint64(-1) << "files 7";
    QTest::newRow("count past the total") << 45 << 40 << qint64(0) << qint64(-1) << "files 45";
    QTest::newRow("zero total") << 3 << 0 << qint64(0) << qint64(-1) << "files 3";
    QTest::newRow("negative count") << -2 << 40 << qint64(0) << qint64(-1) << "files 0/40 (0%)";
    QTest::newRow("bytes past the size") << 1 << 4 << qint64(4096) << qint64(2048) << "files 1/4 (25%), file 4.0 KiB";
    QTest::newRow("bytes of an unknown size") << 1 << 4 << qint64(512) << qint64(0) << "files 1/4 (25%), file 0.5 KiB";
}

void TestDownloadProgress::text()
{
    QFETCH(int, files);
    QFETCH(int, fileTotal);
    QFETCH(qint64, bytes);
    QFETCH(qint64, byteTotal);
    QFETCH(QString, text);
    DownloadProgress progress;
    progress.setBytes(999, 1000); // a finished file drops the byte count of the one before
    progress.setFiles(files, fileTotal);
    if (bytes > 0 || byteTotal >= 0)
        progress.setBytes(bytes, byteTotal);
    QCOMPARE(progress.text(), text);
    QVERIFY(progress.files() >= 0);
}

void TestDownloadProgress::percentStaysWithinRange_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("half") << qint64(1) << qint64(2) << 50;
    QTest::newRow("all") << qint64(2) << qint64(2) << 100;
    QTest::newRow("rounded down") << qint64(199) << qint64(200) << 99;
    QTest::newRow("over") << qint64(3) << qint64(2) << -1;
    QTest::newRow("unknown") << qint64(3) << qint64(-1) << -1;
    QTest::newRow("negative done") << qint64(-5) << qint64(10) << 0;
    QTest::newRow("large file") << qint64(3000000000) << qint64(4000000000) << 75;
}

void TestDownloadProgress::percentStaysWithinRange()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(DownloadProgress::percent(done, total), percent);
}

QTEST_GUILESS_MAIN(TestDownloadProgress)
#include "TestDownloadProgress.moc"
