#include "app/Config.h"
#include "db/DbOperator.h"
#include "device/VitacorDevice.h"
#include "emulator/DemoBusWriter.h"
#include "files/RecordCodec.h"
#include "support/MonitorFolder.h"
#include "support/SyncFixture.h"
#include "support/TestBus.h"
#include "sync/DownloadFolder.h"
#include "ui/download/DownloadDeviceWidget.h"
#include "ui/download/SyncDlg.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kDiscoveryMs = 10000;
// The dialogs' refresh interval; the program's is 2 s.
constexpr int kRefreshMs = 100;

QListWidget* list(SyncDlg& dialog)
{
    return dialog.findChild<QListWidget*>("listWidget");
}

std::shared_ptr<VitacorDevice> rowDevice(SyncDlg& dialog, int row)
{
    QListWidget* widget = list(dialog);
    return qobject_cast<DownloadDeviceWidget*>(widget->itemWidget(widget->item(row)))->device();
}

QStringList filesBelow(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QFileInfo(it.next()).fileName();
    return names;
}

} // namespace

class TestSyncDlg : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstMonitorSelectedAndUnplugReported();
    void downloadStoresAndGuardsTheDialog();
    void rowTellsWhatTheDownloadLeftOut_data();
    void rowTellsWhatTheDownloadLeftOut();
    void withoutMonitorsDownloadIsOff();
    void unplugDuringDownloadKeepsAFailedRow();
    void monitorWithoutPermissionIsNamed();

private:
    void plug(int modelType);

    std::unique_ptr<TestBus> m_bus;
    QStringList m_folders;
};

void TestSyncDlg::init()
{
    // Each test starts with an empty data directory and a new database in it.
    DbOperator::instance()->close();
    QDir(Config::instance()->dataDir()).removeRecursively();
    QDir().mkpath(Config::instance()->dataDir());
    QVERIFY(DbOperator::instance()->openAndInit());
    m_bus = std::make_unique<TestBus>();
    m_folders.clear();
}

void TestSyncDlg::cleanup()
{
    QCOMPARE(m_bus->bus().violations(), QStringList());
    m_bus.reset();
}

void TestSyncDlg::plug(int modelType)
{
    QString error;
    const QString folder = DemoBusWriter(m_bus->busDir(), 7, 120).writeMonitor(modelType, &error);
    QVERIFY2(!folder.isEmpty(), qPrintable(error));
    m_folders << folder;
}

void TestSyncDlg::firstMonitorSelectedAndUnplugReported()
{
    plug(0);
    plug(5);
    SyncDlg dialog(nullptr, kRefreshMs);
    QSignalSpy changes(&dialog, &SyncDlg::connectChange);
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 2, kDiscoveryMs);
    QCOMPARE(list(dialog)->currentRow(), 0);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).toStringList(), QStringList());
    QCOMPARE(changes.first().at(1).toStringList().size(), 2);

    const QString first = rowDevice(dialog, 0)->serialNumber();
    const QString second = rowDevice(dialog, 1)->serialNumber();
    QVERIFY(QDir(m_folders.first()).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 1, kDiscoveryMs);
    QCOMPARE(changes.last().at(0).toStringList(), QStringList({first}));
    QCOMPARE(changes.last().at(1).toStringList(), QStringList());
    QCOMPARE(rowDevice(dialog, 0)->serialNumber(), second);
}

