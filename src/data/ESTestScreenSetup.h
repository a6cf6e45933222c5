#ifndef ESTESTSCREENSETUP_H
#define ESTESTSCREENSETUP_H

#include "data/SerializableClass.h"

// Transceiver test values, counters and pinging switches of the junction box ("TestScreenSetup").
class ESTestScreenSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int RestartTransceiver READ RestartTransceiver WRITE setRestartTransceiver NOTIFY
            RestartTransceiverChanged)
    Q_PROPERTY(int TransceiverRebootCounter READ TransceiverRebootCounter WRITE setTransceiverRebootCounter
            NOTIFY TransceiverRebootCounterChanged)
    Q_PROPERTY(int ResetCounter READ ResetCounter WRITE setResetCounter NOTIFY ResetCounterChanged)
    Q_PROPERTY(QString CounterResetDateTime READ CounterResetDateTime WRITE setCounterResetDateTime NOTIFY
            CounterResetDateTimeChanged)
    Q_PROPERTY(QString TransceiverRebootDateTime READ TransceiverRebootDateTime WRITE
            setTransceiverRebootDateTime NOTIFY TransceiverRebootDateTimeChanged)
    Q_PROPERTY(double HoursSinceCounterReset READ HoursSinceCounterReset WRITE setHoursSinceCounterReset
            NOTIFY HoursSinceCounterResetChanged)
    Q_PROPERTY(double HoursSinceTransceiverReboot READ HoursSinceTransceiverReboot WRITE
            setHoursSinceTransceiverReboot NOTIFY HoursSinceTransceiverRebootChanged)
    Q_PROPERTY(int UpdateTransceiverRebootInfo READ UpdateTransceiverRebootInfo WRITE
            setUpdateTransceiverRebootInfo NOTIFY UpdateTransceiverRebootInfoChanged)
    Q_PROPERTY(int SensorChannelNumber READ SensorChannelNumber WRITE setSensorChannelNumber NOTIFY
            SensorChannelNumberChanged)
    Q_PROPERTY(
        double TestDepthLimitH READ TestDepthLimitH WRITE setTestDepthLimitH NOTIFY TestDepthLimitHChanged)
    Q_PROPERTY(
        double TestDepthLimitL READ TestDepthLimitL WRITE setTestDepthLimitL NOTIFY TestDepthLimitLChanged)
    Q_PROPERTY(int LedDepthIndication READ LedDepthIndication WRITE setLedDepthIndication NOTIFY
            LedDepthIndicationChanged)
    Q_PROPERTY(
        int LoadTestSettings READ LoadTestSettings WRITE setLoadTestSettings NOTIFY LoadTestSettingsChanged)
    Q_PROPERTY(
        int ScopeScreenOpen READ ScopeScreenOpen WRITE setScopeScreenOpen NOTIFY ScopeScreenOpenChanged)
    Q_PROPERTY(int Nmea1MirrorToOutput READ Nmea1MirrorToOutput WRITE setNmea1MirrorToOutput NOTIFY
            Nmea1MirrorToOutputChanged)
    Q_PROPERTY(int Nmea2MirrorToOutput READ Nmea2MirrorToOutput WRITE setNmea2MirrorToOutput NOTIFY
            Nmea2MirrorToOutputChanged)
    Q_PROPERTY(int Nmea3MirrorToOutput READ Nmea3MirrorToOutput WRITE setNmea3MirrorToOutput NOTIFY
            Nmea3MirrorToOutputChanged)
    Q_PROPERTY(int LoggingToDisk READ LoggingToDisk WRITE setLoggingToDisk NOTIFY LoggingToDiskChanged)
    Q_PROPERTY(int BitShift READ BitShift WRITE setBitShift NOTIFY BitShiftChanged)
    Q_PROPERTY(
        int PingingSequence READ PingingSequence WRITE setPingingSequence NOTIFY PingingSequenceChanged)
    Q_PROPERTY(int PingingMultiplexed READ PingingMultiplexed WRITE setPingingMultiplexed NOTIFY
            PingingMultiplexedChanged)
    Q_PROPERTY(int SensorMute READ SensorMute WRITE setSensorMute NOTIFY SensorMuteChanged)
    Q_PROPERTY(int Ch1PingingOn READ Ch1PingingOn WRITE setCh1PingingOn NOTIFY Ch1PingingOnChanged)
    Q_PROPERTY(int Ch1PingingOnBeforeStandby READ Ch1PingingOnBeforeStandby WRITE setCh1PingingOnBeforeStandby
            NOTIFY Ch1PingingOnBeforeStandbyChanged)
    Q_PROPERTY(int Ch2PingingOn READ Ch2PingingOn WRITE setCh2PingingOn NOTIFY Ch2PingingOnChanged)
    Q_PROPERTY(int Ch2PingingOnBeforeStandby READ Ch2PingingOnBeforeStandby WRITE setCh2PingingOnBeforeStandby
            NOTIFY Ch2PingingOnBeforeStandbyChanged)
    Q_PROPERTY(int Ch1SinglePing READ Ch1SinglePing WRITE setCh1SinglePing NOTIFY Ch1SinglePingChanged)
    Q_PROPERTY(int Ch2SinglePing READ Ch2SinglePing WRITE setCh2SinglePing NOTIFY Ch2SinglePingChanged)
    Q_PROPERTY(
        int PingingFrequency READ PingingFrequency WRITE setPingingFrequency NOTIFY PingingFrequencyChanged)
    Q_PROPERTY(int PingDelay READ PingDelay WRITE setPingDelay NOTIFY PingDelayChanged)

    Q_CLASSINFO("RestartTransceiver", "type=enum name=RestartTransceiver enumList=Restart defaultValue=0")
    Q_CLASSINFO("TransceiverRebootCounter",
        "type=value name=TransceiverRebootCounter defaultValue=0 validator=int;0;9999 measurement=other")
    Q_CLASSINFO("ResetCounter", "type=enum name=ResetCounter enumList=Reset defaultValue=0")
    Q_CLASSINFO("CounterResetDateTime",
        "type=value name=CounterResetDateTime "
        "validator=regex;\\b((((([0-1]?\\d)|(2[0-8]))-((0?\\d)|(1[0-2])))|(29\\-((0?[1,3-9])|(1[0-2])))|(30-("
        "(0?[1,3-9])|(1[0-2])))|(31-((0?[13578])|(1[0-2]))))-((19\\d{2})|([2-9]\\d{3}))|(29\\-0?2-(((([2468]["
        "048])|([3579][26]))00)|(((19)|([2-9]\\d))(([2468]0)|([02468][48])|([13579][26]))))))[\\-](([01]?\\d)"
        "|(2[0-3]))(-[0-5]?\\d){1}\\b isNumeric=false defaultValue=01-01-2015-00-00")
    Q_CLASSINFO("TransceiverRebootDateTime",
        "type=value name=TransceiverRebootDateTime "
        "validator=regex;\\b((((([0-1]?\\d)|(2[0-8]))-((0?\\d)|(1[0-2])))|(29\\-((0?[1,3-9])|(1[0-2])))|(30-("
        "(0?[1,3-9])|(1[0-2])))|(31-((0?[13578])|(1[0-2]))))-((19\\d{2})|([2-9]\\d{3}))|(29\\-0?2-(((([2468]["
        "048])|([3579][26]))00)|(((19)|([2-9]\\d))(([2468]0)|([02468][48])|([13579][26]))))))[\\-](([01]?\\d)"
        "|(2[0-3]))(-[0-5]?\\d){1}\\b isNumeric=false defaultValue=01-01-2015-00-00")
    Q_CLASSINFO("HoursSinceCounterReset",
        "type=value name=HoursSinceCounterReset validator=float;0.0;9999.0 unit=h defaultValue=-1.0 "
        "measurement=other")
    Q_CLASSINFO("HoursSinceTransceiverReboot",
        "type=value name=HoursSinceTransceiverReboot validator=float;0.0;9999.0 unit=h defaultValue=-1.0 "
        "measurement=other")
    Q_CLASSINFO("UpdateTransceiverRebootInfo",
        "type=enum name=UpdateTransceiverRebootInfo enumList=Update defaultValue=0")
    Q_CLASSINFO("SensorChannelNumber",
        "type=enum name=SensorChannelNumber nameToDisplay=Current_Channel showStatus=true "
        "enumList=Channel_1;Channel_2 defaultValue=0")
    Q_CLASSINFO("TestDepthLimitH",
        "type=value name=TestDepthLimitH validator=float;0.0;500.0 unit=m measurement=depth changeable=true "
        "defaultValue=205.0")
    Q_CLASSINFO("TestDepthLimitL",
        "type=value name=TestDepthLimitL validator=float;0.0;500.0 unit=m measurement=depth changeable=true "
        "defaultValue=195.0")
    Q_CLASSINFO("LedDepthIndication",
        "type=enum name=LedDepthIndication nameToDisplay=Led_Depth_Indication showStatus=true "
        "enumList=off;ON defaultValue=0")
    Q_CLASSINFO("LoadTestSettings",
        "type=enum name=LoadTestSettings nameToDisplay=Load_Test_Settings showStatus=true "
        "enumList=Load;Loading defaultValue=0")
    Q_CLASSINFO("ScopeScreenOpen",
        "type=enum name=ScopeScreenOpen nameToDisplay=Scope_Screen_Open showStatus=false enumList=off;ON "
        "defaultValue=0")
    Q_CLASSINFO("Nmea1MirrorToOutput",
        "type=enum name=Nmea1MirrorToOutput nameToDisplay=NMEA1_Mirror showStatus=true enumList=off;ON "
        "defaultValue=0")
    Q_CLASSINFO("Nmea2MirrorToOutput",
        "type=enum name=Nmea2MirrorToOutput nameToDisplay=NMEA2_Mirror showStatus=true enumList=off;ON "
        "defaultValue=0")
    Q_CLASSINFO("Nmea3MirrorToOutput",
        "type=enum name=Nmea3MirrorToOutput nameToDisplay=NMEA3_Mirror showStatus=true enumList=off;ON "
        "defaultValue=0")
    Q_CLASSINFO("LoggingToDisk",
        "type=enum name=LoggingToDisk nameToDisplay=Logging_To_Disk enumList=ON;off defaultValue=1")
    Q_CLASSINFO("BitShift",
        "type=enum name=BitShift nameToDisplay=Bit_Shift enumList=0;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15 "
        "defaultValue=7")
    Q_CLASSINFO("PingingSequence",
        "type=enum name=PingingSequence nameToDisplay=Pinging_Sequence enumList=Continous;Single_ping "
        "defaultValue=0")
    Q_CLASSINFO("PingingMultiplexed",
        "type=enum name=PingingMultiplexed nameToDisplay=Pinging_Multiplexed enumList=Yes;No defaultValue=0")
    Q_CLASSINFO(
        "SensorMute", "type=enum name=SensorMute nameToDisplay=Sensor_Mute enumList=ON;off defaultValue=1")
    Q_CLASSINFO("Ch1PingingOn",
        "type=enum name=Ch1PingingOn nameToDisplay=Ch1_pinging enumList=ON;off defaultValue=0")
    Q_CLASSINFO("Ch1PingingOnBeforeStandby",
        "type=enum name=Ch1PingingOnBeforeStandby nameToDisplay=Ch1_Pinging_Before_Standby enumList=ON;off "
        "defaultValue=0")
    Q_CLASSINFO("Ch2PingingOn",
        "type=enum name=Ch2PingingOn nameToDisplay=Ch2_pinging enumList=ON;off defaultValue=0")
    Q_CLASSINFO("Ch2PingingOnBeforeStandby",
        "type=enum name=Ch2PingingOnBeforeStandby nameToDisplay=Ch2_Pinging_Before_Standby enumList=ON;off "
        "defaultValue=0")
    Q_CLASSINFO("Ch1SinglePing",
        "type=enum name=Ch1SinglePing nameToDisplay=Ch1_single_ping enumList=Ping!;Pinging... defaultValue=0")
    Q_CLASSINFO("Ch2SinglePing",
        "type=enum name=Ch2SinglePing nameToDisplay=Ch2_single_ping enumList=Ping!;Pinging... defaultValue=0")
    Q_CLASSINFO("PingingFrequency",
        "type=enum name=PingingFrequency nameToDisplay=Pinging_Frequency enumList=Auto;Manual defaultValue=0")
    Q_CLASSINFO("PingDelay",
        "type=value name=PingDelay nameToDisplay=Ping_Delay showStatus=true measurement=other "
        "validator=int;200;10000 defaultValue=1000")

