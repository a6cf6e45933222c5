#include "data/CU_R207_Setup.h"

CU_R207_Setup::CU_R207_Setup(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
{
}

void CU_R207_Setup::setSoftwareVersion(const QString &value)
{
    m_SoftwareVersion = value;
    emit SoftwareVersionChanged(value);
}

void CU_R207_Setup::setDisplaySerialNumber(uint value)
{
    m_DisplaySerialNumber = value;
    emit DisplaySerialNumberChanged(value);
}

void CU_R207_Setup::setLanguage(int value)
{
    m_Language = value;
    emit LanguageChanged(value);
}

void CU_R207_Setup::setIP(const QString &value)
{
    m_IP = value;
    emit IPChanged(value);
}

void CU_R207_Setup::setMacAddress(const QString &value)
{
    m_MacAddress = value;
    emit MacAddressChanged(value);
}

void CU_R207_Setup::setSystemName(const QString &value)
{
    m_SystemName = value;
    emit SystemNameChanged(value);
}

void CU_R207_Setup::setAlarmSounder(int value)
{
    m_AlarmSounder = value;
    emit AlarmSounderChanged(value);
}

void CU_R207_Setup::setButtonBeep(int value)
{
    m_ButtonBeep = value;
    emit ButtonBeepChanged(value);
}

void CU_R207_Setup::setSounderTest(int value)
{
    m_SounderTest = value;
    emit SounderTestChanged(value);
}

void CU_R207_Setup::setCalibrateTouchScreen(int value)
{
    m_CalibrateTouchScreen = value;
    emit CalibrateTouchScreenChanged(value);
}

void CU_R207_Setup::setLocalSFI(const QString &value)
{
    if (m_LocalSFI == value)
        return;
    m_previousLocalSFI = m_LocalSFI;
    m_LocalSFI = value;
    emit LocalSFIChanged(value);
}

void CU_R207_Setup::setPairedSFI(const QString &value)
{
    if (m_PairedSFI == value)
        return;
    m_previousPairedSFI = m_PairedSFI;
    m_PairedSFI = value;
    emit PairedSFIChanged(value);
}

void CU_R207_Setup::setGroup(int value)
{
    m_previousGroup = m_Group;
    m_Group = value;
    emit GroupChanged(value);
}

void CU_R207_Setup::setGroupKeepingPrevious(int value)
{
    setGroup(value);
}
