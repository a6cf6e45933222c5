#ifndef ESHISTORYSETUP_H
#define ESHISTORYSETUP_H

#include "data/SerializableClass.h"

// Logging modes of the junction box ("HistorySetup").
class ESHistorySetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Mode READ Mode WRITE setMode NOTIFY ModeChanged)
    Q_PROPERTY(int LogToDevice READ LogToDevice WRITE setLogToDevice NOTIFY LogToDeviceChanged)
    Q_PROPERTY(
        int LongTermLogging READ LongTermLogging WRITE setLongTermLogging NOTIFY LongTermLoggingChanged)
    Q_PROPERTY(int EchogramPdfLogging READ EchogramPdfLogging WRITE setEchogramPdfLogging NOTIFY
            EchogramPdfLoggingChanged)
    Q_PROPERTY(
        int MarksPdfLogging READ MarksPdfLogging WRITE setMarksPdfLogging NOTIFY MarksPdfLoggingChanged)
    Q_PROPERTY(int RawDataLogging READ RawDataLogging WRITE setRawDataLogging NOTIFY RawDataLoggingChanged)
    Q_PROPERTY(int Recording READ Recording WRITE setRecording NOTIFY RecordingChanged)
    Q_PROPERTY(int NewFileReadyCounterCh1 READ NewFileReadyCounterCh1 WRITE setNewFileReadyCounterCh1 NOTIFY
            NewFileReadyCounterCh1Changed)
    Q_PROPERTY(int NewFileReadyCounterCh2 READ NewFileReadyCounterCh2 WRITE setNewFileReadyCounterCh2 NOTIFY
            NewFileReadyCounterCh2Changed)

    Q_CLASSINFO("Mode", "type=enum name=Mode enumList=Loop;Stop")
    Q_CLASSINFO(
        "LogToDevice", "type=enum name=LogToDevice nameToDisplay=Log_To_Device enumList=Internal;USB;SD")
    Q_CLASSINFO("LongTermLogging",
        "type=enum name=LongTermLogging nameToDisplay=Long_Term_Logging "
        "enumList=None;Channel_1;Channel_2;Both_Ch defaultValue=3")
    Q_CLASSINFO("EchogramPdfLogging",
        "type=enum name=EchogramPdfLogging nameToDisplay=Echogram_PDF_Logging "
        "enumList=None;Channel_1;Channel_2;Both_Ch defaultValue=3")
    Q_CLASSINFO("MarksPdfLogging",
        "type=enum name=MarksPdfLogging nameToDisplay=Marks_PDF_Logging "
        "enumList=None;Channel_1;Channel_2;Both_Ch defaultValue=3")
    Q_CLASSINFO(
        "RawDataLogging", "type=enum name=RawDataLogging nameToDisplay=Raw_Data_Logging enumList=Loop;Stop")
    Q_CLASSINFO(
        "Recording", "type=enum name=Recording nameToDisplay=Recording enumList=ON;off defaultValue=1")
    Q_CLASSINFO("NewFileReadyCounterCh1",
        "type=value name=NewFileReadyCounterCh1 nameToDisplay=NewFileReadyCounterCh1 defaultValue=0 "
        "validator=int;0;2147483647")
    Q_CLASSINFO("NewFileReadyCounterCh2",
        "type=value name=NewFileReadyCounterCh2 nameToDisplay=NewFileReadyCounterCh2 defaultValue=0 "
        "validator=int;0;2147483647")

public:
    ESHistorySetup(QObject *parent, const QString &name);

    int Mode() const { return m_Mode; }
    int LogToDevice() const { return m_LogToDevice; }
    int LongTermLogging() const { return m_LongTermLogging; }
    int EchogramPdfLogging() const { return m_EchogramPdfLogging; }
    int MarksPdfLogging() const { return m_MarksPdfLogging; }
    int RawDataLogging() const { return m_RawDataLogging; }
    int Recording() const { return m_Recording; }
    int NewFileReadyCounterCh1() const { return m_NewFileReadyCounterCh1; }
    int NewFileReadyCounterCh2() const { return m_NewFileReadyCounterCh2; }

public slots:
    void setMode(int value);
    void setLogToDevice(int value);
    void setLongTermLogging(int value);
    void setEchogramPdfLogging(int value);
    void setMarksPdfLogging(int value);
    void setRawDataLogging(int value);
    void setRecording(int value);
    void setNewFileReadyCounterCh1(int value);
    void setNewFileReadyCounterCh2(int value);

signals:
    void ModeChanged(int Mode);
    void LogToDeviceChanged(int LogToDevice);
    void LongTermLoggingChanged(int LongTermLogging);
    void EchogramPdfLoggingChanged(int EchogramPdfLogging);
    void MarksPdfLoggingChanged(int MarksPdfLogging);
    void RawDataLoggingChanged(int RawDataLogging);
    void RecordingChanged(int Recording);
    void NewFileReadyCounterCh1Changed(int NewFileReadyCounterCh1);
    void NewFileReadyCounterCh2Changed(int NewFileReadyCounterCh2);

private:
    int m_Mode = 0;
    int m_LogToDevice = 0;
    int m_LongTermLogging = 0;
    int m_EchogramPdfLogging = 0;
    int m_MarksPdfLogging = 0;
    int m_RawDataLogging = 0;
    int m_Recording = 0;
    int m_NewFileReadyCounterCh1 = 0;
    int m_NewFileReadyCounterCh2 = 0;
};

#endif // ESHISTORYSETUP_H
