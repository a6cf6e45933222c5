#include "data/ESOtherSettings.h"

#include "common/SignalEmitter.h"

ESOtherSettings::ESOtherSettings(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESOtherSettings::setPollingTest(int value)
{
    m_PollingTest = value;
    emit PollingTestChanged(m_PollingTest);
}

void ESOtherSettings::setTotalSerializableValue(double value)
{
    m_TotalSerializableValue = value;
    emit TotalSerializableValueChanged(m_TotalSerializableValue);
}

void ESOtherSettings::setTripSerializableValue(double value)
{
    m_TripSerializableValue = value;
    emit TripSerializableValueChanged(m_TripSerializableValue);
}

void ESOtherSettings::setWaterTotalSerializableValue(double value)
{
    m_WaterTotalSerializableValue = value;
    emit WaterTotalSerializableValueChanged(m_WaterTotalSerializableValue);
}

void ESOtherSettings::setWaterTripSerializableValue(double value)
{
    m_WaterTripSerializableValue = value;
    emit WaterTripSerializableValueChanged(m_WaterTripSerializableValue);
}

void ESOtherSettings::setNMEALoopTest(int value)
{
    m_NMEALoopTest = value;
    emit NMEALoopTestChanged(m_NMEALoopTest);
}

void ESOtherSettings::setNmeaPort1Status(int value)
{
    m_NmeaPort1Status = value;
    emit NmeaPort1StatusChanged(m_NmeaPort1Status);
}

void ESOtherSettings::setNmeaPort2Status(int value)
{
    m_NmeaPort2Status = value;
    emit NmeaPort2StatusChanged(m_NmeaPort2Status);
}

void ESOtherSettings::setNmeaPort3Status(int value)
{
    m_NmeaPort3Status = value;
    emit NmeaPort3StatusChanged(m_NmeaPort3Status);
}

void ESOtherSettings::setTransceiverPortStatus(int value)
{
    m_TransceiverPortStatus = value;
    emit TransceiverPortStatusChanged(m_TransceiverPortStatus);
}

void ESOtherSettings::setDateTimeReceivedCounter(int value)
{
    m_DateTimeReceivedCounter = value;
    emit DateTimeReceivedCounterChanged(m_DateTimeReceivedCounter);
}

void ESOtherSettings::setTimeReceived(int value)
{
    m_TimeReceived = value;
    emit TimeReceivedChanged(m_TimeReceived);
}

void ESOtherSettings::setTVR100WindowsConnectedCounter(int value)
{
    m_TVR100WindowsConnectedCounter = value;
    emit TVR100WindowsConnectedCounterChanged(m_TVR100WindowsConnectedCounter);
}

// Every write is a press of the mark button, also with an unchanged value: it publishes the
// manual event mark.
void ESOtherSettings::setMark(int value)
{
    m_Mark = value;
    emit MarkChanged(m_Mark);
    emit SerializableClass::signalEmitter()->signalMarkString(QStringLiteral("ManualMark"));
}
