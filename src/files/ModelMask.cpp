#include "files/ModelMask.h"

namespace ModelMask {

quint32 of(int modelType)
{
    switch (modelType) {
    case 0: return 0x14DF;
    case 1:
    case 6: return 0x0013;
    case 2:
    case 7:
    case 9:
    case 18: return 0x007F;
    case kCorvisetModel: return 0x0200;
    case 8: return 0x003F;
    case 19: return 0x6107;
    case 49: return 0x0001;
    case kDailyOnlyModel: return 0x0010;
    case 54: return 0x0800;
    default: return 0xFFFFFFFF;
    }
}

bool offers(int modelType, int checkType)
{
    return (of(modelType) & static_cast<quint32>(checkType)) != 0;
}

} // namespace ModelMask
