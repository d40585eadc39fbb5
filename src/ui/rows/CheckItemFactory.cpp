#include "ui/rows/CheckItemFactory.h"

#include "files/CheckType.h"
#include "ui/holter/HolterWidget.h"
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

CheckItemBase* create(int checkType, QWidget* parent)
{
    switch (checkType) {
    case CheckType::Ecg: return new EcgWidget(parent);
    case CheckType::Oxi: return new OxiWidget(parent);
    case CheckType::Temperature: return new TempWidget(parent);
    case CheckType::Pedometer: return new PedoWidget(parent);
    case CheckType::DailyCheck: return new DailyWidget(parent);
    case CheckType::SpotCheck: return new SpotWidget(parent);
    case CheckType::Sleep: return new SlmWidget(parent);
    case CheckType::UserBloodPressure:
    case CheckType::BloodPressure: return new NibpWidget(checkType, parent);
    case CheckType::CorvisetDailyCheck: return new BodyCheckWidget(parent);
    case CheckType::Spo2Temp: return new Spo2TempWidget(parent);
    case CheckType::UserGlucose:
    case CheckType::Glucose: return new GluWidget(checkType, parent);
    case CheckType::MultiTest: return new MultiTestWidget(parent);
    case CheckType::Holter: return new HolterWidget(parent);
    default: return nullptr;
    }
}

int rowHeight(int checkType)
{
    switch (checkType) {
    case CheckType::Ecg: return 185;
    case CheckType::Oxi: return 120;
    case CheckType::Temperature: return 100;
    case CheckType::Pedometer: return 140;
    case CheckType::DailyCheck: return 210;
    case CheckType::SpotCheck: return 250;
    case CheckType::Sleep: return 150;
    case CheckType::UserBloodPressure:
    case CheckType::BloodPressure: return 150;
    case CheckType::CorvisetDailyCheck: return 210;
    case CheckType::Spo2Temp:
    case CheckType::UserGlucose:
    case CheckType::Glucose: return 120;
    case CheckType::MultiTest: return 230;
    case CheckType::Holter: return 120;
    default: return 0;
    }
}

} // namespace CheckItemFactory
