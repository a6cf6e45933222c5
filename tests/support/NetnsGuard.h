#ifndef NETNSGUARD_H
#define NETNSGUARD_H

#include <QNetworkInterface>
#include <QString>
#include <QStringList>

// Socket tests send real multicast datagrams. They may do so only inside a private network namespace in
// which the loopback is the only interface (ctest runs every tst_*_netns that way). A test asks this guard
// before it creates its first socket and skips when any other interface is up, so that nothing ever
// reaches the machine's real networks:
//
//     if (!NetnsGuard::isIsolated())
//         QSKIP(qPrintable(NetnsGuard::reason()));
namespace NetnsGuard {

// The names of the interfaces other than "lo" that are up.
inline QStringList foreignInterfacesUp()
{
    QStringList names;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &candidate : interfaces) {
        if (candidate.name() != QLatin1String("lo") && candidate.flags().testFlag(QNetworkInterface::IsUp))
            names.append(candidate.name());
    }
    return names;
}

// Only the loopback is up, and it carries multicast.
inline bool isIsolated()
{
    if (!foreignInterfacesUp().isEmpty())
        return false;
    const QNetworkInterface loopback = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
    return loopback.isValid() && loopback.flags().testFlag(QNetworkInterface::IsUp)
        && loopback.flags().testFlag(QNetworkInterface::CanMulticast);
}

inline QString reason()
{
    const QStringList foreign = foreignInterfacesUp();
    if (!foreign.isEmpty()) {
        return QStringLiteral(
            "not in a private network namespace (up: %1); run it through ctest or unshare --net")
            .arg(foreign.join(QLatin1String(", ")));
    }
    return QStringLiteral("the loopback is down or carries no multicast");
}

} // namespace NetnsGuard

#endif // NETNSGUARD_H
