#ifndef ETHINTERFACEDATA_H
#define ETHINTERFACEDATA_H

#include "platform/NetworkInterfaceList.h"

#include <QNetworkInterface>
#include <QObject>
#include <QString>

// The network interface the display uses for the IEC 61162-450 network, found by the human-readable name
// the user chose, and the address data written to the panel's network configuration file. On a platform
// that does not manage its network (WINDOWS) the address data stays empty and the setters do nothing.
class EthInterfaceData : public QObject
{
    Q_OBJECT
public:
    // Takes the interface with index 3 and replaces it by every interface whose human-readable name equals
    // `name` exactly, so the last of several such interfaces wins (from NetworkInterfaceList).
    explicit EthInterfaceData(const QString &name, QObject *parent = nullptr);

    // The chosen interface, on which the multicast groups are joined.
    QNetworkInterface networkInterface() const
    {
        return QNetworkInterface::interfaceFromIndex(m_entry.index);
    }
    // Its system name and index; index 0 when there is none.
    QString interfaceName() const { return m_entry.name; }
    int interfaceIndex() const { return m_entry.index; }

    QString name() const { return m_name; }
    bool isValid() const { return m_valid; }
    void setValid(bool valid) { m_valid = valid; }
    QString ip() const { return m_ip; }
    QString netmask() const { return m_netmask; }
    QString gateway() const { return m_gateway; }
    QString mac() const { return m_mac; }

    // Dotted-quad IPv4 address, each part a decimal number 0 to 255.
    static bool isValidIpv4Address(const QString &text);
    // Six pairs of hexadecimal digits joined by ":".
    static bool isValidMacAddress(const QString &text);

public slots:
    // On a platform that manages its network: stores a valid address (in its canonical form) and asks for
    // the configuration file to be written again; an invalid text is logged and changes nothing. setIP also
    // reports the new address, since the outgoing multicast interface follows it.
    void setIP(const QString &IP);
    void setNetmask(const QString &netmask);
    // An empty text removes the gateway.
    void setGateway(const QString &gateway);
    // Stores a valid MAC address; it is not part of the configuration file.
    void setMAC(const QString &MAC);
    // Taking the interface down and up is left to the system's own network service; these do nothing.
    void restart();
    void stopInterface();
    void startInterface();

signals:
    void changedIP();
    void owerwriteInterfacesFile();

private:
    bool managesNetwork() const;

    QString m_name;
    bool m_valid = false;
    QString m_ip;
    QString m_netmask;
    QString m_gateway;
    QString m_mac;
    NetworkInterfaceList::Entry m_entry;
};

#endif // ETHINTERFACEDATA_H