public:
    ESTestScreenSetup(QObject *parent, const QString &name);

    int RestartTransceiver() const { return m_RestartTransceiver; }
    int TransceiverRebootCounter() const { return m_TransceiverRebootCounter; }
    int ResetCounter() const { return m_ResetCounter; }
    QString CounterResetDateTime() const { return m_CounterResetDateTime; }
    QString TransceiverRebootDateTime() const { return m_TransceiverRebootDateTime; }
    double HoursSinceCounterReset() const { return m_HoursSinceCounterReset; }
    double HoursSinceTransceiverReboot() const { return m_HoursSinceTransceiverReboot; }
    int UpdateTransceiverRebootInfo() const { return m_UpdateTransceiverRebootInfo; }
    int SensorChannelNumber() const { return m_SensorChannelNumber; }
    double TestDepthLimitH() const { return m_TestDepthLimitH; }
    double TestDepthLimitL() const { return m_TestDepthLimitL; }
    int LedDepthIndication() const { return m_LedDepthIndication; }
    int LoadTestSettings() const { return m_LoadTestSettings; }
    int ScopeScreenOpen() const { return m_ScopeScreenOpen; }
    int Nmea1MirrorToOutput() const { return m_Nmea1MirrorToOutput; }
    int Nmea2MirrorToOutput() const { return m_Nmea2MirrorToOutput; }
    int Nmea3MirrorToOutput() const { return m_Nmea3MirrorToOutput; }
    int LoggingToDisk() const { return m_LoggingToDisk; }
    int BitShift() const { return m_BitShift; }
    int PingingSequence() const { return m_PingingSequence; }
    int PingingMultiplexed() const { return m_PingingMultiplexed; }
    int SensorMute() const { return m_SensorMute; }
    int Ch1PingingOn() const { return m_Ch1PingingOn; }
    int Ch1PingingOnBeforeStandby() const { return m_Ch1PingingOnBeforeStandby; }
    int Ch2PingingOn() const { return m_Ch2PingingOn; }
    int Ch2PingingOnBeforeStandby() const { return m_Ch2PingingOnBeforeStandby; }
    int Ch1SinglePing() const { return m_Ch1SinglePing; }
    int Ch2SinglePing() const { return m_Ch2SinglePing; }
    int PingingFrequency() const { return m_PingingFrequency; }
    int PingDelay() const { return m_PingDelay; }

    // Form of CounterResetDateTime and TransceiverRebootDateTime.
    QString dateTimeFormat() const { return m_dateTimeFormat; }

