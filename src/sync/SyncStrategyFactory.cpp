#include "sync/SyncStrategyFactory.h"

#include "files/DeviceModel.h"
#include "sync/CorvisetSyncStrategy.h"
#include "sync/VitacorProSyncStrategy.h"

std::shared_ptr<SyncStrategy> SyncStrategyFactory::create(int modelType, const QString& sn)
{
    std::shared_ptr<SyncStrategy> strategy;
    if (modelType == DeviceModel::kCorvisetType)
        strategy = std::make_shared<CorvisetSyncStrategy>();
    else
        strategy = std::make_shared<VitacorProSyncStrategy>();
    strategy->setModelType(modelType);
    strategy->setSerialNumber(sn);
    return strategy;
}
