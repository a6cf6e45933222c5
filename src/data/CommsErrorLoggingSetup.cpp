#include "data/CommsErrorLoggingSetup.h"

CommsErrorLoggingSetup::CommsErrorLoggingSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void CommsErrorLoggingSetup::setNmea1(int value)
{
    m_Nmea1 = value;
    emit Nmea1Changed(m_Nmea1);
}

void CommsErrorLoggingSetup::setNmea2(int value)
{
    m_Nmea2 = value;
    emit Nmea2Changed(m_Nmea2);
}

void CommsErrorLoggingSetup::setNmea3(int value)
{
    m_Nmea3 = value;
    emit Nmea3Changed(m_Nmea3);
}

void CommsErrorLoggingSetup::setNmeaUdp(int value)
{
    m_NmeaUdp = value;
    emit NmeaUdpChanged(m_NmeaUdp);
}

void CommsErrorLoggingSetup::setUdpNmeaDatagram(int value)
{
    m_UdpNmeaDatagram = value;
    emit UdpNmeaDatagramChanged(m_UdpNmeaDatagram);
}

void CommsErrorLoggingSetup::setUdpBinaryDatagram(int value)
{
    m_UdpBinaryDatagram = value;
    emit UdpBinaryDatagramChanged(m_UdpBinaryDatagram);
}
