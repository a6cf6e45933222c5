#ifndef NMEAOUTPUTBUFFER_H
#define NMEAOUTPUTBUFFER_H

#include "comms/iec450/NmeaBufferClass.h"

#include <QByteArrayList>

// Keeps every sent settings group until each destination has acknowledged each of its datagrams. Each
// tick ages the held datagrams: the first tick after sending only ages them, the next ten resend the ones
// still held, the twelfth reports the SFIs that never answered and forgets the group.
class NmeaOutputBuffer : public NmeaBufferClass
{
    Q_OBJECT
public:
    explicit NmeaOutputBuffer(int period_ms, QObject *parent = nullptr);

    // Keeps a copy of the group; a held group with the same group id is dropped first. A group without
    // records is not kept.
    void addGroup(const UdpSentenceGroup &group);
    // The first held record with the key and, in *group, the group holding it; none when no record has it.
    UdpDatagramRecord *findDatagram(const QString &key, UdpSentenceGroup **group = nullptr);
    // Removes and destroys that very group.
    void removeGroup(const UdpSentenceGroup *group);

    static const int maxResends = 10;

signals:
    void resendDatagram(QByteArrayList datagram, bool to_internal_interface);
    // Declared for an internal resend path; nothing emits it.
    void resendDatagramInternally(QByteArrayList datagram, bool to_internal_interface);
    void lostCommunicationWithSfi(QString sfi);

private slots:
    void groupTimedOut();
};

#endif // NMEAOUTPUTBUFFER_H
