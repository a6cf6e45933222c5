#include "data/ESAUXSetup.h"

ESAUXSetup::ESAUXSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
    m_auxInput4Options = QStringList { "Disabled" };
    m_auxOutput1Options = QStringList { "SogPulse", "SpeedLimitHigh", "SpeedLimitLow", "OutputHigh",
        "OutputLow", "Disabled" };
    m_auxOutput2Options = m_auxOutput1Options;
    m_auxOutput3RelayOptions
        = QStringList { "SpeedLimitHigh", "SpeedLimitLow", "OutputHigh", "OutputLow", "Disabled" };
}

void ESAUXSetup::setAuxInput4(int value)
{
    m_AuxInput4 = value;
    emit AuxInput4Changed(m_AuxInput4);
}

void ESAUXSetup::setAuxOutput1(int value)
{
    m_AuxOutput1 = value;
    emit AuxOutput1Changed(m_AuxOutput1);
}

void ESAUXSetup::setAuxOutput2(int value)
{
    m_AuxOutput2 = value;
    emit AuxOutput2Changed(m_AuxOutput2);
}

void ESAUXSetup::setAuxOutput3Relay(int value)
{
    m_AuxOutput3Relay = value;
    emit AuxOutput3RelayChanged(m_AuxOutput3Relay);
}

void ESAUXSetup::setSpeedLimitHigh(double value)
{
    m_SpeedLimitHigh = value;
    emit SpeedLimitHighChanged(m_SpeedLimitHigh);
}

void ESAUXSetup::setSpeedLimitLow(double value)
{
    m_SpeedLimitLow = value;
    emit SpeedLimitLowChanged(m_SpeedLimitLow);
}
