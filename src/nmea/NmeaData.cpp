#include "nmea/NmeaData.h"

#include "nmea/NmeaMessage.h"
#include "nmea/PqrvDptData.h"
#include "nmea/ValidatedProperty.h"
#include "nmea/ZdaData.h"

#include <cmath>

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
    for (PqrvDptData *&channel : m_pqrvDptData)
        channel = new PqrvDptData(this);
}

ZdaData *NmeaData::zdaData() const
{
    return m_zdaData;
}

PqrvDptData *NmeaData::pqrvDptData(int channel) const
{
    if (channel < 1 || channel > 2)
        return nullptr;
    return m_pqrvDptData[channel - 1];
}

namespace {

// ddmm.mmmm or dddmm.mmmm to degrees, in single precision as the received fields carry it. No integer
// conversion, so that a value of any size gives a number (or NaN) rather than undefined behaviour.
double signedDegrees(const ValidatedFloatProperty *value, const ValidatedStringProperty *hemisphere,
    const QString &positiveHemisphere)
{
    const float v = static_cast<float>(value->value());
    const float degrees = std::trunc(v / 100.0f);
    const float minutes = v - 100.0f * degrees;
    const double sign = hemisphere->value() == positiveHemisphere ? 1.0 : -1.0;
    return sign * (double(degrees) + double(minutes) / 60.0);
}

} // namespace

double NmeaData::latitudeDegrees() const
{
    return signedDegrees(m_Latitude, m_NorthOrSouth, QStringLiteral("N"));
}

double NmeaData::longitudeDegrees() const
{
    return signedDegrees(m_Longitude, m_EastOrWest, QStringLiteral("E"));
}
