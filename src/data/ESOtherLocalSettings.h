#ifndef ESOTHERLOCALSETTINGS_H
#define ESOTHERLOCALSETTINGS_H

#include "data/SerializableClass.h"

// The display's time mode and the results of its NMEA port loop-back test. "None" is the empty
// choice of the bottom bars. Every write stores and emits.
class ESOtherLocalSettings : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int None READ None WRITE setNone NOTIFY NoneChanged)
    Q_CLASSINFO("None", "type=enum name=None enumList=_ isLocal=true")
    Q_PROPERTY(int TimeMode READ TimeMode WRITE setTimeMode NOTIFY TimeModeChanged)
    Q_CLASSINFO("TimeMode",
        "type=enum name=TimeMode nameToDisplay=Time_Mode showStatus=true enumList=UTC;Local;Other "
        "isLocal=true")
    Q_PROPERTY(int NMEALoopTest READ NMEALoopTest WRITE setNMEALoopTest NOTIFY NMEALoopTestChanged)
    Q_CLASSINFO(
        "NMEALoopTest", "type=enum name=NMEALoopTest nameToDisplay=NMEA_Loop_Test enumList=Start;Running")
    Q_PROPERTY(
        int NmeaPort1Status READ NmeaPort1Status WRITE setNmeaPort1Status NOTIFY NmeaPort1StatusChanged)
    Q_CLASSINFO("NmeaPort1Status",
        "type=enum name=NmeaPort1Status nameToDisplay=NMEA_Port_1 enumList=Not_Tested;Ok;Error")
    Q_PROPERTY(
        int NmeaPort2Status READ NmeaPort2Status WRITE setNmeaPort2Status NOTIFY NmeaPort2StatusChanged)
    Q_CLASSINFO("NmeaPort2Status",
        "type=enum name=NmeaPort2Status nameToDisplay=NMEA_Port_2 enumList=Not_Tested;Ok;Error")
    Q_PROPERTY(
        int NmeaPort3Status READ NmeaPort3Status WRITE setNmeaPort3Status NOTIFY NmeaPort3StatusChanged)
    Q_CLASSINFO("NmeaPort3Status",
        "type=enum name=NmeaPort3Status nameToDisplay=NMEA_Port_3 enumList=Not_Tested;Ok;Error")

public:
    ESOtherLocalSettings(QObject *parent, const QString &name);

    int None() const { return m_None; }
    int TimeMode() const { return m_TimeMode; }
    int NMEALoopTest() const { return m_NMEALoopTest; }
    int NmeaPort1Status() const { return m_NmeaPort1Status; }
    int NmeaPort2Status() const { return m_NmeaPort2Status; }
    int NmeaPort3Status() const { return m_NmeaPort3Status; }

    void setNone(int value);
    void setTimeMode(int value);
    void setNMEALoopTest(int value);
    void setNmeaPort1Status(int value);
    void setNmeaPort2Status(int value);
    void setNmeaPort3Status(int value);

signals:
    void NoneChanged(int value);
    void TimeModeChanged(int value);
    void NMEALoopTestChanged(int value);
    void NmeaPort1StatusChanged(int value);
    void NmeaPort2StatusChanged(int value);
    void NmeaPort3StatusChanged(int value);

private:
    int m_None = 0;
    int m_TimeMode = 0;
    int m_NMEALoopTest = 0;
    int m_NmeaPort1Status = 0;
    int m_NmeaPort2Status = 0;
    int m_NmeaPort3Status = 0;
};

#endif // ESOTHERLOCALSETTINGS_H
