#include "ui/holter/HolterPdfBatch.h"

#include "app/Config.h"
#include "files/CheckUser.h"
#include "holter/HolterReport.h"
#include "report/HolterReportHelper.h"
#include "report/HolterReportSource.h"
#include "report/ReportOutput.h"
#include "ui/MyMessageBox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace HolterPdfBatch {

QString filePath(const QString& folder, const Recording& recording)
{
    const QString name =
        QString("%1_%2_%3.pdf")
            .arg(QCoreApplication::translate("HolterPdfBatch", "Report"), recording.sn, recording.checkTime);
    return folder + "/" + ReportOutput::safeFileName(name);
}

int writeAll(const QString& folder, const QList<Recording>& recordings,
             const std::function<bool(const QString&)>& replace, const std::function<void(const QString&)>& failed)
{
    int written = 0;
    for (const Recording& recording : recordings) {
        const QString path = filePath(folder, recording);
        if (QFileInfo::exists(path) && !replace(path))
            continue;
        // A recording of its own, so an open summary's recording stays as it is.
        HolterReport report;
        CheckUser patient;
        QString error;
        if (!HolterReportSource::load(recording.sn, recording.checkTime, &report, &patient, &error)) {
            failed(path);
            continue;
        }
        HolterReportHelper helper;
        helper.setData(&report);
        if (ReportOutput::writePdf(helper, path, &error))
            ++written;
        else
            failed(path);
    }
    return written;
}

int save(QWidget* parent, const QList<Recording>& recordings)
{
    if (recordings.isEmpty())
        return 0;
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("HolterPdfBatch", "Select directory"), Config::instance()->lastSaveDir());
    if (folder.isEmpty())
        return 0;
    Config::instance()->setLastSaveDir(folder + "/");
    return writeAll(
        folder, recordings,
        [parent](const QString& path) {
            return MyMessageBox::question(
                       parent, QCoreApplication::translate("HolterPdfBatch", "Message"),
                       QCoreApplication::translate("HolterPdfBatch", "%1 already exists.\nDo you want to replace it?")
                           .arg(QFileInfo(path).fileName()),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
        },
        [parent](const QString&) {
            MyMessageBox::question(parent, QCoreApplication::translate("HolterPdfBatch", "Message"),
                                   QCoreApplication::translate("HolterPdfBatch", "Create PDF file failed."),
                                   QMessageBox::Ok, QMessageBox::Ok);
        });
}

} // namespace HolterPdfBatch
