#pragma once

#include <QString>

// How an ECG was taken, from the codes of the records and detail headers.
namespace LeadText {

struct LeadCable
{
    QString lead;
    QString cable;
};

// The ECG recorder's lead code (1..5); other codes leave both empty.
LeadCable ecgRecorder(int leadCode);
// The ST level is shown only for the recorder's cable and wrist leads.
bool showsSt(int leadCode);
// The daily check's lead code (1..6).
LeadCable daily(int leadCode);
// The ZoravIvide mode code: 1 and 3 "MODE I", 2 and 4 "MODE II".
QString zoravMode(int modeCode);
// Bandwidth byte: bit 0 set "Wide", clear "Normal".
QString bandwidth(int bandwidthByte);
// The user of a two-user daily monitor: 1 "A", 2 "B".
QString userLetter(int userByte);

} // namespace LeadText
