#ifndef ETHERNETINTERFACES_H
#define ETHERNETINTERFACES_H

#include <QObject>
#include <QString>

class EthInterfaceData;

// The network interface the display uses for the IEC 61162-450 network, and the panel's network
// configuration file "/etc/network/interfaces" with its two texts: the loopback template and the full
// template (loopback, eth0 and eth1). The file is written only on a platform that manages its own network
// (LINUX); the path goes through PlatformPaths, so a test writes it under a folder of its own.
class EthernetInterfaces : public QObject
{
    Q_OBJECT
public:
    EthernetInterfaces(QObject *parent, const QString &interfaceName);

    // True; the interface data is ready from construction.
    bool init();

    // The interface of the sentence, network-administration and image-group sockets.
    EthInterfaceData *interfaceData() const { return m_interfaceData; }
    // The interface of the sockets of the internal link; the same interface on this unit.
    EthInterfaceData *localInterfaceData() const { return m_interfaceData; }

    // "/etc/network/interfaces", as the system knows it.
    QString filePath() const { return m_filePath; }
    static QString loopbackTemplate();
    static QString fullTemplate();

    // A name the configuration file can hold: a letter or digit, then up to 14 letters, digits or "_.:-"
    // (nothing that could start a new line, a comment or a further option).
    static bool isValidInterfaceName(const QString &name);

    // The file as writeToInterfaces() writes it: the full template while the interface has no address of
    // its own; otherwise the loopback template followed by a block for the interface in the template's
    // layout (only the loopback template when the chosen interface is the loopback). Empty when the
    // interface name cannot be written to the file.
    QString interfacesFileText() const;

public slots:
    // Writes the file on a platform that manages its network; atomically, so a failed write leaves the
    // previous file as it was. True when the file was written; false with a debug line otherwise, and false
    // without any action on other platforms.
    bool writeToInterfaces();

private:
    EthInterfaceData *m_interfaceData;
    const QString m_filePath;
};

#endif // ETHERNETINTERFACES_H