void TestSyncDlg::downloadStoresAndGuardsTheDialog()
{
    plug(0);
    plug(5);
    m_bus->bus().setPaced(true); // keeps the download running long enough to poke at the dialog
    SyncDlg dialog(nullptr, kRefreshMs);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 2, kDiscoveryMs);
    QSignalSpy ends(&dialog, &SyncDlg::downloadEnd);
    const QString sn = rowDevice(dialog, 0)->serialNumber();

    dialog.on_btnDownload_clicked();
    QVERIFY(dialog.isDownloading());
    QTRY_COMPARE(rowDevice(dialog, 0)->state(), int(VitacorDevice::Downloading));

    // A second request and every way of closing are refused while it runs.
    list(dialog)->setCurrentRow(1);
    dialog.onItemDoubleClicked(list(dialog)->item(1));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.on_btnOK_clicked();
    dialog.close();
    QVERIFY(dialog.isVisible());
    QCOMPARE(rowDevice(dialog, 1)->state(), int(VitacorDevice::Connected));
    m_bus->bus().setPaced(false);

    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 30000);
    QCOMPARE(ends.first().at(0).toString(), sn);
    QVERIFY(!dialog.isDownloading());
    const QString dataDir = Config::instance()->dataDir();
    QVERIFY(!QDir(DownloadFolder::scratchPath(dataDir, sn)).exists());
    const QStringList stored = filesBelow(dataDir + "/" + sn);
    QVERIFY(!stored.isEmpty());
    QVERIFY(stored.filter(".wav").size() > 0);
    QCOMPARE(stored.filter(".dat"), QStringList());

    dialog.on_btnOK_clicked();
    QVERIFY(!dialog.isVisible());
}

void TestSyncDlg::rowTellsWhatTheDownloadLeftOut_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("shown"); // the start of the row's text
    QTest::newRow("stored") << QString() << "Download completed";
    QTest::newRow("link broken") << "silent 20240506080000"
                                 << "Download failed. Check the cable";
    QTest::newRow("scratch folder blocked") << "blocked"
                                            << "Download failed: the data directory cannot be written (cannot create ";
    QTest::newRow("another download running") << "locked"
                                              << "Another download of this monitor is running";
    QTest::newRow("Holter start unanswered") << "silent waveFile"
                                             << "Download completed\nHolter recording not downloaded";
    QTest::newRow("Holter shorter than its header")
        << "short waveFile"
        << "Download completed\nHolter recording not stored: its size or duration disagrees";
    QTest::newRow("Holter in the second of an ECG strip")
        << "same second"
        << "Download completed\n1 check(s) not stored: a stored check of another type has the same time";
    QTest::newRow("time stamp of no date") << "bad stamp"
                                           << "Download completed\n1 record(s) without a valid time passed over";
}

void TestSyncDlg::rowTellsWhatTheDownloadLeftOut()
{
    QFETCH(QString, fault);
    QFETCH(QString, shown);
    const QByteArray sn = "DLG00001";
    const QString dataDir = Config::instance()->dataDir();
    const MonitorFolder monitor(m_bus->busDir(), "m1", 0, sn);
    monitor.writeFile("usr.dat", SyncFixture::user(1, "Anna"));
    // The recording starts at 09:30:00; the strip is taken at 08:00:00, or in that same second.
    const int stripHour = fault == "same second" ? 9 : 8;
    const int stripMinute = fault == "same second" ? 30 : 0;
    const QByteArray strip = ByteFixture().stamp(2024, 5, 6, stripHour, stripMinute, 0).zeros(3);
    const QByteArray noDate = ByteFixture().stamp(2024, 2, 30, 8, 0, 0).zeros(3);
    monitor.writeFile("ecg.dat", fault == "bad stamp" ? strip + noDate : strip);
    monitor.writeRandomFile(QString::asprintf("20240506%02d%02d00", stripHour, stripMinute), 700);
    const QByteArray recording = SyncFixture::waveFile(1, 9, 60);
    monitor.writeFile("waveFile", fault == "short waveFile" ? recording.left(40) : recording);
    if (fault.startsWith("silent"))
        monitor.writeFile("faults", fault.toLatin1() + "\n");
    if (fault == "blocked")
        SyncFixture::writeFile(DownloadFolder::scratchPath(dataDir, sn).chopped(1), "a file in the way");
    QLockFile other(DownloadFolder::lockPath(dataDir, sn));
    if (fault == "locked")
        QVERIFY(other.tryLock());
    SyncDlg dialog(nullptr, kRefreshMs);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 1, kDiscoveryMs);
    auto* row = qobject_cast<DownloadDeviceWidget*>(list(dialog)->itemWidget(list(dialog)->item(0)));
    const QLabel* text = row->findChild<QLabel*>("labelProgress");

    dialog.on_btnDownload_clicked();
    // The row tells at once that the download runs, also while it waits for the monitor's lock.
    QVERIFY(text->isVisible());
    QCOMPARE(text->text(), QString("Downloading..."));

    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isDownloading(), 30000);
    QVERIFY2(row->resultText().startsWith(shown), qPrintable(row->resultText()));
    // Failures before the first file show in the row as any other.
    QVERIFY(text->isVisible());
}

