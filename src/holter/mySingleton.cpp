#include "mySingleton.h"

#include "CallOnce.h"
#include "HolterReport.h"

mySingleton* mySingleton::instance()
{
    return Singleton<mySingleton>::instance();
}

mySingleton::mySingleton()
    : m_holterReport(new HolterReport(this))
{}
