#include "data/ESAlertSetup.h"

ESAlertSetup::ESAlertSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESAlertSetup::setAlarmShallow(double value)
{
    m_AlarmShallow = value;
    emit AlarmShallowChanged(m_AlarmShallow);
}

void ESAlertSetup::setAlertDeep(double value)
{
    m_AlertDeep = value;
    emit AlertDeepChanged(m_AlertDeep);
}

void ESAlertSetup::setAlertType(int value)
{
    m_AlertType = value;
    emit AlertTypeChanged(m_AlertType);
}

void ESAlertSetup::setEscalationTime(int value)
{
    m_EscalationTime = value;
    emit EscalationTimeChanged(m_EscalationTime);
}

void ESAlertSetup::setAlarmShallowID(int value)
{
    m_AlarmShallowID = value;
    emit AlarmShallowIDChanged(m_AlarmShallowID);
}

void ESAlertSetup::setAlertDeepID(int value)
{
    m_AlertDeepID = value;
    emit AlertDeepIDChanged(m_AlertDeepID);
}

void ESAlertSetup::setAlertSystemID(int value)
{
    m_AlertSystemID = value;
    emit AlertSystemIDChanged(m_AlertSystemID);
}

void ESAlertSetup::setAlarmPowerFailureID(int value)
{
    m_AlarmPowerFailureID = value;
    emit AlarmPowerFailureIDChanged(m_AlarmPowerFailureID);
}

void ESAlertSetup::setAlarmSFI(const QString &value)
{
    m_AlarmSFI = value;
    emit AlarmSFIChanged(m_AlarmSFI);
}

void ESAlertSetup::setAlertDeepEscType(int value)
{
    m_AlertDeepEscType = value;
    emit AlertDeepEscTypeChanged(m_AlertDeepEscType);
}
