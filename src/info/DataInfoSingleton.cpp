#include "info/DataInfoSingleton.h"

DataInfoSingleton *DataInfoSingleton::s_override = nullptr;

DataInfoSingleton *DataInfoSingleton::instance()
{
    if (s_override)
        return s_override;
    static DataInfoSingleton *const singleton = new DataInfoSingleton;
    return singleton;
}

DataInfoSingleton::DataInfoSingleton()
    : QObject(nullptr)
    , m_dataInfo(ESDataInfoClass::instance())
{
}

void DataInfoSingleton::setDataInfo(const QString &name)
{
    if (name.contains(QLatin1String("es"), Qt::CaseInsensitive))
        m_dataInfo = ESDataInfoClass::instance();
}
