#ifndef ESOTHERSETTINGS_H
#define ESOTHERSETTINGS_H

#include "data/SerializableClass.h"

// Manual mark, distance counters, port test results and time reception ("OtherSettings").
class ESOtherSettings : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Mark READ Mark WRITE setMark NOTIFY MarkChanged)
    Q_PROPERTY(int PollingTest READ PollingTest WRITE setPollingTest NOTIFY PollingTestChanged)
    Q_PROPERTY(double TotalSerializableValue READ TotalSerializableValue WRITE setTotalSerializableValue
            NOTIFY TotalSerializableValueChanged)
    Q_PROPERTY(double TripSerializableValue READ TripSerializableValue WRITE setTripSerializableValue NOTIFY
            TripSerializableValueChanged)
    Q_PROPERTY(double WaterTotalSerializableValue READ WaterTotalSerializableValue WRITE
            setWaterTotalSerializableValue NOTIFY WaterTotalSerializableValueChanged)
    Q_PROPERTY(double WaterTripSerializableValue READ WaterTripSerializableValue WRITE
            setWaterTripSerializableValue NOTIFY WaterTripSerializableValueChanged)
    Q_PROPERTY(int NMEALoopTest READ NMEALoopTest WRITE setNMEALoopTest NOTIFY NMEALoopTestChanged)
    Q_PROPERTY(
        int NmeaPort1Status READ NmeaPort1Status WRITE setNmeaPort1Status NOTIFY NmeaPort1StatusChanged)
    Q_PROPERTY(
        int NmeaPort2Status READ NmeaPort2Status WRITE setNmeaPort2Status NOTIFY NmeaPort2StatusChanged)
    Q_PROPERTY(
        int NmeaPort3Status READ NmeaPort3Status WRITE setNmeaPort3Status NOTIFY NmeaPort3StatusChanged)
    Q_PROPERTY(int TransceiverPortStatus READ TransceiverPortStatus WRITE setTransceiverPortStatus NOTIFY
            TransceiverPortStatusChanged)
    Q_PROPERTY(int DateTimeReceivedCounter READ DateTimeReceivedCounter WRITE setDateTimeReceivedCounter
            NOTIFY DateTimeReceivedCounterChanged)
    Q_PROPERTY(int TimeReceived READ TimeReceived WRITE setTimeReceived NOTIFY TimeReceivedChanged)
    Q_PROPERTY(int TVR100WindowsConnectedCounter READ TVR100WindowsConnectedCounter WRITE
            setTVR100WindowsConnectedCounter NOTIFY TVR100WindowsConnectedCounterChanged)

    Q_CLASSINFO("Mark", "type=enum name=Mark enumList=Mark;Mark bidirectionalChange=false")
    Q_CLASSINFO(
        "PollingTest", "type=value isNumeric=true name=PollingTest validator=int;0;20000 defaultValue=0")
    Q_CLASSINFO("TotalSerializableValue",
        "type=value name=TotalSerializableValue unit=NM measurement=distance changeable=true "
        "validator=float;0.0;0.0 defaultValue=0.0")
    Q_CLASSINFO("TripSerializableValue",
        "type=value name=TripSerializableValue unit=NM measurement=distance changeable=true "
        "validator=float;0.0;0.0 defaultValue=0.0")
    Q_CLASSINFO("WaterTotalSerializableValue",
        "type=value name=WaterTotalSerializableValue unit=NM measurement=distance changeable=true "
        "validator=float;0.0;0.0 defaultValue=0.0")
    Q_CLASSINFO("WaterTripSerializableValue",
        "type=value name=WaterTripSerializableValue unit=NM measurement=distance changeable=true "
        "validator=float;0.0;0.0 defaultValue=0.0")
    Q_CLASSINFO(
        "NMEALoopTest", "type=enum name=NMEALoopTest nameToDisplay=NMEA_Loop_Test enumList=Start;Running")
    Q_CLASSINFO("NmeaPort1Status",
        "type=enum name=NmeaPort1Status nameToDisplay=NMEA_Port_1 enumList=Not_Tested;Ok;Error")
    Q_CLASSINFO("NmeaPort2Status",
        "type=enum name=NmeaPort2Status nameToDisplay=NMEA_Port_2 enumList=Not_Tested;Ok;Error")
    Q_CLASSINFO("NmeaPort3Status",
        "type=enum name=NmeaPort3Status nameToDisplay=NMEA_Port_3 enumList=Not_Tested;Ok;Error")
    Q_CLASSINFO("TransceiverPortStatus",
        "type=enum name=TransceiverPortStatus nameToDisplay=Transceiver_Port enumList=Not_Tested;Ok;Error")
    Q_CLASSINFO("DateTimeReceivedCounter",
        "type=value name=DateTimeReceivedCounter nameToDisplay=Date_Time_Received_Counter defaultValue=0 "
        "validator=int;0;2147483647")
    Q_CLASSINFO("TimeReceived", "type=enum name=TimeReceived nameToDisplay=Time_Received enumList=No;Yes")
    Q_CLASSINFO("TVR100WindowsConnectedCounter",
        "type=value name=TVR100WindowsConnectedCounter nameToDisplay=TVR100WindowsConnectedCounter "
        "defaultValue=0 validator=int;0;2147483647")

