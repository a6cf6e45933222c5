#ifndef TRANSMISSIONGROUPS_H
#define TRANSMISSIONGROUPS_H

#include <QHostAddress>

// One multicast group of the IEC 61162-450 network: where datagrams of one kind of traffic go.
struct MulticastGroup
{
    QHostAddress address;
    quint16 port = 0;
};

// The groups of every kind of traffic, as the controller that owns the sockets sets them and the socket
// door writes to them. The internal sentence link sends to one port and listens on another; everywhere
// else the two are the sentence group's port.
struct TransmissionGroups
{
    // The sentence group: "239.192.0." + (g + 1), port 60001 + g for transmission group g.
    MulticastGroup nmea;
    // The group of the internal sentence link; its port is the one this unit sends to.
    MulticastGroup local;
    quint16 localReceivePort = 0;
    MulticastGroup networkAdministration;
    // The internal image group and the image group.
    MulticastGroup binaryLocal;
    MulticastGroup binary;
};

#endif // TRANSMISSIONGROUPS_H
