#include "data/ESTransducerAutoFunctionsSetup.h"

ESTransducerAutoFunctionsSetup::ESTransducerAutoFunctionsSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESTransducerAutoFunctionsSetup::setDepth1(double value)
{
    m_Depth1 = value;
    emit Depth1Changed(m_Depth1);
}

void ESTransducerAutoFunctionsSetup::setDepth2(double value)
{
    m_Depth2 = value;
    emit Depth2Changed(m_Depth2);
}

void ESTransducerAutoFunctionsSetup::setDepthResolution(double value)
{
    m_DepthResolution = value;
    emit DepthResolutionChanged(m_DepthResolution);
}

void ESTransducerAutoFunctionsSetup::setPulseWidthAtLessThan20m(int value)
{
    m_PulseWidthAtLessThan20m = value;
    emit PulseWidthAtLessThan20mChanged(m_PulseWidthAtLessThan20m);
}

void ESTransducerAutoFunctionsSetup::setPulseWidth1(int value)
{
    m_PulseWidth1 = value;
    emit PulseWidth1Changed(m_PulseWidth1);
}

void ESTransducerAutoFunctionsSetup::setPulseWidth2(int value)
{
    m_PulseWidth2 = value;
    emit PulseWidth2Changed(m_PulseWidth2);
}

void ESTransducerAutoFunctionsSetup::setPulseWidthResolution(int value)
{
    m_PulseWidthResolution = value;
    emit PulseWidthResolutionChanged(m_PulseWidthResolution);
}

void ESTransducerAutoFunctionsSetup::setPowerAtLessThan20m(int value)
{
    m_PowerAtLessThan20m = value;
    emit PowerAtLessThan20mChanged(m_PowerAtLessThan20m);
}

void ESTransducerAutoFunctionsSetup::setPowerAt20m(int value)
{
    m_PowerAt20m = value;
    emit PowerAt20mChanged(m_PowerAt20m);
}

void ESTransducerAutoFunctionsSetup::setPowerAt50m(int value)
{
    m_PowerAt50m = value;
    emit PowerAt50mChanged(m_PowerAt50m);
}

void ESTransducerAutoFunctionsSetup::setPowerAtMoreThan50m(int value)
{
    m_PowerAtMoreThan50m = value;
    emit PowerAtMoreThan50mChanged(m_PowerAtMoreThan50m);
}
