#include "data/ESTestScreenSetup.h"

ESTestScreenSetup::ESTestScreenSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
    // The mirrors of the NMEA inputs are never on at start, whatever the junction box last sent.
    setNmea1MirrorToOutput(0);
    setNmea2MirrorToOutput(0);
    setNmea3MirrorToOutput(0);
}

void ESTestScreenSetup::setRestartTransceiver(int value)
{
    m_RestartTransceiver = value;
    emit RestartTransceiverChanged(m_RestartTransceiver);
}

void ESTestScreenSetup::setTransceiverRebootCounter(int value)
{
    m_TransceiverRebootCounter = value;
    emit TransceiverRebootCounterChanged(m_TransceiverRebootCounter);
}

void ESTestScreenSetup::setResetCounter(int value)
{
    m_ResetCounter = value;
    emit ResetCounterChanged(m_ResetCounter);
}

void ESTestScreenSetup::setCounterResetDateTime(const QString &value)
{
    m_CounterResetDateTime = value;
    emit CounterResetDateTimeChanged(m_CounterResetDateTime);
}

void ESTestScreenSetup::setTransceiverRebootDateTime(const QString &value)
{
    m_TransceiverRebootDateTime = value;
    emit TransceiverRebootDateTimeChanged(m_TransceiverRebootDateTime);
}

void ESTestScreenSetup::setHoursSinceCounterReset(double value)
{
    m_HoursSinceCounterReset = value;
    emit HoursSinceCounterResetChanged(m_HoursSinceCounterReset);
}

void ESTestScreenSetup::setHoursSinceTransceiverReboot(double value)
{
    m_HoursSinceTransceiverReboot = value;
    emit HoursSinceTransceiverRebootChanged(m_HoursSinceTransceiverReboot);
}

void ESTestScreenSetup::setUpdateTransceiverRebootInfo(int value)
{
    m_UpdateTransceiverRebootInfo = value;
    emit UpdateTransceiverRebootInfoChanged(m_UpdateTransceiverRebootInfo);
}

void ESTestScreenSetup::setSensorChannelNumber(int value)
{
    m_SensorChannelNumber = value;
    emit SensorChannelNumberChanged(m_SensorChannelNumber);
}

void ESTestScreenSetup::setTestDepthLimitH(double value)
{
    m_TestDepthLimitH = value;
    emit TestDepthLimitHChanged(m_TestDepthLimitH);
}

void ESTestScreenSetup::setTestDepthLimitL(double value)
{
    m_TestDepthLimitL = value;
    emit TestDepthLimitLChanged(m_TestDepthLimitL);
}

void ESTestScreenSetup::setLedDepthIndication(int value)
{
    m_LedDepthIndication = value;
    emit LedDepthIndicationChanged(m_LedDepthIndication);
}

void ESTestScreenSetup::setLoadTestSettings(int value)
{
    m_LoadTestSettings = value;
    emit LoadTestSettingsChanged(m_LoadTestSettings);
}

void ESTestScreenSetup::setScopeScreenOpen(int value)
{
    m_ScopeScreenOpen = value;
    emit ScopeScreenOpenChanged(m_ScopeScreenOpen);
}

void ESTestScreenSetup::setNmea1MirrorToOutput(int value)
{
    m_Nmea1MirrorToOutput = value;
    emit Nmea1MirrorToOutputChanged(m_Nmea1MirrorToOutput);
}

void ESTestScreenSetup::setNmea2MirrorToOutput(int value)
{
    m_Nmea2MirrorToOutput = value;
    emit Nmea2MirrorToOutputChanged(m_Nmea2MirrorToOutput);
}

void ESTestScreenSetup::setNmea3MirrorToOutput(int value)
{
    m_Nmea3MirrorToOutput = value;
    emit Nmea3MirrorToOutputChanged(m_Nmea3MirrorToOutput);
}

void ESTestScreenSetup::setLoggingToDisk(int value)
{
    m_LoggingToDisk = value;
    emit LoggingToDiskChanged(m_LoggingToDisk);
}

void ESTestScreenSetup::setBitShift(int value)
{
    m_BitShift = value;
    emit BitShiftChanged(m_BitShift);
}

void ESTestScreenSetup::setPingingSequence(int value)
{
    m_PingingSequence = value;
    emit PingingSequenceChanged(m_PingingSequence);
}

void ESTestScreenSetup::setPingingMultiplexed(int value)
{
    m_PingingMultiplexed = value;
    emit PingingMultiplexedChanged(m_PingingMultiplexed);
}

void ESTestScreenSetup::setCh1PingingOn(int value)
{
    m_Ch1PingingOn = value;
    emit Ch1PingingOnChanged(m_Ch1PingingOn);
}

void ESTestScreenSetup::setCh1PingingOnBeforeStandby(int value)
{
    m_Ch1PingingOnBeforeStandby = value;
    emit Ch1PingingOnBeforeStandbyChanged(m_Ch1PingingOnBeforeStandby);
}

void ESTestScreenSetup::setCh2PingingOn(int value)
{
    m_Ch2PingingOn = value;
    emit Ch2PingingOnChanged(m_Ch2PingingOn);
}

void ESTestScreenSetup::setCh2PingingOnBeforeStandby(int value)
{
    m_Ch2PingingOnBeforeStandby = value;
    emit Ch2PingingOnBeforeStandbyChanged(m_Ch2PingingOnBeforeStandby);
}

void ESTestScreenSetup::setCh1SinglePing(int value)
{
    m_Ch1SinglePing = value;
    emit Ch1SinglePingChanged(m_Ch1SinglePing);
}

void ESTestScreenSetup::setCh2SinglePing(int value)
{
    m_Ch2SinglePing = value;
    emit Ch2SinglePingChanged(m_Ch2SinglePing);
}

void ESTestScreenSetup::setPingingFrequency(int value)
{
    m_PingingFrequency = value;
    emit PingingFrequencyChanged(m_PingingFrequency);
}

void ESTestScreenSetup::setPingDelay(int value)
{
    m_PingDelay = value;
    emit PingDelayChanged(m_PingDelay);
}

// Muting the sensor changes what the pinging switches mean to their listeners, so both are
// announced again with their current values.
void ESTestScreenSetup::setSensorMute(int value)
{
    m_SensorMute = value;
    emit SensorMuteChanged(m_SensorMute);
    emit Ch1PingingOnChanged(m_Ch1PingingOn);
    emit Ch2PingingOnChanged(m_Ch2PingingOn);
}
