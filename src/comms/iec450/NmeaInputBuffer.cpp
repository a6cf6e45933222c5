#include "comms/iec450/NmeaInputBuffer.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"

#include <QDebug>
#include <QTimer>

NmeaInputBuffer::NmeaInputBuffer(int period_ms, QObject *parent)
    : NmeaBufferClass(period_ms, parent)
{
    connect(m_timer, &QTimer::timeout, this, &NmeaInputBuffer::groupTimedOut);
}

void NmeaInputBuffer::addDatagram(const UdpDatagramRecord &record)
{
    const QString source = record.sourceSfi();
    // Every copy is answered, repeats included: the sender resends because an acknowledgement was lost.
    if (record.needsAcknowledgement())
        emit emitAckSignal(record.key(), source);

    UdpSentenceGroup *group = findGroupForDatagram(record, source);
    if (!group) {
        if (groupCount() >= maxGroups) {
            if (admitLogLine("Too many incomplete sentence groups"))
                qDebug().noquote() << "Too many incomplete sentence groups; the oldest is dropped: "
                        + logExcerpt(
                            m_groups.front()->sourceSfi() + QLatin1Char(' ') + m_groups.front()->groupId());
            m_groups.erase(m_groups.begin());
        }
        m_groups.push_back(std::make_unique<UdpSentenceGroup>());
        group = m_groups.back().get();
    }
    group->addDatagram(record);
    if (group->records().isEmpty()) {
        destroyGroup(group);
        return;
    }
    if (!group->isComplete() || group->isDelivered())
        return;

    const bool internal = group->records().first().textTag().startsWith(QLatin1String("pqrv"));
    const NmeaGroupInfo info(group->sourceSfi(), group->destinationSfis(), group->sentences(), UDP,
        internal ? InternalData : StandardSentence);
    group->setDelivered(true);
    // Removed before the group is handed on, so that whatever the receiver does cannot meet it again.
    destroyGroup(group);
    emit parse(info);
}

UdpSentenceGroup *NmeaInputBuffer::findGroupForDatagram(
    const UdpDatagramRecord &record, const QString &source_sfi)
{
    for (const auto &group : m_groups) {
        if (group->sourceSfi() == source_sfi && group->matchesRecord(record))
            return group.get();
    }
    return nullptr;
}

bool NmeaInputBuffer::hasGroupWithDatagram(const QString &key, const QString &source_sfi) const
{
    for (const auto &group : m_groups) {
        if (group->sourceSfi() == source_sfi && group->containsDatagram(key))
            return true;
    }
    return false;
}

UdpDatagramRecord *NmeaInputBuffer::findDatagram(const QString &key, const QString &source_sfi)
{
    for (const auto &group : m_groups) {
        if (group->sourceSfi() == source_sfi && group->containsDatagram(key))
            return group->findDatagram(key);
    }
    return nullptr;
}

void NmeaInputBuffer::removeGroupsWithDatagram(const QString &key, const QString &source_sfi)
{
    for (auto it = m_groups.begin(); it != m_groups.end();) {
        if ((*it)->sourceSfi() == source_sfi && (*it)->containsDatagram(key))
            it = m_groups.erase(it);
        else
            ++it;
    }
}

void NmeaInputBuffer::groupTimedOut()
{
    for (auto it = m_groups.begin(); it != m_groups.end();) {
        bool expired = false;
        for (UdpDatagramRecord &record : (*it)->records()) {
            if (record.incrementAge() > maxAge)
                expired = true;
        }
        if (expired)
            it = m_groups.erase(it);
        else
            ++it;
    }
}
