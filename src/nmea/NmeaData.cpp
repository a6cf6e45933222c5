#include "nmea/NmeaData.h"

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"

NmeaData *NmeaData::instance()
{
    static NmeaData *const data = new NmeaData;
    return data;
}

NmeaData::NmeaData(QObject *parent)
    : QObject(parent)
{
    ValidatedProperty::registerMetaTypes();
    NmeaMessage::initializeProperties(this);
    m_zdaData = new ZdaData(this);
}

ZdaData *NmeaData::zdaData() const
{
    return m_zdaData;
}

PqrvDptData *NmeaData::pqrvDptData(int channel) const
{
    Q_UNUSED(channel)
    return nullptr;
}
