#pragma once

#include <QString>

// A user of a device as the navigation tree lists it under a check type.
struct DeviceUser
{
    QString userid;
    QString medicalid;
    QString name;
    // The medical id for extended users, the name for the others and the
    // name for multi-test users.
    QString displayName;
    int count = 0; // checks of the listed type
};