void TestSyncDlg::withoutMonitorsDownloadIsOff()
{
    SyncDlg dialog(nullptr, kRefreshMs);
    dialog.show();
    QVERIFY(!dialog.findChild<QPushButton*>("btnDownload")->isEnabled());
    QVERIFY(dialog.findChild<QLabel*>("labelNoMonitor")->isVisible());
    plug(0);
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 1, kDiscoveryMs);
    QVERIFY(dialog.findChild<QPushButton*>("btnDownload")->isEnabled());
    QVERIFY(!dialog.findChild<QLabel*>("labelNoMonitor")->isVisible());
}

void TestSyncDlg::unplugDuringDownloadKeepsAFailedRow()
{
    plug(0);
    m_bus->bus().setPaced(true);
    SyncDlg dialog(nullptr, kRefreshMs);
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 1, kDiscoveryMs);
    QSignalSpy changes(&dialog, &SyncDlg::connectChange);
    const QString sn = rowDevice(dialog, 0)->serialNumber();
    dialog.on_btnDownload_clicked();
    QTRY_COMPARE(rowDevice(dialog, 0)->state(), int(VitacorDevice::Downloading));
    const QString folder = m_folders.takeFirst();
    QVERIFY(QDir(folder).removeRecursively());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isDownloading(), kDiscoveryMs);
    QCOMPARE(list(dialog)->count(), 1);
    QTRY_VERIFY(changes.count() > 0);
    QCOMPARE(changes.last().at(0).toStringList(), QStringList{sn});
    QCOMPARE(list(dialog)->itemWidget(list(dialog)->item(0))->findChild<QLabel*>("labelProgress")->text(),
             QString("Download failed"));
    m_bus->bus().setPaced(false);
    dialog.hide();
    QCOMPARE(list(dialog)->count(), 0);
}

// Instead of "no monitor", the dialog names the node it may not open and how to let the user in.
void TestSyncDlg::monitorWithoutPermissionIsNamed()
{
    const MonitorFolder shut(m_bus->busDir(), "m1", 0, "SHUT");
    shut.writeFile("faults", "no-access\n");
    SyncDlg dialog(nullptr, kRefreshMs);
    dialog.show();
    auto* denied = dialog.findChild<QLabel*>("labelAccessDenied");
    auto* noMonitor = dialog.findChild<QLabel*>("labelNoMonitor");
    QVERIFY(!denied->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(denied->isVisible(), kDiscoveryMs);
    QVERIFY(!noMonitor->isVisible());
    QCOMPARE(list(dialog)->count(), 0);
    QVERIFY(!dialog.findChild<QPushButton*>("btnDownload")->isEnabled());
    QCOMPARE(denied->text(),
             "A monitor is plugged in at " + QDir::toNativeSeparators(QDir::cleanPath(shut.path())) +
                 ", but this user may not open it. Install the udev rule that comes with the program as "
                 "/etc/udev/rules.d/70-vitacor.rules, then unplug the monitor and plug it in again.");

    plug(0);
    QTRY_COMPARE_WITH_TIMEOUT(list(dialog)->count(), 1, kDiscoveryMs);
    QVERIFY(denied->isVisible());
    QVERIFY(QDir(shut.path()).removeRecursively());
    QTRY_VERIFY_WITH_TIMEOUT(!denied->isVisible(), kDiscoveryMs);
    QVERIFY(!noMonitor->isVisible());
}

QTEST_MAIN(TestSyncDlg)
#include "TestSyncDlg.moc"
