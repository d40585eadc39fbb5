#include "gallery/HolterScreens.h"

#include "db/DbOperator.h"
#include "gallery/Gallery.h"
#include "holter/HolterReport.h"
#include "ui/holter/EcgDetailDlg.h"
#include "ui/holter/SummaryDlg.h"
#include "ui/holter/ViewAllEcgDlg.h"

#include <QApplication>
#include <QCheckBox>

#include <algorithm>
#include <memory>

namespace {

// The first stored recording whose file loads, opened in a summary with its patient.
std::unique_ptr<SummaryDlg> openSummary(HolterReport* report)
{
    DbOperator* db = DbOperator::instance();
    for (const DeviceInfo& device : db->allDevices()) {
        for (const HolterCheck& check : db->holterChecks(device.sn)) {
            CheckUser user;
            if (!db->reportUser(check.checkTime + device.sn, &user) && !check.userid.isEmpty())
                db->user(check.userid, &user);
            auto summary = std::make_unique<SummaryDlg>(nullptr, report);
            summary->setUser(user);
            if (summary->setData(device.sn, check.checkTime))
                return summary;
        }
    }
    return nullptr;
}

QImage grab(QWidget& widget, const QSize& size)
{
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.resize(size);
    widget.show();
    QApplication::processEvents();
    return widget.grab().toImage();
}

// A minute the device flagged, so the information row shows its flags.
int flaggedMinute(const HolterReport& report)
{
    const QVector<HolterMinute>& minutes = report.minutes();
    const auto flagged = std::find_if(minutes.cbegin(), minutes.cend(),
                                      [](const HolterMinute& m) { return m.hasIrregularRr() || m.hasPause(); });
    return flagged == minutes.cend() ? 0 : int(flagged - minutes.cbegin());
}

} // namespace

namespace HolterScreens {

void addTo(Gallery& gallery)
{
    gallery.add("HolterSummary", [] {
        HolterReport report;
        const std::unique_ptr<SummaryDlg> summary = openSummary(&report);
        if (!summary)
            return QImage();
        for (const char* box : {"chkHr120", "chkPause", "chkIrregular"})
            summary->findChild<QCheckBox*>(box)->setChecked(true);
        return grab(*summary, summary->size());
    });
    gallery.add("HolterEcgDetail", [] {
        HolterReport report;
        const std::unique_ptr<SummaryDlg> summary = openSummary(&report);
        if (!summary)
            return QImage();
        EcgDetailDlg detail;
        detail.setData(&report, flaggedMinute(report));
        detail.resize(1250, 743);
        detail.setAttribute(Qt::WA_DontShowOnScreen);
        detail.show();
        QApplication::processEvents();
        detail.on_btnRuler_clicked();
        return grab(detail, detail.size());
    });
    gallery.add("HolterAllEcg", [] {
        HolterReport report;
        const std::unique_ptr<SummaryDlg> summary = openSummary(&report);
        if (!summary)
            return QImage();
        ViewAllEcgDlg all;
        all.setData(&report);
        return grab(all, QSize(1100, 900));
    });
}

} // namespace HolterScreens
