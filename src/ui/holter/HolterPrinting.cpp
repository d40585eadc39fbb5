#include "ui/holter/HolterPrinting.h"

#include "app/Config.h"
#include "report/ReportOutput.h"
#include "ui/MyMessageBox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace HolterPrinting {

bool print(QWidget* parent, BasePaintHelper& helper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(ReportOutput::kPdfDpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter(&printer);
    ReportOutput::paintPages(helper, painter, printer.resolution() / 25.4, [&printer] { printer.newPage(); });
    return true;
}

bool savePdf(QWidget* parent, BasePaintHelper& helper, const QString& defaultName, const QString& failureTitle)
{
    const QString path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("HolterPrinting", "Save as"),
                                                      Config::instance()->lastSaveDir() + "/" + defaultName, "*.pdf");
    if (path.isEmpty())
        return false;
    Config::instance()->setLastSaveDir(path);
    QString error;
    if (ReportOutput::writePdf(helper, path, &error))
        return true;
    MyMessageBox::question(parent, failureTitle,
                           QCoreApplication::translate("HolterPrinting", "Create PDF file failed."), QMessageBox::Ok,
                           QMessageBox::Ok);
    return false;
}

} // namespace HolterPrinting
