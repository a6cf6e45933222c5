#include "data/ESCommunicationsSetup.h"

ESCommunicationsSetup::ESCommunicationsSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_NmeaPort1Setup(new ESPortSetup(this, QStringLiteral("NmeaPort1Setup")))
    , m_NmeaPort2Setup(new ESPortSetup(this, QStringLiteral("NmeaPort2Setup")))
    , m_NmeaPort3Setup(new ESPortSetup(this, QStringLiteral("NmeaPort3Setup")))
    , m_UdpPortSetup(new ESPortSetup(this, QStringLiteral("UdpPortSetup")))
    , m_AdditionalNmeaPort1Setup(new ESPortSetup(this, QStringLiteral("AdditionalNmeaPort1Setup")))
    , m_AdditionalNmeaPort2Setup(new ESPortSetup(this, QStringLiteral("AdditionalNmeaPort2Setup")))
    , m_AdditionalNmeaPort3Setup(new ESPortSetup(this, QStringLiteral("AdditionalNmeaPort3Setup")))
{
}
