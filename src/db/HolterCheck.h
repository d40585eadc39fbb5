#pragma once

#include <QString>

// A stored Holter recording: its user, start time text and duration.
struct HolterCheck
{
    QString userid;
    QString checkTime;
    int duration = 0;
};
