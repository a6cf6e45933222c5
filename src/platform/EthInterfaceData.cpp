#include "platform/EthInterfaceData.h"

#include "common/BuildConfiguration.h"
#include "common/LogText.h"

#include <QDebug>
#include <QRegularExpression>

namespace {
// The interface taken when no interface has the chosen name.
const int fallbackInterfaceIndex = 3;

// The address with every part written as a plain decimal number ("010.1.1.1" becomes "10.1.1.1"), so a
// part is never read as octal by a later reader of the file.
QString canonicalIpv4(const QString &text)
{
    QStringList parts = text.split(QLatin1Char('.'));
    for (QString &part : parts)
        part = QString::number(part.toInt());
    return parts.join(QLatin1Char('.'));
}

} // namespace

EthInterfaceData::EthInterfaceData(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    const NetworkInterfaceList *list = NetworkInterfaceList::instance();
    m_entry = list->fromIndex(fallbackInterfaceIndex);
    const QList<NetworkInterfaceList::Entry> interfaces = list->interfaces();
    for (const NetworkInterfaceList::Entry &candidate : interfaces) {
        if (candidate.humanReadableName == m_name)
            m_entry = candidate;
    }
    m_valid = m_entry.index > 0;
}

bool EthInterfaceData::isValidIpv4Address(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[0-9]{1,3}(\\.[0-9]{1,3}){3}\\z"));
    if (!pattern.match(text).hasMatch())
        return false;
    const QStringList parts = text.split(QLatin1Char('.'));
    for (const QString &part : parts) {
        if (part.toInt() > 255)
            return false;
    }
    return true;
}

bool EthInterfaceData::isValidMacAddress(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5}\\z"));
    return pattern.match(text).hasMatch();
}

bool EthInterfaceData::managesNetwork() const
{
    return BuildConfiguration::instance()->isLinux;
}

void EthInterfaceData::setIP(const QString &IP)
{
    if (!managesNetwork())
        return;
    if (!isValidIpv4Address(IP)) {
        qDebug() << "Invalid IP address refused: " << logExcerpt(IP);
        return;
    }
    const QString canonical = canonicalIpv4(IP);
    if (canonical == m_ip)
        return;
    m_ip = canonical;
    emit changedIP();
    emit owerwriteInterfacesFile();
}

void EthInterfaceData::setNetmask(const QString &netmask)
{
    if (!managesNetwork())
        return;
    if (!isValidIpv4Address(netmask)) {
        qDebug() << "Invalid netmask refused: " << logExcerpt(netmask);
        return;
    }
    const QString canonical = canonicalIpv4(netmask);
    if (canonical == m_netmask)
        return;
    m_netmask = canonical;
    emit owerwriteInterfacesFile();
}

void EthInterfaceData::setGateway(const QString &gateway)
{
    if (!managesNetwork())
        return;
    if (!gateway.isEmpty() && !isValidIpv4Address(gateway)) {
        qDebug() << "Invalid gateway refused: " << logExcerpt(gateway);
        return;
    }
    const QString canonical = gateway.isEmpty() ? QString() : canonicalIpv4(gateway);
    if (canonical == m_gateway)
        return;
    m_gateway = canonical;
    emit owerwriteInterfacesFile();
}

void EthInterfaceData::setMAC(const QString &MAC)
{
    if (!managesNetwork())
        return;
    if (!isValidMacAddress(MAC)) {
        qDebug() << "Invalid MAC address refused: " << logExcerpt(MAC);
        return;
    }
    m_mac = MAC.toUpper();
}

void EthInterfaceData::restart() { }

void EthInterfaceData::stopInterface() { }

void EthInterfaceData::startInterface() { }
