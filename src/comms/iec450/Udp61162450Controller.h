#ifndef UDP61162450CONTROLLER_H
#define UDP61162450CONTROLLER_H

#include "comms/iec450/TransmissionGroups.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

class BinaryTransmissionController;
class EthernetInterfaces;
class NmeaOverUdpController;
class QUdpSocket;

// Owns the unit's UDP sockets on the IEC 61162-450 network, the multicast group and port of each kind of
// traffic, and the sentence and image controllers above the sockets. Which sockets exist depends on the
// device kind, platform and product of the build; each is bound to its port and joined to its group on
// the interface chosen at start-up, and the sentence sockets move when the transmission group changes.
//
// Transmission group g (MISC, TGTD, SATD, NAVD, VDRD, RCOM, TIME, PROP for 0 to 7) is the group
// "239.192.0." + (g + 1) on port 60001 + g. Fixed groups: network administration 239.192.0.56:60056,
// images 239.192.0.23:60023 and internal images 239.192.0.24:60024, and the internal sentence link
// 239.192.0.9 with ports 60009 and 60010 (a display listens on 60009 and sends to 60010, a junction box the
// other way round).
class Udp61162450Controller : public QObject
{
    Q_OBJECT
public:
    // The transmission groups 0 to 7.
    static const int groupCount = 8;

    // Creates the sockets of the configuration and the two controllers; binds nothing.
    explicit Udp61162450Controller(EthernetInterfaces *ethernet_interfaces, QObject *parent = nullptr);

    // Sets the sentence group (and from it the local group of the internal link) and the image groups,
    // then binds and joins every socket of the configuration again.
    void setNmeaGroupAddress(const QString &address, quint16 port);
    // Binds and joins every socket the configuration uses, then sets their outgoing multicast interface.
    void bindSockets();
    // Closes a bound socket, binds it to the port (shared with other sockets and programs) and joins the
    // group on the chosen interface. True when the socket is bound and has joined.
    bool bindAndJoin(QUdpSocket *socket, const QHostAddress &group, quint16 port);

    NmeaOverUdpController *nmeaOverUdpController() const { return m_nmeaOverUdpController; }
    BinaryTransmissionController *binaryTransmissionController() const
    {
        return m_binaryTransmissionController;
    }

    QUdpSocket *nmeaSocket() const { return m_nmeaSocket; }
    // The nmeaSocket object itself unless the configuration gives the internal link a socket of its own.
    QUdpSocket *nmeaLocalSocket() const { return m_nmeaLocalSocket; }
    // None where the configuration has no network-administration socket.
    QUdpSocket *networkAdministrationSocket() const { return m_networkAdministrationSocket; }
    QUdpSocket *binaryLocalSocket() const { return m_binaryLocalSocket; }
    // None on an embedded display.
    QUdpSocket *binarySocketForWindowsLogging() const { return m_binarySocketForWindowsLogging; }

    // Every group and port as set by the last setNmeaGroupAddress (null addresses before it), except
    // the network-administration group, which is fixed at construction.
    const TransmissionGroups &groups() const { return m_groups; }
    QHostAddress nmeaGroupAddress() const { return m_groups.nmea.address; }
    quint16 nmeaGroupPort() const { return m_groups.nmea.port; }
    QHostAddress localGroupAddress() const { return m_groups.local.address; }
    quint16 localSendPort() const { return m_groups.local.port; }
    quint16 localReceivePort() const { return m_groups.localReceivePort; }
    QHostAddress networkAdministrationGroupAddress() const { return m_groups.networkAdministration.address; }
    quint16 networkAdministrationGroupPort() const { return m_groups.networkAdministration.port; }
    QHostAddress binaryLocalGroupAddress() const { return m_groups.binaryLocal.address; }
    quint16 binaryLocalGroupPort() const { return m_groups.binaryLocal.port; }
    QHostAddress binaryGroupAddress() const { return m_groups.binary.address; }
    quint16 binaryGroupPort() const { return m_groups.binary.port; }

    // Replace the member only; nothing is bound again.
    void setLocalGroupAddress(const QHostAddress &address) { m_groups.local.address = address; }
    void setLocalSendPort(quint16 port) { m_groups.local.port = port; }
    void setLocalReceivePort(quint16 port) { m_groups.localReceivePort = port; }

public slots:
    // Moves the sentence group to transmission group g (0 to 7) and emits nmeaGroupChanged; any other
    // value is logged and changes nothing.
    void updateNmeaGroup(int group);
    // Sets the interface for outgoing multicast of the existing sockets.
    void setMulticastInterfaces();

signals:
    // The sentence and local group members have changed.
    void nmeaGroupChanged();

private:
    QUdpSocket *createSocket(const QString &name);
    bool hasInternalLink() const;
    bool isDisplayOnInternalLinkProduct() const;
    bool isTvrProduct() const;

    EthernetInterfaces *m_ethernetInterfaces;
    QUdpSocket *m_nmeaSocket;
    QUdpSocket *m_nmeaLocalSocket;
    QUdpSocket *m_binaryLocalSocket;
    QUdpSocket *m_binarySocketForWindowsLogging = nullptr;
    QUdpSocket *m_networkAdministrationSocket = nullptr;
    TransmissionGroups m_groups;
    NmeaOverUdpController *m_nmeaOverUdpController;
    BinaryTransmissionController *m_binaryTransmissionController;
};

#endif // UDP61162450CONTROLLER_H