public slots:
    void setRestartTransceiver(int value);
    void setTransceiverRebootCounter(int value);
    void setResetCounter(int value);
    void setCounterResetDateTime(const QString &value);
    void setTransceiverRebootDateTime(const QString &value);
    void setHoursSinceCounterReset(double value);
    void setHoursSinceTransceiverReboot(double value);
    void setUpdateTransceiverRebootInfo(int value);
    void setSensorChannelNumber(int value);
    void setTestDepthLimitH(double value);
    void setTestDepthLimitL(double value);
    void setLedDepthIndication(int value);
    void setLoadTestSettings(int value);
    void setScopeScreenOpen(int value);
    void setNmea1MirrorToOutput(int value);
    void setNmea2MirrorToOutput(int value);
    void setNmea3MirrorToOutput(int value);
    void setLoggingToDisk(int value);
    void setBitShift(int value);
    void setPingingSequence(int value);
    void setPingingMultiplexed(int value);
    void setSensorMute(int value);
    void setCh1PingingOn(int value);
    void setCh1PingingOnBeforeStandby(int value);
    void setCh2PingingOn(int value);
    void setCh2PingingOnBeforeStandby(int value);
    void setCh1SinglePing(int value);
    void setCh2SinglePing(int value);
    void setPingingFrequency(int value);
    void setPingDelay(int value);

