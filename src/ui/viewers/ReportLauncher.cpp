#include "ui/viewers/ReportLauncher.h"

#include "files/CheckType.h"
#include "report/ReportSource.h"
#include "ui/rows/CheckItemBase.h"
#include "ui/viewers/ReportViewer.h"
#include "ui/viewers/SlmReportViewer.h"

#include <QPointer>

namespace ReportLauncher {

QDialog* open(CheckItemBase* row, QWidget* parent)
{
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
