#include "data/ESHistorySetup.h"

ESHistorySetup::ESHistorySetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESHistorySetup::setMode(int value)
{
    m_Mode = value;
    emit ModeChanged(m_Mode);
}

void ESHistorySetup::setLogToDevice(int value)
{
    m_LogToDevice = value;
    emit LogToDeviceChanged(m_LogToDevice);
}

void ESHistorySetup::setLongTermLogging(int value)
{
    m_LongTermLogging = value;
    emit LongTermLoggingChanged(m_LongTermLogging);
}

void ESHistorySetup::setEchogramPdfLogging(int value)
{
    m_EchogramPdfLogging = value;
    emit EchogramPdfLoggingChanged(m_EchogramPdfLogging);
}

void ESHistorySetup::setMarksPdfLogging(int value)
{
    m_MarksPdfLogging = value;
    emit MarksPdfLoggingChanged(m_MarksPdfLogging);
}

void ESHistorySetup::setRawDataLogging(int value)
{
    m_RawDataLogging = value;
    emit RawDataLoggingChanged(m_RawDataLogging);
}

void ESHistorySetup::setRecording(int value)
{
    m_Recording = value;
    emit RecordingChanged(m_Recording);
}

void ESHistorySetup::setNewFileReadyCounterCh1(int value)
{
    m_NewFileReadyCounterCh1 = value;
    emit NewFileReadyCounterCh1Changed(m_NewFileReadyCounterCh1);
}

void ESHistorySetup::setNewFileReadyCounterCh2(int value)
{
    m_NewFileReadyCounterCh2 = value;
    emit NewFileReadyCounterCh2Changed(m_NewFileReadyCounterCh2);
}
