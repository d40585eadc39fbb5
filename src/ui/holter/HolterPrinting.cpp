#include "ui/holter/HolterPrinting.h"

#include "report/ReportOutput.h"
#include "ui/MyMessageBox.h"
#include "ui/viewers/ExportPath.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace HolterPrinting {

bool print(QWidget* parent,
           const std::function<void(QPainter& painter, double scale, const std::function<void()>& newPage)>& paint)
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
    paint(painter, printer.resolution() / 25.4, [&printer] { printer.newPage(); });
    return true;
}

bool print(QWidget* parent, BasePaintHelper& helper)
{
    return print(parent, [&helper](QPainter& painter, double scale, const std::function<void()>& newPage) {
        ReportOutput::paintPages(helper, painter, scale, newPage);
    });
}

bool savePdf(QWidget* parent, BasePaintHelper& helper, const QString& defaultName, const QString& failureTitle)
{
    const QString path =
        ExportPath::ask(parent, QCoreApplication::translate("HolterPrinting", "Save as"), defaultName, "*.pdf");
    if (path.isEmpty())
        return false;
    QString error;
    if (ReportOutput::writePdf(helper, path, &error))
        return true;
    MyMessageBox::question(parent, failureTitle,
                           QCoreApplication::translate("HolterPrinting", "Create PDF file failed."), QMessageBox::Ok,
                           QMessageBox::Ok);
    return false;
}

} // namespace HolterPrinting
