#include "data/DataSingleton.h"

#include "data/ESDataClass.h"

DataSingleton *DataSingleton::instance()
{
    static DataSingleton *const singleton = new DataSingleton;
    return singleton;
}

DataSingleton::DataSingleton(QObject *parent)
    : QObject(parent)
    , m_dataClass(ESDataClass::instance())
{
}

void DataSingleton::selectDataClass(const QString &systemType)
{
    if (systemType.contains(QLatin1String("es"), Qt::CaseInsensitive))
        m_dataClass = ESDataClass::instance();
}
