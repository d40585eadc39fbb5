#include "ui/viewers/ReportLauncher.h"

#include "files/CheckType.h"
#include "report/ReportSource.h"
#include "ui/holter/HolterWidget.h"
#include "ui/holter/SummaryDlg.h"
#include "ui/rows/CheckItemBase.h"
#include "ui/viewers/ReportViewer.h"
#include "ui/viewers/SlmReportViewer.h"

#include <QPointer>

namespace ReportLauncher {

namespace {

// Every Holter dialog reads the one shared recording, so the summary is
// modal: a second recording cannot be opened beside it.
QDialog* openHolterSummary(HolterWidget* row, QWidget* parent)
{
    auto* summary = new SummaryDlg(parent);
    summary->setAttribute(Qt::WA_DeleteOnClose);
    summary->setModal(true);
    summary->setUser(row->user());
    summary->setData(row->sn(), row->fileName());
    QObject::connect(summary, &SummaryDlg::userInfoChanged, row, &HolterWidget::onUserInfoChanged);
    summary->show();
    return summary;
}

} // namespace

QDialog* open(CheckItemBase* row, QWidget* parent)
{
    if (auto* holter = dynamic_cast<HolterWidget*>(row))
        return holter->hasReport() ? openHolterSummary(holter, parent) : nullptr;
    ReportData data;
    QString error;
    if (!row || !row->record() || !row->hasReport() ||
        !ReportSource::fromRecord(row->sn(), *row->record(), &data, &error))
        return nullptr;
    ReportViewer* viewer = data.checkType == CheckType::Sleep ? new SlmReportViewer(parent) : new ReportViewer(parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(data.checkTimeText());
    viewer->setData(data);
    const QPointer<QWidget> rowWidget = row->rowWidget();
    QObject::connect(viewer, &ReportViewer::updateUser, viewer, [viewer, row, rowWidget] {
        if (!rowWidget)
            return;
        row->setUser(viewer->data().user, false);
        row->refresh();
    });
    viewer->show();
    return viewer;
}

} // namespace ReportLauncher
