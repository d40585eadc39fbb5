#include "app/Config.h"
#include "device/VitacorDevice.h"
#include "emulator/DemoBusWriter.h"
#include "support/TestBus.h"
#include "ui/DownloadDeviceWidget.h"
#include "ui/SyncDlg.h"

#include <QDir>
#include <QDirIterator>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kDiscoveryMs = 10000;

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

private:
    void plug(int modelType);

    std::unique_ptr<TestBus> m_bus;
    QStringList m_folders;
};

void TestSyncDlg::init()
{
    QDir(Config::instance()->dataDir()).removeRecursively();
    QDir().mkpath(Config::instance()->dataDir());
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
    SyncDlg dialog;
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
    SyncDlg dialog;
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
    QVERIFY(!QDir(dataDir + "/temp_" + sn).exists());
    const QStringList stored = filesBelow(dataDir + "/" + sn);
    QVERIFY(!stored.isEmpty());
    QVERIFY(stored.filter(".wav").size() > 0);
    QCOMPARE(stored.filter(".dat"), QStringList());

    dialog.on_btnOK_clicked();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestSyncDlg)
#include "TestSyncDlg.moc"
