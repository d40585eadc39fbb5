#pragma once

#include <QDate>
#include <QString>

// A person known to a monitor, as passed between the record store, the sync
// and the interface; the last three fields are report details.
struct CheckUser
{
    QString userid;
    QString medicalid;
    QString name;
    int sex = 0; // 0 male, 1 female, other values unknown
    QDate birthday;
    int age = 0;
    int height = 0;
    int weight = 0;
    bool isXUser = false;
    QString remarks;
    QString physician;
    QString indication;
};
