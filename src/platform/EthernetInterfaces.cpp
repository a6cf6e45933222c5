#include "platform/EthernetInterfaces.h"

#include "common/AtomicFile.h"
#include "common/BuildConfiguration.h"
#include "platform/EthInterfaceData.h"
#include "platform/PlatformPaths.h"

#include <QDebug>
#include <QRegularExpression>

EthernetInterfaces::EthernetInterfaces(QObject *parent, const QString &interfaceName)
    : QObject(parent)
    , m_interfaceData(new EthInterfaceData(interfaceName, this))
    , m_filePath(QStringLiteral("/etc/network/interfaces"))
{
    connect(m_interfaceData, &EthInterfaceData::owerwriteInterfacesFile, this,
        &EthernetInterfaces::writeToInterfaces);
}

bool EthernetInterfaces::init()
{
    return true;
}

QString EthernetInterfaces::loopbackTemplate()
{
    return QStringLiteral("auto lo\niface lo inet loopback\n\n\n"
                          "auto lo:1\niface lo:1 inet static\naddress 127.0.0.2\nnetmask 255.0.0.0\n"
                          "gateway 127.0.0.0\n\n\n"
                          "auto lo:2\niface lo:2 inet static\naddress 127.0.0.3\nnetmask 255.0.0.0\n"
                          "gateway 127.0.0.0\n");
}

QString EthernetInterfaces::fullTemplate()
{
    return loopbackTemplate()
        + QStringLiteral("\n\nauto eth0\niface eth0 inet static\naddress 10.31.1.97\nnetmask 255.255.255.0\n"
                         "gateway 10.31.1.1\n\n\n"
                         "auto eth1\niface eth1 inet static\naddress 10.31.1.98\nnetmask 255.255.255.0");
}

bool EthernetInterfaces::isValidInterfaceName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Za-z0-9][A-Za-z0-9_.:-]{0,14}\\z"));
    return pattern.match(name).hasMatch();
}

QString EthernetInterfaces::interfacesFileText() const
{
    const QString name = m_interfaceData->name();
    if (!isValidInterfaceName(name))
        return QString();
    if (m_interfaceData->ip().isEmpty())
        return fullTemplate();
    if (name == QLatin1String("lo") || name.startsWith(QLatin1String("lo:")))
        return loopbackTemplate();

    // The address texts were checked and made canonical when they were set.
    QString block
        = QStringLiteral("\n\nauto %1\niface %1 inet static\naddress %2").arg(name, m_interfaceData->ip());
    if (!m_interfaceData->netmask().isEmpty())
        block += QStringLiteral("\nnetmask ") + m_interfaceData->netmask();
    if (!m_interfaceData->gateway().isEmpty())
        block += QStringLiteral("\ngateway ") + m_interfaceData->gateway();
    return loopbackTemplate() + block;
}

bool EthernetInterfaces::writeToInterfaces()
{
    if (!BuildConfiguration::instance()->isLinux)
        return false;
    const QString text = interfacesFileText();
    if (text.isEmpty()) {
        qDebug() << "Network configuration not written, interface name refused: " << m_interfaceData->name();
        return false;
    }
    const QString path = PlatformPaths::path(m_filePath);
    QString error;
    if (!writeFileAtomically(path, text.toLatin1(), &error)) {
        qDebug() << "Network configuration not written: " << path << error;
        return false;
    }
    return true;
}
