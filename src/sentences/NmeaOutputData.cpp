#include "sentences/NmeaOutputData.h"

#include "nmea/NmeaMessage.h"

NmeaOutputData *NmeaOutputData::instance()
{
    static NmeaOutputData *const data = new NmeaOutputData;
    return data;
}

NmeaOutputData::NmeaOutputData(QObject *parent)
    : QObject(parent)
{
    ValidatedProperty::registerMetaTypes();
    NmeaMessage::initializeProperties(this);
}
