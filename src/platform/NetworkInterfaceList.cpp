#include "platform/NetworkInterfaceList.h"

#include <QNetworkInterface>

NetworkInterfaceList::NetworkInterfaceList(const QList<Entry> &entries)
    : m_fixed(true)
    , m_entries(entries)
{
}

NetworkInterfaceList *NetworkInterfaceList::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static NetworkInterfaceList *const list = new NetworkInterfaceList;
    return list;
}

QList<NetworkInterfaceList::Entry> NetworkInterfaceList::interfaces() const
{
    if (m_fixed)
        return m_entries;
    QList<Entry> entries;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &candidate : all) {
        entries.append({ candidate.name(), candidate.humanReadableName(), candidate.index(),
            candidate.flags().testFlag(QNetworkInterface::IsUp) });
    }
    return entries;
}

NetworkInterfaceList::Entry NetworkInterfaceList::fromIndex(int index) const
{
    const QList<Entry> entries = interfaces();
    for (const Entry &entry : entries) {
        if (entry.index == index && index > 0)
            return entry;
    }
    return Entry();
}
