#include "ui/viewers/ReportPrinting.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "report/ReportOutput.h"
#include "report/ReportSource.h"
#include "sync/ExportGuard.h"
#include "ui/MyMessageBox.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ReportPrinting {

bool reportOf(const QString& sn, const CheckRecord& record, ReportData* data)
{
    QString error;
    if (!ReportSource::fromRecord(sn, record, data, &error))
        return false;
    return record.checkType != CheckType::Sleep || !data->trend.isEmpty();
}

QList<ReportData> reportsOf(const QString& sn, const QList<CheckRecord>& records)
{
    QList<ReportData> reports;
    for (const CheckRecord& record : records) {
        ReportData data;
        if (reportOf(sn, record, &data))
            reports << data;
    }
    return reports;
}

bool print(QWidget* parent, const QList<ReportData>& reports)
{
    if (reports.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printOn(printer, reports, parent);
}

void prepare(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
}

bool printOn(QPrinter& printer, const QList<ReportData>& reports, QWidget* parent)
{
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter(&printer);
    if (!painter.isActive()) {
        const QString text =
            QCoreApplication::translate("ReportPrinting", "The printer could not be started; nothing was printed.");
        MyMessageBox::error(parent, QCoreApplication::translate("ReportPrinting", "Message"), text);
        return false;
    }
    ReportOutput::paintReports(reports, painter, printer.resolution() / 25.4, [&printer] { printer.newPage(); });
    return painter.end();
}

QString pdfName(const QList<ReportData>& reports)
{
    const ReportData& first = reports.first();
    const QString stamp = reports.size() == 1
        ? first.checkTimeText()
        : QLocale(QLocale::English).toString(QDateTime::currentDateTime(), "yyyyMMddHHmmss");
    return ReportOutput::defaultFileName(first.sn, stamp, "pdf");
}

bool savePdf(QWidget* parent, const QList<ReportData>& reports)
{
    if (reports.isEmpty())
        return false;
    const QString name = pdfName(reports);
    const QString path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("ReportPrinting", "Save As"),
                                                      Config::instance()->lastSaveDir() + "/" + name,
                                                      QCoreApplication::translate("ReportPrinting", "PDF File(*.pdf)"));
    if (path.isEmpty())
        return false;
    Config::instance()->setLastSaveDir(path);
    QString error = ExportGuard().refusal(path);
    if (error.isEmpty() && ReportOutput::writePdf(reports, path, &error))
        return true;
    MyMessageBox::error(parent, QCoreApplication::translate("ReportPrinting", "Message"),
                        QCoreApplication::translate("ReportPrinting", "create pdf failed") + "\n" + error);
    return false;
}

} // namespace ReportPrinting
