#include "data/ESPortsSetup.h"

ESPortsSetup::ESPortsSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESPortsSetup::setBaud1(int value)
{
    m_Baud1 = value;
    emit Baud1Changed(m_Baud1);
}

void ESPortsSetup::setBaud2(int value)
{
    m_Baud2 = value;
    emit Baud2Changed(m_Baud2);
}

void ESPortsSetup::setBaud3(int value)
{
    m_Baud3 = value;
    emit Baud3Changed(m_Baud3);
}
