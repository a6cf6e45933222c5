#include "data/ESTQ55Setup.h"

ESTQ55Setup::ESTQ55Setup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESTQ55Setup::setIP(const QString &value)
{
    m_IP = value;
    emit IPChanged(m_IP);
}

void ESTQ55Setup::setMacAddress(const QString &value)
{
    m_MacAddress = value;
    emit MacAddressChanged(m_MacAddress);
}

void ESTQ55Setup::setGroup(int value)
{
    m_Group = value;
    emit GroupChanged(m_Group);
}

void ESTQ55Setup::setSystemName(const QString &value)
{
    m_SystemName = value;
    emit SystemNameChanged(m_SystemName);
}

void ESTQ55Setup::setSystemInNormalOrStandbyMode(int value)
{
    if (m_SystemInNormalOrStandbyMode == value)
        return;
    m_SystemInNormalOrStandbyMode = value;
    emit SystemInNormalOrStandbyModeChanged(m_SystemInNormalOrStandbyMode);
}

void ESTQ55Setup::setRestoreAllSetups(int value)
{
    if (m_RestoreAllSetups == value)
        return;
    m_RestoreAllSetups = value;
    emit RestoreAllSetupsChanged(m_RestoreAllSetups);
}

void ESTQ55Setup::setRestoreAllSetupsExceptIO(int value)
{
    if (m_RestoreAllSetupsExceptIO == value)
        return;
    m_RestoreAllSetupsExceptIO = value;
    emit RestoreAllSetupsExceptIOChanged(m_RestoreAllSetupsExceptIO);
}

void ESTQ55Setup::setTQ55SerialNumber(uint value)
{
    m_TQ55SerialNumber = value;
    emit TQ55SerialNumberChanged(m_TQ55SerialNumber);
}

void ESTQ55Setup::setSoftwareVersion(const QString &value)
{
    m_SoftwareVersion = value;
    emit SoftwareVersionChanged(m_SoftwareVersion);
}

void ESTQ55Setup::setLocalSFI(const QString &value)
{
    if (m_LocalSFI == value)
        return;
    m_previousLocalSFI = m_LocalSFI;
    m_LocalSFI = value;
    emit LocalSFIChanged(m_LocalSFI);
}
