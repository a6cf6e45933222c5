#ifndef NETWORKINTERFACELIST_H
#define NETWORKINTERFACELIST_H

#include "common/ScopedInstanceOverride.h"

#include <QList>
#include <QString>

// The machine's network interfaces as the unit chooses among them: each one's system name, the
// human-readable name the user sees, its index and whether it is up. The process-wide list asks the system
// at every call; a test replaces it (TestOverride) with interfaces of its own, so that the choice of an
// interface is checked against known interfaces instead of the host's.
class NetworkInterfaceList
{
public:
    struct Entry
    {
        QString name;
        QString humanReadableName;
        int index = 0; // 0: no interface
        bool up = false;
    };

    // The system's interfaces.
    NetworkInterfaceList() = default;
    // Exactly these interfaces (tests).
    explicit NetworkInterfaceList(const QList<Entry> &entries);

    // The process-wide list, created on first use and never destroyed.
    static NetworkInterfaceList *instance();
    using TestOverride = ScopedInstanceOverride<NetworkInterfaceList>;

    // In the system's order.
    QList<Entry> interfaces() const;
    // The interface with that index; an entry with index 0 when there is none.
    Entry fromIndex(int index) const;

private:
    bool m_fixed = false;
    QList<Entry> m_entries;
};

#endif // NETWORKINTERFACELIST_H
