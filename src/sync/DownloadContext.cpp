#include "sync/DownloadContext.h"

#include "app/Config.h"
#include "db/DbOperator.h"

DownloadContext DownloadContext::gather(const QString& sn)
{
    DownloadContext context;
    context.dataDir = Config::instance()->dataDir();
    context.chineseEdition = Config::instance()->isChineseEdition();
    context.storedFlowIds = DbOperator::instance()->flowIds(sn);
    return context;
}
