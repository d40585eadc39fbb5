#include "gallery/DownloadScreens.h"

#include "device/HidBackend.h"
#include "emulator/EmulatedBus.h"
#include "emulator/EmulatedMonitor.h"
#include "gallery/Gallery.h"
#include "ui/download/SyncDlg.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Short, so the dialog finds its monitors at once; the program looks every 2 s.
constexpr int kRefreshMs = 50;

// The dialog on the bus of busDir, drawn once `ready` holds (or after 10 s);
// the backend the process had before comes back afterwards.
QImage downloadDialog(const QString& busDir, const std::function<bool(const SyncDlg&)>& ready)
{
    const std::shared_ptr<HidBackend> before = HidBackend::current();
    EmulatedBus::install(busDir);
    QImage image;
    {
        SyncDlg dialog(nullptr, kRefreshMs);
        dialog.setAttribute(Qt::WA_DontShowOnScreen);
        dialog.show();
        const QDeadlineTimer deadline(10000);
        while (!ready(dialog) && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, kRefreshMs);
            QThread::msleep(10);
        }
        QApplication::processEvents();
        image = dialog.grab().toImage();
    }
    HidBackend::setCurrent(before);
    return image;
}

bool shows(const SyncDlg& dialog, const char* label)
{
    const auto* widget = dialog.findChild<QLabel*>(label);
    return widget && widget->isVisible();
}

} // namespace

namespace DownloadScreens {

void addTo(Gallery& gallery, const QString& busDir)
{
    gallery.add("SyncDlg", [busDir] {
        const int monitors = QDir(busDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        return downloadDialog(busDir, [monitors](const SyncDlg& dialog) {
            return dialog.findChild<QListWidget*>("listWidget")->count() == monitors;
        });
    });
    gallery.add("SyncDlgNoMonitor", [] {
        QTemporaryDir empty;
        // The "no monitor" text shows from the start; one refresh makes sure none comes.
        return downloadDialog(empty.path(), [](const SyncDlg&) {
            QThread::msleep(2 * kRefreshMs);
            return true;
        });
    });
    gallery.add("SyncDlgAccessDenied", [busDir] {
        // A copy of the first demo monitor that refuses to be opened.
        QTemporaryDir bus;
        const QString first = QDir(busDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
        QDir().mkpath(bus.filePath("m1"));
        const QString identity = QString("/") + EmulatedMonitor::kIdentityFileName;
        QFile::copy(busDir + "/" + first + identity, bus.filePath("m1") + identity);
        QFile faults(bus.filePath("m1/") + EmulatedMonitor::kFaultsFileName);
        if (!faults.open(QIODevice::WriteOnly) || faults.write("no-access\n") < 0)
            return QImage();
        faults.close();
        return downloadDialog(bus.path(), [](const SyncDlg& dialog) { return shows(dialog, "labelAccessDenied"); });
    });
}

} // namespace DownloadScreens
