#include "data/GainAutoFunctionSetup.h"

GainAutoFunctionSetup::GainAutoFunctionSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void GainAutoFunctionSetup::setSignalBasedAutoGain(int value)
{
    m_SignalBasedAutoGain = value;
    emit SignalBasedAutoGainChanged(m_SignalBasedAutoGain);
}

void GainAutoFunctionSetup::setSignalMaxLowerLimitPercentage(int value)
{
    m_SignalMaxLowerLimitPercentage = value;
    emit SignalMaxLowerLimitPercentageChanged(m_SignalMaxLowerLimitPercentage);
}

void GainAutoFunctionSetup::setSignalMaxUpperLimitPercentage(int value)
{
    m_SignalMaxUpperLimitPercentage = value;
    emit SignalMaxUpperLimitPercentageChanged(m_SignalMaxUpperLimitPercentage);
}

void GainAutoFunctionSetup::setMaxGainAtLessThan50m(int value)
{
    m_MaxGainAtLessThan50m = value;
    emit MaxGainAtLessThan50mChanged(m_MaxGainAtLessThan50m);
}

void GainAutoFunctionSetup::setMaxGainAt50m(int value)
{
    m_MaxGainAt50m = value;
    emit MaxGainAt50mChanged(m_MaxGainAt50m);
}