signals:
    void RestartTransceiverChanged(int RestartTransceiver);
    void TransceiverRebootCounterChanged(int TransceiverRebootCounter);
    void ResetCounterChanged(int ResetCounter);
    void CounterResetDateTimeChanged(const QString &CounterResetDateTime);
    void TransceiverRebootDateTimeChanged(const QString &TransceiverRebootDateTime);
    void HoursSinceCounterResetChanged(double HoursSinceCounterReset);
    void HoursSinceTransceiverRebootChanged(double HoursSinceTransceiverReboot);
    void UpdateTransceiverRebootInfoChanged(int UpdateTransceiverRebootInfo);
    void SensorChannelNumberChanged(int SensorChannelNumber);
    void TestDepthLimitHChanged(double TestDepthLimitH);
    void TestDepthLimitLChanged(double TestDepthLimitL);
    void LedDepthIndicationChanged(int LedDepthIndication);
    void LoadTestSettingsChanged(int LoadTestSettings);
    void ScopeScreenOpenChanged(int ScopeScreenOpen);
    void Nmea1MirrorToOutputChanged(int Nmea1MirrorToOutput);
    void Nmea2MirrorToOutputChanged(int Nmea2MirrorToOutput);
    void Nmea3MirrorToOutputChanged(int Nmea3MirrorToOutput);
    void LoggingToDiskChanged(int LoggingToDisk);
    void BitShiftChanged(int BitShift);
    void PingingSequenceChanged(int PingingSequence);
    void PingingMultiplexedChanged(int PingingMultiplexed);
    void SensorMuteChanged(int SensorMute);
    void Ch1PingingOnChanged(int Ch1PingingOn);
    void Ch1PingingOnBeforeStandbyChanged(int Ch1PingingOnBeforeStandby);
    void Ch2PingingOnChanged(int Ch2PingingOn);
    void Ch2PingingOnBeforeStandbyChanged(int Ch2PingingOnBeforeStandby);
    void Ch1SinglePingChanged(int Ch1SinglePing);
    void Ch2SinglePingChanged(int Ch2SinglePing);
    void PingingFrequencyChanged(int PingingFrequency);
    void PingDelayChanged(int PingDelay);

