#include "holter/mySingleton.h"

#include "app/CallOnce.h"
#include "holter/HolterReport.h"

mySingleton* mySingleton::instance()
{
    return Singleton<mySingleton>::instance();
}

mySingleton::mySingleton()
    : m_holterReport(new HolterReport(this))
{}
