#include "ui/rows/CheckItemFactory.h"

#include "files/CheckType.h"
#include "ui/rows/BodyCheckWidget.h"
#include "ui/rows/DailyWidget.h"
#include "ui/rows/EcgWidget.h"
#include "ui/rows/GluWidget.h"
#include "ui/rows/MultiTestWidget.h"
#include "ui/rows/NibpWidget.h"
#include "ui/rows/OxiWidget.h"
#include "ui/rows/PedoWidget.h"
#include "ui/rows/SlmWidget.h"
#include "ui/rows/Spo2TempWidget.h"
#include "ui/rows/SpotWidget.h"
#include "ui/rows/TempWidget.h"

namespace CheckItemFactory {

namespace {

using Make = CheckItemBase* (*)(int checkType, QWidget* parent);

template <class Row>
CheckItemBase* make(int, QWidget* parent)
{
    return new Row(parent);
}

// For row classes that serve both the device's and a user's type.
template <class Row>
CheckItemBase* makeOfType(int checkType, QWidget* parent)
{
    return new Row(checkType, parent);
}

struct Entry
{
    int checkType;
    int height;
    Make make;
};

const Entry kRows[] = {
    {CheckType::Ecg, 185, make<EcgWidget>},
    {CheckType::Oxi, 120, make<OxiWidget>},
    {CheckType::Temperature, 100, make<TempWidget>},
    {CheckType::Pedometer, 140, make<PedoWidget>},
    {CheckType::DailyCheck, 210, make<DailyWidget>},
    {CheckType::SpotCheck, 250, make<SpotWidget>},
    {CheckType::Sleep, 150, make<SlmWidget>},
    {CheckType::UserBloodPressure, 150, makeOfType<NibpWidget>},
    {CheckType::BloodPressure, 150, makeOfType<NibpWidget>},
    {CheckType::CorvisetDailyCheck, 210, make<BodyCheckWidget>},
    {CheckType::Spo2Temp, 120, make<Spo2TempWidget>},
    {CheckType::UserGlucose, 120, makeOfType<GluWidget>},
    {CheckType::Glucose, 120, makeOfType<GluWidget>},
    {CheckType::MultiTest, 230, make<MultiTestWidget>},
};

const Entry* find(int checkType)
{
    for (const Entry& entry : kRows) {
        if (entry.checkType == checkType)
            return &entry;
    }
    return nullptr;
}

} // namespace

CheckItemBase* create(int checkType, QWidget* parent)
{
    const Entry* entry = find(checkType);
    return entry ? entry->make(checkType, parent) : nullptr;
}

int rowHeight(int checkType)
{
    const Entry* entry = find(checkType);
    return entry ? entry->height : 0;
}

} // namespace CheckItemFactory
