#include "data/ESOtherLocalSettings.h"

ESOtherLocalSettings::ESOtherLocalSettings(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
{
}

void ESOtherLocalSettings::setNone(int value)
{
    m_None = value;
    emit NoneChanged(value);
}

void ESOtherLocalSettings::setTimeMode(int value)
{
    m_TimeMode = value;
    emit TimeModeChanged(value);
}

void ESOtherLocalSettings::setNMEALoopTest(int value)
{
    m_NMEALoopTest = value;
    emit NMEALoopTestChanged(value);
}

void ESOtherLocalSettings::setNmeaPort1Status(int value)
{
    m_NmeaPort1Status = value;
    emit NmeaPort1StatusChanged(value);
}

void ESOtherLocalSettings::setNmeaPort2Status(int value)
{
    m_NmeaPort2Status = value;
    emit NmeaPort2StatusChanged(value);
}

void ESOtherLocalSettings::setNmeaPort3Status(int value)
{
    m_NmeaPort3Status = value;
    emit NmeaPort3StatusChanged(value);
}
