#include "comms/iec450/Udp61162450Controller.h"

#include "common/BuildConfiguration.h"
#include "comms/iec450/BinaryTransmissionController.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "platform/EthInterfaceData.h"
#include "platform/EthernetInterfaces.h"

#include <QDebug>
#include <QNetworkInterface>
#include <QUdpSocket>

namespace {

const char internalLinkGroup[] = "239.192.0.9";
const quint16 internalLinkDisplayPort = 60009; // a display listens here, the junction box sends here
const quint16 internalLinkJunctionBoxPort = 60010;
const char networkAdministrationGroup[] = "239.192.0.56";
const quint16 networkAdministrationPort = 60056;
const char binaryLocalGroup[] = "239.192.0.24";
const quint16 binaryLocalPort = 60024;
const char binaryGroup[] = "239.192.0.23";
const quint16 binaryPort = 60023;
const quint16 firstGroupPort = 60001;
// The line counters of the sentence datagrams start with these keys until the first group change.
const int initialStandardGroupNumber = 5;
const int initialInternalGroupNumber = 10;

} // namespace

Udp61162450Controller::Udp61162450Controller(EthernetInterfaces *ethernet_interfaces, QObject *parent)
    : QObject(parent)
    , m_ethernetInterfaces(ethernet_interfaces)
    , m_nmeaSocket(createSocket(QStringLiteral("nmeaSocket")))
    , m_nmeaLocalSocket(m_nmeaSocket)
    , m_binaryLocalSocket(createSocket(QStringLiteral("binaryLocalSocket")))
{
    m_groups.networkAdministration
        = { QHostAddress(QLatin1String(networkAdministrationGroup)), networkAdministrationPort };
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (hasInternalLink()) {
        // The embedded display has one socket, on the internal link; a junction box keeps its network
        // socket and gets a second one for the link.
        if (build->isSoftwareJb)
            m_nmeaLocalSocket = createSocket(QStringLiteral("nmeaLocalSocket"));
        else
            m_nmeaSocket->setObjectName(QStringLiteral("nmeaLocalSocket"));
    }
    if (!(build->isSoftwareCu && build->isLinux))
        m_binarySocketForWindowsLogging = createSocket(QStringLiteral("binarySocketForWindowsLogging"));
    if (!isDisplayOnInternalLinkProduct())
        m_networkAdministrationSocket = createSocket(QStringLiteral("networkAdministrationSocket"));

    m_nmeaOverUdpController = new NmeaOverUdpController(
        networkAdministrationPort - 60000, initialStandardGroupNumber, initialInternalGroupNumber, this);
    m_binaryTransmissionController = new BinaryTransmissionController(this);
}

QUdpSocket *Udp61162450Controller::createSocket(const QString &name)
{
    auto *socket = new QUdpSocket(this);
    socket->setObjectName(name);
    return socket;
}

bool Udp61162450Controller::hasInternalLink() const
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    return (build->isTvr100 || build->isMirLox1000) && build->isLinux;
}

bool Udp61162450Controller::isDisplayOnInternalLinkProduct() const
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    return (build->isTvr100 || build->isMirLox1000) && build->isSoftwareCu;
}

bool Udp61162450Controller::isTvrProduct() const
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    return build->isTvr100 || build->isTvr200 || build->isTvr300;
}

void Udp61162450Controller::setNmeaGroupAddress(const QString &address, quint16 port)
{
    m_groups.nmea = { QHostAddress(address), port };
    m_groups.local = m_groups.nmea;
    m_groups.localReceivePort = port;

    if (hasInternalLink()) {
        m_groups.local.address = QHostAddress(QLatin1String(internalLinkGroup));
        if (BuildConfiguration::instance()->isSoftwareCu) {
            m_groups.local.port = internalLinkJunctionBoxPort;
            m_groups.localReceivePort = internalLinkDisplayPort;
            // Whatever the group setting, the embedded display talks only to its junction box.
            m_groups.nmea = m_groups.local;
        } else {
            m_groups.local.port = internalLinkDisplayPort;
            m_groups.localReceivePort = internalLinkJunctionBoxPort;
        }
    }

    m_groups.binaryLocal = { QHostAddress(QLatin1String(binaryLocalGroup)), binaryLocalPort };
    m_groups.binary = { QHostAddress(QLatin1String(binaryGroup)), binaryPort };
    bindSockets();
}

