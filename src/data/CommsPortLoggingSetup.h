#ifndef COMMSPORTLOGGINGSETUP_H
#define COMMSPORTLOGGINGSETUP_H

#include "data/SerializableClass.h"

// Per-port switches of the input or output communication log ("InputLoggingSetup",
// "OutputLoggingSetup").
class CommsPortLoggingSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Nmea1 READ Nmea1 WRITE setNmea1 NOTIFY Nmea1Changed)
    Q_PROPERTY(int Nmea2 READ Nmea2 WRITE setNmea2 NOTIFY Nmea2Changed)
    Q_PROPERTY(int Nmea3 READ Nmea3 WRITE setNmea3 NOTIFY Nmea3Changed)
    Q_PROPERTY(int NmeaUdp READ NmeaUdp WRITE setNmeaUdp NOTIFY NmeaUdpChanged)

    Q_CLASSINFO("Nmea1", "type=enum name=Nmea1 nameToDisplay=NMEA_1_Logging enumList=ON;off")
    Q_CLASSINFO("Nmea2", "type=enum name=Nmea2 nameToDisplay=NMEA_2_Logging enumList=ON;off")
    Q_CLASSINFO("Nmea3", "type=enum name=Nmea3 nameToDisplay=NMEA_3_Logging enumList=ON;off")
    Q_CLASSINFO("NmeaUdp", "type=enum name=NmeaUdp nameToDisplay=NMEA_UDP_Logging enumList=ON;off")

public:
    CommsPortLoggingSetup(QObject *parent, const QString &name);

    int Nmea1() const { return m_Nmea1; }
    int Nmea2() const { return m_Nmea2; }
    int Nmea3() const { return m_Nmea3; }
    int NmeaUdp() const { return m_NmeaUdp; }

public slots:
    void setNmea1(int value);
    void setNmea2(int value);
    void setNmea3(int value);
    void setNmeaUdp(int value);

signals:
    void Nmea1Changed(int Nmea1);
    void Nmea2Changed(int Nmea2);
    void Nmea3Changed(int Nmea3);
    void NmeaUdpChanged(int NmeaUdp);

private:
    int m_Nmea1 = 0;
    int m_Nmea2 = 0;
    int m_Nmea3 = 0;
    int m_NmeaUdp = 0;
};

#endif // COMMSPORTLOGGINGSETUP_H
