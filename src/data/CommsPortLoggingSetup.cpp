#include "data/CommsPortLoggingSetup.h"

CommsPortLoggingSetup::CommsPortLoggingSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void CommsPortLoggingSetup::setNmea1(int value)
{
    m_Nmea1 = value;
    emit Nmea1Changed(m_Nmea1);
}

void CommsPortLoggingSetup::setNmea2(int value)
{
    m_Nmea2 = value;
    emit Nmea2Changed(m_Nmea2);
}

void CommsPortLoggingSetup::setNmea3(int value)
{
    m_Nmea3 = value;
    emit Nmea3Changed(m_Nmea3);
}

void CommsPortLoggingSetup::setNmeaUdp(int value)
{
    m_NmeaUdp = value;
    emit NmeaUdpChanged(m_NmeaUdp);
}