void Udp61162450Controller::updateNmeaGroup(int group)
{
    if (group < 0 || group >= groupCount) {
        qDebug() << "Transmission group out of range, ignored: " << group;
        return;
    }
    QStringList parts = m_groups.nmea.address.toString().split(QLatin1Char('.'));
    if (parts.size() != 4) {
        // No group has been set yet: the transmission groups are all under 239.192.0.
        parts = QStringList { QStringLiteral("239"), QStringLiteral("192"), QStringLiteral("0"), QString() };
    }
    parts[3] = QString::number(group + 1);
    setNmeaGroupAddress(parts.join(QLatin1Char('.')), static_cast<quint16>(firstGroupPort + group));

    const int localGroupNumber = m_groups.local.address.toString().section(QLatin1Char('.'), 3, 3).toInt();
    m_nmeaOverUdpController->setGroupNumbers(group + 1, localGroupNumber);
    emit nmeaGroupChanged();
}

void Udp61162450Controller::bindSockets()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (isTvrProduct())
        bindAndJoin(m_binaryLocalSocket, m_groups.binaryLocal.address, m_groups.binaryLocal.port);
    if (!isDisplayOnInternalLinkProduct()) {
        bindAndJoin(m_nmeaSocket, m_groups.nmea.address, m_groups.nmea.port);
        bindAndJoin(m_networkAdministrationSocket, m_groups.networkAdministration.address,
            m_groups.networkAdministration.port);
    }
    if (build->isTvr100 || build->isMirLox1000)
        bindAndJoin(m_nmeaLocalSocket, m_groups.local.address, m_groups.localReceivePort);
    if (m_binarySocketForWindowsLogging)
        bindAndJoin(m_binarySocketForWindowsLogging, m_groups.binary.address, m_groups.binary.port);
    setMulticastInterfaces();
}

bool Udp61162450Controller::bindAndJoin(QUdpSocket *socket, const QHostAddress &group, quint16 port)
{
    if (!socket)
        return false;
    if (socket->state() == QAbstractSocket::BoundState)
        socket->close();

    bool joined = false;
    const bool local = socket->objectName().contains(QLatin1String("Local"));
    if (socket->bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        EthInterfaceData *data
            = local ? m_ethernetInterfaces->localInterfaceData() : m_ethernetInterfaces->interfaceData();
        const QNetworkInterface networkInterface = data->networkInterface();
        joined = socket->joinMulticastGroup(group, networkInterface);
        if (joined) {
            qDebug() << "Socket: " << socket->objectName() << "Address: " << group.toString()
                     << "Port: " << port << "Interface: " << networkInterface.name() << " ---- "
                     << "JOIN MULTICAST OK!";
        } else {
            qDebug() << "Socket: " << socket->objectName() << "Address: " << group.toString()
                     << "Port: " << port << "Interface: " << networkInterface.name() << " ---- "
                     << "Error! " << socket->errorString();
        }
    }
    if (BuildConfiguration::instance()->isLinux)
        socket->setSocketOption(QAbstractSocket::MulticastLoopbackOption, local ? 1 : 0);
    return joined;
}

void Udp61162450Controller::setMulticastInterfaces()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    const QNetworkInterface external = m_ethernetInterfaces->interfaceData()->networkInterface();
    const QNetworkInterface local = m_ethernetInterfaces->localInterfaceData()->networkInterface();
    if (isTvrProduct())
        m_binaryLocalSocket->setMulticastInterface(local);
    if (!isDisplayOnInternalLinkProduct()) {
        m_nmeaSocket->setMulticastInterface(external);
        if (m_networkAdministrationSocket)
            m_networkAdministrationSocket->setMulticastInterface(external);
    }
    if (build->isTvr100 || build->isMirLox1000)
        m_nmeaLocalSocket->setMulticastInterface(local);
    if (m_binarySocketForWindowsLogging)
        m_binarySocketForWindowsLogging->setMulticastInterface(external);
}
