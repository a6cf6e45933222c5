#include "nmea/TmpPortsSetupAdapter.h"

#include "common/BuildConfiguration.h"

#include <QVariant>

namespace {

bool isSpeedLog(const BuildConfiguration *build)
{
    return build->isMirLox1000 || build->isMirLox2000;
}

} // namespace

TmpPortsSetupAdapter::TmpPortsSetupAdapter(QObject *communicationsSetup, QObject *parent)
    : QObject(parent)
    , m_communicationsSetup(communicationsSetup)
{
    if (!isSpeedLog(BuildConfiguration::instance()))
        return;
    // What the speed log takes from each port: its sensor sentences on serial ports 1 and 2, the
    // position and heading sentences on serial port 3, and depth, speed and dimming over the network.
    const QSet<QString> sensorPort { QStringLiteral("DDC"), QStringLiteral("DPT"), QStringLiteral("MTW"),
        QStringLiteral("VBW"), QStringLiteral("PQRVSTTL"), QStringLiteral("PQRVTRST") };
    const QSet<QString> networkPort { QStringLiteral("DDC"), QStringLiteral("DPT"), QStringLiteral("VBW") };
    const QSet<QString> navigationPort { QStringLiteral("GGA"), QStringLiteral("GLL"), QStringLiteral("GSA"),
        QStringLiteral("GSV"), QStringLiteral("ROT"), QStringLiteral("THS"), QStringLiteral("VTG") };
    m_acceptedInputTable << sensorPort << sensorPort << navigationPort << networkPort;
}

int TmpPortsSetupAdapter::numberOfPorts()
{
    return 4;
}

bool TmpPortsSetupAdapter::isValidPort(int port)
{
    return port >= Serial_1 && port <= UDP;
}

bool TmpPortsSetupAdapter::isSerialPort(int port)
{
    return port >= Serial_1 && port <= Serial_3;
}

bool TmpPortsSetupAdapter::isUdpPort(int port)
{
    return port == UDP;
}

bool TmpPortsSetupAdapter::isSendingPort(int port)
{
    return port == Serial_1 || port == Serial_3 || port == UDP;
}

bool TmpPortsSetupAdapter::isSentenceEnabledOnPort(const QString &sentence, Port port) const
{
    if (!m_communicationsSetup || sentence.isEmpty() || !isSendingPort(port))
        return false;
    QString setupName;
    switch (port) {
    case Serial_1:
        setupName = QStringLiteral("NmeaPort1Setup");
        break;
    case Serial_3:
        setupName = QStringLiteral("NmeaPort3Setup");
        break;
    default:
        setupName = QStringLiteral("UdpPortSetup");
        break;
    }
    const QObject *portSetup
        = m_communicationsSetup->findChild<QObject *>(setupName, Qt::FindDirectChildrenOnly);
    if (!portSetup)
        return false;
    const QVariant value = portSetup->property(sentence.toLatin1().constData());
    if (!value.isValid())
        return false;
    bool ok = false;
    const int choice = value.toInt(&ok);
    return ok && choice == 0;
}

bool TmpPortsSetupAdapter::isInputSentenceAllowed(const QString &sentence, Port port) const
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (!isSpeedLog(build) || build->isWindows)
        return true;
    if (port < 0 || port >= m_acceptedInputTable.size())
        return false;
    return m_acceptedInputTable.at(port).contains(sentence);
}
