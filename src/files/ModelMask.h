#pragma once

#include <QtGlobal>

// Which check types each device model offers, by its model type code (the
// first byte of the device information).
namespace ModelMask {

// The Corviset monitor, synced by a strategy of its own.
constexpr int kCorvisetModel = 5;
// The two-user daily-check monitor: long ECG detail header, no user names.
constexpr int kDailyOnlyModel = 53;

// Mask of offered check types; an unknown model offers every type.
quint32 of(int modelType);
bool offers(int modelType, int checkType);

} // namespace ModelMask
