#include "gallery/HolterReportScreens.h"

#include "db/DbOperator.h"
#include "files/CheckUser.h"
#include "gallery/Gallery.h"
#include "holter/HolterReport.h"
#include "report/HolterMinuteReportHelper.h"
#include "report/HolterReportHelper.h"
#include "report/HolterReportSource.h"
#include "report/ReportOutput.h"
#include "ui/holter/DetailReportReview.h"
#include "ui/holter/HolterReportViewer.h"

#include <QApplication>

#include <algorithm>

#include <memory>

namespace {

// The first stored recording that loads, with its patient.
struct Recording
{
    HolterReport report;
    CheckUser patient;
    QString sn;
};

std::unique_ptr<Recording> firstRecording()
{
    auto recording = std::make_unique<Recording>();
    for (const DeviceInfo& device : DbOperator::instance()->allDevices()) {
        for (const HolterCheck& check : DbOperator::instance()->holterChecks(device.sn)) {
            QString error;
            if (HolterReportSource::load(device.sn, check.checkTime, &recording->report, &recording->patient, &error) &&
                recording->report.isLoaded()) {
                recording->sn = device.sn;
                return recording;
            }
        }
    }
    return nullptr;
}

// One whole page as the screen shows it, at 5 pixels a millimetre.
QImage page(BasePaintHelper& helper, int index)
{
    if (index >= helper.pageCount())
        return QImage();
    return ReportOutput::renderJpg(helper).copy(ReportOutput::jpgPageRect(helper, index));
}

QImage holterPage(int index)
{
    const std::unique_ptr<Recording> recording = firstRecording();
    if (!recording)
        return QImage();
    HolterReportHelper helper;
    helper.setLinesPerPage(30);
    helper.setData(&recording->report);
    return page(helper, index);
}

// The first minute with premature beats, so its page shows them; else the first.
int minuteWithBeats(const HolterReport& report)
{
    const QVector<HolterMinute>& minutes = report.minutes();
    const auto withBeats = std::find_if(minutes.cbegin(), minutes.cend(), [](const HolterMinute& m) {
        return HolterMinute::isPresent(m.pvcCount) && m.pvcCount > 0;
    });
    return withBeats == minutes.cend() ? 0 : int(withBeats - minutes.cbegin());
}

QImage shown(QDialog& dialog)
{
    dialog.setAttribute(Qt::WA_DontShowOnScreen);
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().toImage();
}

} // namespace

namespace HolterReportScreens {

void addTo(Gallery& gallery)
{
    gallery.add("HolterReportSummaryPage", [] { return holterPage(0); });
    gallery.add("HolterReportStripPage", [] { return holterPage(1); });
    gallery.add("HolterMinuteReport", [] {
        const std::unique_ptr<Recording> recording = firstRecording();
        if (!recording)
            return QImage();
        HolterMinuteReportHelper helper;
        helper.setData(&recording->report, minuteWithBeats(recording->report));
        return page(helper, 0);
    });
    gallery.add("HolterMinuteReview", [] {
        const std::unique_ptr<Recording> recording = firstRecording();
        if (!recording)
            return QImage();
        DetailReportReview review;
        review.setName(recording->sn);
        review.setData(&recording->report, minuteWithBeats(recording->report));
        review.resize(1300, 800);
        return shown(review);
    });
    gallery.add("HolterReportViewer", [] {
        const std::unique_ptr<Recording> recording = firstRecording();
        if (!recording)
            return QImage();
        HolterReportViewer viewer;
        viewer.setName(recording->sn);
        viewer.setData(&recording->report);
        return shown(viewer);
    });
}

} // namespace HolterReportScreens
