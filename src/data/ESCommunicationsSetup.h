#ifndef ESCOMMUNICATIONSSETUP_H
#define ESCOMMUNICATIONSSETUP_H

#include "data/ESPortSetup.h"
#include "data/SerializableClass.h"

// The NMEA ports of the junction box ("CommunicationsSetup"), ports 0 to 6 in order.
class ESCommunicationsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(ESPortSetup *NmeaPort1Setup READ NmeaPort1Setup)
    Q_PROPERTY(ESPortSetup *NmeaPort2Setup READ NmeaPort2Setup)
    Q_PROPERTY(ESPortSetup *NmeaPort3Setup READ NmeaPort3Setup)
    Q_PROPERTY(ESPortSetup *UdpPortSetup READ UdpPortSetup)
    Q_PROPERTY(ESPortSetup *AdditionalNmeaPort1Setup READ AdditionalNmeaPort1Setup)
    Q_PROPERTY(ESPortSetup *AdditionalNmeaPort2Setup READ AdditionalNmeaPort2Setup)
    Q_PROPERTY(ESPortSetup *AdditionalNmeaPort3Setup READ AdditionalNmeaPort3Setup)

public:
    ESCommunicationsSetup(QObject *parent, const QString &name);

    ESPortSetup *NmeaPort1Setup() const { return m_NmeaPort1Setup; }
    ESPortSetup *NmeaPort2Setup() const { return m_NmeaPort2Setup; }
    ESPortSetup *NmeaPort3Setup() const { return m_NmeaPort3Setup; }
    ESPortSetup *UdpPortSetup() const { return m_UdpPortSetup; }
    ESPortSetup *AdditionalNmeaPort1Setup() const { return m_AdditionalNmeaPort1Setup; }
    ESPortSetup *AdditionalNmeaPort2Setup() const { return m_AdditionalNmeaPort2Setup; }
    ESPortSetup *AdditionalNmeaPort3Setup() const { return m_AdditionalNmeaPort3Setup; }

private:
    ESPortSetup *m_NmeaPort1Setup;
    ESPortSetup *m_NmeaPort2Setup;
    ESPortSetup *m_NmeaPort3Setup;
    ESPortSetup *m_UdpPortSetup;
    ESPortSetup *m_AdditionalNmeaPort1Setup;
    ESPortSetup *m_AdditionalNmeaPort2Setup;
    ESPortSetup *m_AdditionalNmeaPort3Setup;
};

#endif // ESCOMMUNICATIONSSETUP_H
