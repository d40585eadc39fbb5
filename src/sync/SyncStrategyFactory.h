#pragma once

#include "sync/SyncStrategy.h"

#include <memory>

// Picks the sync strategy of a device family by the model type code.
namespace SyncStrategyFactory {

// The Corviset strategy for its model, the Vitacor one for every other code;
// model type code and serial number already set.
std::shared_ptr<SyncStrategy> create(int modelType, const QString& sn);

} // namespace SyncStrategyFactory
