#include "data/ESPortSetup.h"

ESPortSetup::ESPortSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESPortSetup::setInputEnabled(int value)
{
    m_InputEnabled = value;
    emit InputEnabledChanged(m_InputEnabled);
}

void ESPortSetup::setBaud(int value)
{
    m_Baud = value;
    emit BaudChanged(m_Baud);
}

void ESPortSetup::setVBW(int value)
{
    m_VBW = value;
    emit VBWChanged(m_VBW);
}

void ESPortSetup::setVTG(int value)
{
    m_VTG = value;
    emit VTGChanged(m_VTG);
}

void ESPortSetup::setVLW(int value)
{
    m_VLW = value;
    emit VLWChanged(m_VLW);
}

void ESPortSetup::setROT(int value)
{
    m_ROT = value;
    emit ROTChanged(m_ROT);
}

void ESPortSetup::setTHS(int value)
{
    m_THS = value;
    emit THSChanged(m_THS);
}

void ESPortSetup::setHDT(int value)
{
    m_HDT = value;
    emit HDTChanged(m_HDT);
}

void ESPortSetup::setGGA(int value)
{
    m_GGA = value;
    emit GGAChanged(m_GGA);
}

void ESPortSetup::setGLL(int value)
{
    m_GLL = value;
    emit GLLChanged(m_GLL);
}

void ESPortSetup::setGSA(int value)
{
    m_GSA = value;
    emit GSAChanged(m_GSA);
}

void ESPortSetup::setGSV(int value)
{
    m_GSV = value;
    emit GSVChanged(m_GSV);
}
