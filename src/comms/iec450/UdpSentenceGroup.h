#ifndef UDPSENTENCEGROUP_H
#define UDPSENTENCEGROUP_H

#include "comms/iec450/UdpDatagramRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The datagram records of one sentence group, in the order they were added. Learns the group's identity
// from its first record, counts the sentences received and says when the group is complete. A plain value:
// the records are copied with it.
class UdpSentenceGroup
{
public:
    UdpSentenceGroup();

    // The records for editing in place; pointers into it stay valid until a record is added or removed.
    QList<UdpDatagramRecord> &records();
    QList<UdpDatagramRecord> records() const;
    void setRecords(const QList<UdpDatagramRecord> &records);

    QString sourceSfi() const;
    void setSourceSfi(const QString &sfi);
    QStringList destinationSfis() const;
    void setDestinationSfis(const QStringList &sfis);
    QString groupId() const;
    void setGroupId(const QString &group_id);
    int numberOfSentences() const;
    int sentencesReceived() const;
    // Line count of the group's first line; 0 while unknown.
    int startLineCount() const;

    bool isComplete() const;
    void setComplete(bool complete);
    bool isDelivered() const;
    void setDelivered(bool delivered);

    // Group id and number of sentences from a group key a-b-c-n (at least four parts).
    void setFromKey(const QString &key);
    // The key's group id and number of sentences are this group's.
    bool matchesKey(const QString &key) const;
    // The record belongs to this group: same group id, number of sentences and first-line count, so a
    // later group that reuses the group id is never taken for an older one. (The source is compared by
    // the caller.)
    bool matchesRecord(const UdpDatagramRecord &record) const;

    bool containsDatagram(const QString &key) const;
    UdpDatagramRecord *findDatagram(const QString &key);
    // Adds a received record: a repeat of a held key changes nothing; a record without sentences, or one
    // whose sentences would exceed the group's number, is counted and left out.
    void addDatagram(const UdpDatagramRecord &record);
    // Adds a record of a group being sent, unconditionally.
    void appendSentDatagram(const UdpDatagramRecord &record);
    // Removes that very record (by identity, not by value); nothing when it is not held here.
    void removeDatagram(const UdpDatagramRecord *record);
    // Every record acknowledged (true without records).
    bool allAcknowledged() const;
    // acknowledge() on the record with that key, then allAcknowledged(); false when no record has it.
    bool acknowledgeDatagram(const QString &key, const QString &sfi);

    // The sentences of all records, record after record.
    QStringList sentences() const;

private:
    QList<UdpDatagramRecord> m_records;
    QString m_sourceSfi;
    QStringList m_destinationSfis;
    QString m_groupId;
    int m_sentencesReceived = 0;
    int m_numberOfSentences = -1;
    int m_startLineCount = 0;
    bool m_complete = false;
    bool m_delivered = false;
};

#endif // UDPSENTENCEGROUP_H
