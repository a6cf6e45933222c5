#include "nmea/PqrvDptData.h"

#include "nmea/NmeaMessage.h"

PqrvDptData::PqrvDptData(QObject *parent)
    : QObject(parent)
{
    ValidatedProperty::registerMetaTypes();
    NmeaMessage::initializeProperties(this);
}
