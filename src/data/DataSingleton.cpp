#include "data/DataSingleton.h"

#include "data/ESDataClass.h"

DataSingleton *DataSingleton::instance()
{
    static DataSingleton *const singleton = new DataSingleton;
    return singleton;
}

DataSingleton::DataSingleton(QObject *parent)
    : QObject(parent)
{
}

ESDataClass *DataSingleton::dataClass() const
{
    // Asked at every use, so that a test's own tree (ESDataClass::TestOverride) is the one served.
    return ESDataClass::instance();
}

void DataSingleton::selectDataClass(const QString &systemType)
{
    // ESDataClass is the only data class and is selected from the start; any other text changes nothing.
    Q_UNUSED(systemType)
}
