#include "report/DailyCheckText.h"

#include "files/DeviceModel.h"
#include "report/LeadText.h"
#include "report/ResultText.h"

namespace DailyCheckText {

bool isTwoUserMonitor(int modelType)
{
    return modelType == DeviceModel::kQmr4Type;
}

int user(const DailyRecord& daily)
{
    return daily.BPFlag;
}

QString userLetter(const DailyRecord& daily, int modelType)
{
    return isTwoUserMonitor(modelType) ? LeadText::userLetter(user(daily)) : QString();
}

QString result(const EcgDetail& detail, int modelType)
{
    if (!detail.isRead())
        return QString();
    const int resultByte = detail.header().result;
    return isTwoUserMonitor(modelType) ? ResultText::pulse(resultByte) : ResultText::ecg(resultByte, 2);
}

} // namespace DailyCheckText
