#include "ui/viewers/ReportPrinting.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "report/ReportOutput.h"
#include "report/ReportSource.h"
#include "ui/MyMessageBox.h"

#include <QCoreApplication>
#include <QFileDialog>
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
    // A printer that defaults to Letter would cut off the strip and the signature.
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter(&printer);
    ReportOutput::paintReports(reports, painter, printer.resolution() / 25.4, [&printer] { printer.newPage(); });
    return true;
}

bool savePdf(QWidget* parent, const QList<ReportData>& reports)
{
    if (reports.isEmpty())
        return false;
    const ReportData& first = reports.first();
    const QString name = ReportOutput::defaultFileName(first.sn, first.checkTimeText(), "pdf");
    const QString path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("ReportPrinting", "Save As"),
                                                      Config::instance()->lastSaveDir() + "/" + name,
                                                      QCoreApplication::translate("ReportPrinting", "PDF File(*.pdf)"));
    if (path.isEmpty())
        return false;
    Config::instance()->setLastSaveDir(path);
    QString error;
    if (ReportOutput::writePdf(reports, path, &error))
        return true;
    MyMessageBox::error(parent, QCoreApplication::translate("ReportPrinting", "Message"),
                        QCoreApplication::translate("ReportPrinting", "create pdf failed"));
    return false;
}

} // namespace ReportPrinting
