#pragma once

#include <QObject>

class HolterReport;

// Process-wide holder of the one HolterReport that every Holter screen
// shares; created on first use and reloaded for each opened recording.
class mySingleton : public QObject
{
    Q_OBJECT
public:
    mySingleton();

    static mySingleton* instance();

    HolterReport* holterReport() const { return m_holterReport; }

private:
    HolterReport* m_holterReport;
};