public:
    ESOtherSettings(QObject *parent, const QString &name);

    int Mark() const { return m_Mark; }
    int PollingTest() const { return m_PollingTest; }
    double TotalSerializableValue() const { return m_TotalSerializableValue; }
    double TripSerializableValue() const { return m_TripSerializableValue; }
    double WaterTotalSerializableValue() const { return m_WaterTotalSerializableValue; }
    double WaterTripSerializableValue() const { return m_WaterTripSerializableValue; }
    int NMEALoopTest() const { return m_NMEALoopTest; }
    int NmeaPort1Status() const { return m_NmeaPort1Status; }
    int NmeaPort2Status() const { return m_NmeaPort2Status; }
    int NmeaPort3Status() const { return m_NmeaPort3Status; }
    int TransceiverPortStatus() const { return m_TransceiverPortStatus; }
    int DateTimeReceivedCounter() const { return m_DateTimeReceivedCounter; }
    int TimeReceived() const { return m_TimeReceived; }
    int TVR100WindowsConnectedCounter() const { return m_TVR100WindowsConnectedCounter; }

public slots:
    void setMark(int value);
    void setPollingTest(int value);
    void setTotalSerializableValue(double value);
    void setTripSerializableValue(double value);
    void setWaterTotalSerializableValue(double value);
    void setWaterTripSerializableValue(double value);
    void setNMEALoopTest(int value);
    void setNmeaPort1Status(int value);
    void setNmeaPort2Status(int value);
    void setNmeaPort3Status(int value);
    void setTransceiverPortStatus(int value);
    void setDateTimeReceivedCounter(int value);
    void setTimeReceived(int value);
    void setTVR100WindowsConnectedCounter(int value);

signals:
    void MarkChanged(int Mark);
    void PollingTestChanged(int PollingTest);
    void TotalSerializableValueChanged(double TotalSerializableValue);
    void TripSerializableValueChanged(double TripSerializableValue);
    void WaterTotalSerializableValueChanged(double WaterTotalSerializableValue);
    void WaterTripSerializableValueChanged(double WaterTripSerializableValue);
    void NMEALoopTestChanged(int NMEALoopTest);
    void NmeaPort1StatusChanged(int NmeaPort1Status);
    void NmeaPort2StatusChanged(int NmeaPort2Status);
    void NmeaPort3StatusChanged(int NmeaPort3Status);
    void TransceiverPortStatusChanged(int TransceiverPortStatus);
    void DateTimeReceivedCounterChanged(int DateTimeReceivedCounter);
    void TimeReceivedChanged(int TimeReceived);
    void TVR100WindowsConnectedCounterChanged(int TVR100WindowsConnectedCounter);

private:
    int m_Mark = 0;
    int m_PollingTest = 0;
    double m_TotalSerializableValue = 0.0;
    double m_TripSerializableValue = 0.0;
    double m_WaterTotalSerializableValue = 0.0;
    double m_WaterTripSerializableValue = 0.0;
    int m_NMEALoopTest = 0;
    int m_NmeaPort1Status = 0;
    int m_NmeaPort2Status = 0;
    int m_NmeaPort3Status = 0;
    int m_TransceiverPortStatus = 0;
    int m_DateTimeReceivedCounter = 0;
    int m_TimeReceived = 0;
    int m_TVR100WindowsConnectedCounter = 0;
};

#endif // ESOTHERSETTINGS_H
