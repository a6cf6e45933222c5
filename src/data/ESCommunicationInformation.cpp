#include "data/ESCommunicationInformation.h"

ESCommunicationInformation::ESCommunicationInformation(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
    setType(QStringLiteral("Type_SetupCommsInfo"));
    setRelayReceivedChanges(false);
    initializeValidity(true);
}

void ESCommunicationInformation::setCommsInfoOn(int value)
{
    m_CommsInfoOn = value;
    emit CommsInfoOnChanged(value);
}

void ESCommunicationInformation::setChannelNumber(int value)
{
    m_ChannelNumber = value;
    emit ChannelNumberChanged(value);
}

void ESCommunicationInformation::setDataDirection(int value)
{
    m_DataDirection = value;
    emit DataDirectionChanged(value);
}

void ESCommunicationInformation::setDataFormat(int value)
{
    m_DataFormat = value;
    emit DataFormatChanged(value);
}

void ESCommunicationInformation::setCommsData(const QString &value)
{
    m_CommsData = value;
    emit CommsDataChanged(value);
}

void ESCommunicationInformation::setAuxStates(int value)
{
    m_AuxStates = value;
    emit AuxStatesChanged(value);
}

void ESCommunicationInformation::setCuPortsIn(const QString &value)
{
    m_CuPortsIn = value;
    emit CuPortsInChanged(value);
}

void ESCommunicationInformation::setCuPort1Out(const QString &value)
{
    m_CuPort1Out = value;
    emit CuPort1OutChanged(value);
}

void ESCommunicationInformation::setCuPort3Out(const QString &value)
{
    m_CuPort3Out = value;
    emit CuPort3OutChanged(value);
}
