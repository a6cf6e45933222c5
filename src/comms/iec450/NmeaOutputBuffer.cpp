#include "comms/iec450/NmeaOutputBuffer.h"

#include <QTimer>

NmeaOutputBuffer::NmeaOutputBuffer(int period_ms, QObject *parent)
    : NmeaBufferClass(period_ms, parent)
{
    connect(m_timer, &QTimer::timeout, this, &NmeaOutputBuffer::groupTimedOut);
}

void NmeaOutputBuffer::addGroup(const UdpSentenceGroup &group)
{
    // Nothing would ever age or remove a group without datagrams.
    if (group.records().isEmpty())
        return;
    for (auto it = m_groups.begin(); it != m_groups.end();) {
        if ((*it)->groupId() == group.groupId())
            it = m_groups.erase(it);
        else
            ++it;
    }
    m_groups.push_back(std::make_unique<UdpSentenceGroup>(group));
}

UdpDatagramRecord *NmeaOutputBuffer::findDatagram(const QString &key, UdpSentenceGroup **group)
{
    for (const auto &held : m_groups) {
        if (UdpDatagramRecord *record = held->findDatagram(key)) {
            if (group)
                *group = held.get();
            return record;
        }
    }
    if (group)
        *group = nullptr;
    return nullptr;
}

void NmeaOutputBuffer::removeGroup(const UdpSentenceGroup *group)
{
    destroyGroup(group);
}

void NmeaOutputBuffer::groupTimedOut()
{
    // The tick's work is decided first and announced afterwards, so that a receiver that sends a new
    // group in answer to a loss report does not change the list while it is walked.
    struct Resend
    {
        QByteArray datagram;
        bool internal;
    };
    QList<Resend> resends;
    QStringList lost;
    for (auto it = m_groups.begin(); it != m_groups.end();) {
        bool expired = false;
        for (UdpDatagramRecord &record : (*it)->records()) {
            const int age = record.incrementAge();
            if (age >= 1 && age <= maxResends)
                resends.append({ record.datagram(), record.isInternalInterface() });
            else if (age > maxResends)
                expired = true;
        }
        if (!expired) {
            ++it;
            continue;
        }
        // Every SFI that still owes an acknowledgement of any datagram of the group, once.
        QStringList groupLost;
        for (const UdpDatagramRecord &record : (*it)->records()) {
            for (const QString &sfi : record.pendingDestinations()) {
                if (!groupLost.contains(sfi))
                    groupLost.append(sfi);
            }
        }
        lost += groupLost;
        it = m_groups.erase(it);
    }
    for (const Resend &resend : resends)
        emit resendDatagram(QByteArrayList { resend.datagram }, resend.internal);
    for (const QString &sfi : lost)
        emit lostCommunicationWithSfi(sfi);
}
