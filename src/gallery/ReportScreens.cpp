#include "gallery/ReportScreens.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "gallery/Gallery.h"
#include "report/BasePaintHelper.h"
#include "report/ReportHelper.h"
#include "report/ReportOutput.h"
#include "report/ReportSource.h"
#include "ui/viewers/EcgAnalyseDlg.h"
#include "ui/viewers/EditDlg.h"
#include "ui/viewers/ReportViewer.h"
#include "ui/viewers/SlmReportViewer.h"

#include <QApplication>

namespace {

// The first stored check of the type whose report can be made and has at
// least `minSamples` ECG samples.
bool findReport(int checkType, int minSamples, ReportData* data)
{
    for (const DeviceInfo& device : DbOperator::instance()->allDevices()) {
        for (const CheckRecord& record : DbOperator::instance()->checks(device.sn, checkType)) {
            QString error;
            if (ReportSource::fromRecord(device.sn, record, data, &error) && data->samples.size() >= minSamples)
                return true;
        }
    }
    return false;
}

// Page `page` of the check's report as the JPG export paints it; null when
// no such check is stored.
QImage reportPage(int checkType, int minSamples, int page)
{
    ReportData data;
    if (!findReport(checkType, minSamples, &data))
        return QImage();
    std::unique_ptr<BasePaintHelper> helper = ReportOutput::createHelper(checkType);
    helper->setData(data);
    if (page >= helper->pageCount())
        return QImage();
    const QImage pages = ReportOutput::renderJpg(*helper);
    return pages.copy(ReportOutput::jpgPageRect(*helper, page));
}

// A dialog as it shows on screen, laid out and painted off screen.
QImage shot(QWidget& widget)
{
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.show();
    QApplication::processEvents();
    return widget.grab().toImage();
}

QImage viewer(int checkType)
{
    ReportData data;
    if (!findReport(checkType, 0, &data))
        return QImage();
    std::unique_ptr<ReportViewer> dialog(checkType == CheckType::Sleep ? new SlmReportViewer : new ReportViewer);
    dialog->setData(data);
    return shot(*dialog);
}

} // namespace

namespace ReportScreens {

void addTo(Gallery& gallery)
{
    const int twoPages = (ReportHelper::kFirstPageRows + 1) * ReportHelper::kSamplesPerRow;
    gallery.add("ReportEcgFirstPage", [twoPages] { return reportPage(CheckType::Ecg, twoPages, 0); });
    gallery.add("ReportEcgContinuationPage", [twoPages] { return reportPage(CheckType::Ecg, twoPages, 1); });
    gallery.add("ReportDailyCheck", [] { return reportPage(CheckType::DailyCheck, 0, 0); });
    gallery.add("ReportSpotCheck", [] { return reportPage(CheckType::SpotCheck, 0, 0); });
    gallery.add("ReportZoravIvide", [] { return reportPage(CheckType::CorvisetDailyCheck, 0, 0); });
    gallery.add("ReportMultiTest", [] { return reportPage(CheckType::MultiTest, 0, 0); });
    gallery.add("ReportSleep", [] { return reportPage(CheckType::Sleep, 0, 0); });
    gallery.add("ReportViewer", [] { return viewer(CheckType::Ecg); });
    gallery.add("SlmReportViewer", [] { return viewer(CheckType::Sleep); });
    gallery.add("EcgAnalyseDlg", [] {
        ReportData data;
        if (!findReport(CheckType::Ecg, 0, &data))
            return QImage();
        EcgAnalyseDlg dialog;
        dialog.setData(data.header.heartRate, data.samples);
        return shot(dialog);
    });
    gallery.add("EditDlg", [] {
        ReportData data;
        if (!findReport(CheckType::SpotCheck, 0, &data))
            return QImage();
        EditDlg dialog;
        dialog.setPatientIdMode(true);
        dialog.setUser(data.user);
        return shot(dialog);
    });
}

} // namespace ReportScreens
