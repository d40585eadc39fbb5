#include "ui/viewers/ReportLauncher.h"

#include "files/CheckType.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/ReportViewer.h"
#include "ui/viewers/SlmReportViewer.h"

namespace ReportLauncher {

ReportViewer* open(const QString& sn, const CheckRecord& record, QWidget* parent)
{
    ReportData data;
    if (!ReportPrinting::reportOf(sn, record, &data))
        return nullptr;
    ReportViewer* viewer = data.checkType == CheckType::Sleep ? new SlmReportViewer(parent) : new ReportViewer(parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(data.checkTimeText());
    viewer->setData(data);
    viewer->show();
    return viewer;
}

} // namespace ReportLauncher
