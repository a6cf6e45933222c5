#ifndef NMEAINPUTBUFFER_H
#define NMEAINPUTBUFFER_H

#include "comms/NmeaGroupInfo.h"
#include "comms/iec450/NmeaBufferClass.h"

// Collects received sentence datagrams until their group is complete, hands each complete group on once,
// asks for an acknowledgement of every datagram that wants one, and drops groups that stay incomplete for
// 21 to 22 timer periods.
class NmeaInputBuffer : public NmeaBufferClass
{
    Q_OBJECT
public:
    explicit NmeaInputBuffer(int period_ms, QObject *parent = nullptr);

    // Takes a received, valid record.
    void addDatagram(const UdpDatagramRecord &record);

    // The held group the record belongs to: same source, group id, number of sentences and first-line
    // count; none when no group matches.
    UdpSentenceGroup *findGroupForDatagram(const UdpDatagramRecord &record, const QString &source_sfi);
    bool hasGroupWithDatagram(const QString &key, const QString &source_sfi) const;
    UdpDatagramRecord *findDatagram(const QString &key, const QString &source_sfi);
    // Removes the groups holding a record with the key: the one group when only one does, else those of
    // them from the source.
    void removeGroupsWithDatagram(const QString &key, const QString &source_sfi);

    // At most this many groups are held; the oldest gives way to a new one.
    static const int maxGroups = 256;
    // A record older than this many ticks drops its group.
    static const int maxAge = 20;

signals:
    void emitAckSignal(QString msg_tag, QString s_sfi);
    void parse(NmeaGroupInfo messages);

private slots:
    void groupTimedOut();
};

#endif // NMEAINPUTBUFFER_H
