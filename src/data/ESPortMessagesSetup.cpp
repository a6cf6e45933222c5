#include "data/ESPortMessagesSetup.h"

ESPort1MessagesSetup::ESPort1MessagesSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESPort1MessagesSetup::setVBW1(int value)
{
    m_VBW1 = value;
    emit VBW1Changed(m_VBW1);
}

void ESPort1MessagesSetup::setVTG1(int value)
{
    m_VTG1 = value;
    emit VTG1Changed(m_VTG1);
}

void ESPort1MessagesSetup::setGGA1(int value)
{
    m_GGA1 = value;
    emit GGA1Changed(m_GGA1);
}

void ESPort1MessagesSetup::setGLL1(int value)
{
    m_GLL1 = value;
    emit GLL1Changed(m_GLL1);
}

void ESPort1MessagesSetup::setVLW1(int value)
{
    m_VLW1 = value;
    emit VLW1Changed(m_VLW1);
}

void ESPort1MessagesSetup::setGSA1(int value)
{
    m_GSA1 = value;
    emit GSA1Changed(m_GSA1);
}

void ESPort1MessagesSetup::setGSV1(int value)
{
    m_GSV1 = value;
    emit GSV1Changed(m_GSV1);
}

void ESPort1MessagesSetup::setROT1(int value)
{
    m_ROT1 = value;
    emit ROT1Changed(m_ROT1);
}

void ESPort1MessagesSetup::setTHS1(int value)
{
    m_THS1 = value;
    emit THS1Changed(m_THS1);
}

void ESPort1MessagesSetup::setHDT1(int value)
{
    m_HDT1 = value;
    emit HDT1Changed(m_HDT1);
}

ESPort2MessagesSetup::ESPort2MessagesSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESPort2MessagesSetup::setVBW2(int value)
{
    m_VBW2 = value;
    emit VBW2Changed(m_VBW2);
}

void ESPort2MessagesSetup::setVTG2(int value)
{
    m_VTG2 = value;
    emit VTG2Changed(m_VTG2);
}

void ESPort2MessagesSetup::setGGA2(int value)
{
    m_GGA2 = value;
    emit GGA2Changed(m_GGA2);
}

void ESPort2MessagesSetup::setGLL2(int value)
{
    m_GLL2 = value;
    emit GLL2Changed(m_GLL2);
}

void ESPort2MessagesSetup::setVLW2(int value)
{
    m_VLW2 = value;
    emit VLW2Changed(m_VLW2);
}

void ESPort2MessagesSetup::setGSA2(int value)
{
    m_GSA2 = value;
    emit GSA2Changed(m_GSA2);
}

void ESPort2MessagesSetup::setGSV2(int value)
{
    m_GSV2 = value;
    emit GSV2Changed(m_GSV2);
}

void ESPort2MessagesSetup::setROT2(int value)
{
    m_ROT2 = value;
    emit ROT2Changed(m_ROT2);
}

void ESPort2MessagesSetup::setTHS2(int value)
{
    m_THS2 = value;
    emit THS2Changed(m_THS2);
}

void ESPort2MessagesSetup::setHDT2(int value)
{
    m_HDT2 = value;
    emit HDT2Changed(m_HDT2);
}

ESPort3MessagesSetup::ESPort3MessagesSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESPort3MessagesSetup::setVBW3(int value)
{
    m_VBW3 = value;
    emit VBW3Changed(m_VBW3);
}

void ESPort3MessagesSetup::setVTG3(int value)
{
    m_VTG3 = value;
    emit VTG3Changed(m_VTG3);
}

void ESPort3MessagesSetup::setGGA3(int value)
{
    m_GGA3 = value;
    emit GGA3Changed(m_GGA3);
}

void ESPort3MessagesSetup::setGLL3(int value)
{
    m_GLL3 = value;
    emit GLL3Changed(m_GLL3);
}

void ESPort3MessagesSetup::setVLW3(int value)
{
    m_VLW3 = value;
    emit VLW3Changed(m_VLW3);
}

void ESPort3MessagesSetup::setGSA3(int value)
{
    m_GSA3 = value;
    emit GSA3Changed(m_GSA3);
}

void ESPort3MessagesSetup::setGSV3(int value)
{
    m_GSV3 = value;
    emit GSV3Changed(m_GSV3);
}

void ESPort3MessagesSetup::setROT3(int value)
{
    m_ROT3 = value;
    emit ROT3Changed(m_ROT3);
}

void ESPort3MessagesSetup::setTHS3(int value)
{
    m_THS3 = value;
    emit THS3Changed(m_THS3);
}

void ESPort3MessagesSetup::setHDT3(int value)
{
    m_HDT3 = value;
    emit HDT3Changed(m_HDT3);
}

ESPortUDPMessagesSetup::ESPortUDPMessagesSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESPortUDPMessagesSetup::setVBW4(int value)
{
    m_VBW4 = value;
    emit VBW4Changed(m_VBW4);
}

void ESPortUDPMessagesSetup::setVTG4(int value)
{
    m_VTG4 = value;
    emit VTG4Changed(m_VTG4);
}

void ESPortUDPMessagesSetup::setGGA4(int value)
{
    m_GGA4 = value;
    emit GGA4Changed(m_GGA4);
}

void ESPortUDPMessagesSetup::setGLL4(int value)
{
    m_GLL4 = value;
    emit GLL4Changed(m_GLL4);
}

void ESPortUDPMessagesSetup::setVLW4(int value)
{
    m_VLW4 = value;
    emit VLW4Changed(m_VLW4);
}

void ESPortUDPMessagesSetup::setGSA4(int value)
{
    m_GSA4 = value;
    emit GSA4Changed(m_GSA4);
}

void ESPortUDPMessagesSetup::setGSV4(int value)
{
    m_GSV4 = value;
    emit GSV4Changed(m_GSV4);
}

void ESPortUDPMessagesSetup::setROT4(int value)
{
    m_ROT4 = value;
    emit ROT4Changed(m_ROT4);
}

void ESPortUDPMessagesSetup::setTHS4(int value)
{
    m_THS4 = value;
    emit THS4Changed(m_THS4);
}

void ESPortUDPMessagesSetup::setHDT4(int value)
{
    m_HDT4 = value;
    emit HDT4Changed(m_HDT4);
}