private:
    int m_RestartTransceiver = 0;
    int m_TransceiverRebootCounter = 0;
    int m_ResetCounter = 0;
    QString m_CounterResetDateTime;
    QString m_TransceiverRebootDateTime;
    double m_HoursSinceCounterReset = 0.0;
    double m_HoursSinceTransceiverReboot = 0.0;
    int m_UpdateTransceiverRebootInfo = 0;
    int m_SensorChannelNumber = 0;
    double m_TestDepthLimitH = 0.0;
    double m_TestDepthLimitL = 0.0;
    int m_LedDepthIndication = 0;
    int m_LoadTestSettings = 0;
    int m_ScopeScreenOpen = 0;
    int m_Nmea1MirrorToOutput = 0;
    int m_Nmea2MirrorToOutput = 0;
    int m_Nmea3MirrorToOutput = 0;
    int m_LoggingToDisk = 0;
    int m_BitShift = 0;
    int m_PingingSequence = 0;
    int m_PingingMultiplexed = 0;
    int m_SensorMute = 0;
    int m_Ch1PingingOn = 0;
    int m_Ch1PingingOnBeforeStandby = 0;
    int m_Ch2PingingOn = 0;
    int m_Ch2PingingOnBeforeStandby = 0;
    int m_Ch1SinglePing = 0;
    int m_Ch2SinglePing = 0;
    int m_PingingFrequency = 0;
    int m_PingDelay = 0;
    QString m_dateTimeFormat { QStringLiteral("dd-MM-yyyy-hh-mm") };
};

#endif // ESTESTSCREENSETUP_H
