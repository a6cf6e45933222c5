#ifndef BINARYMESSAGE_H
#define BINARYMESSAGE_H

#include "comms/iec450/BinaryDatagramHeader.h"
#include "comms/iec450/BinaryImageDescriptor.h"

#include <QByteArrayList>
#include <QList>

// One image in a buffer: its header fields, its descriptor and its datagrams in sequence order, each a
// whole datagram with its 38-byte header. Built whole for sending, or filled datagram by datagram while an
// image is received.
class BinaryMessage
{
public:
    // Largest image the unit sends or accepts, and so the most datagrams one image may declare. Bounds
    // what a received series can make the unit hold.
    static const int maxImageSize = 4 * 1024 * 1024;
    static int maxDatagramCount();

    BinaryMessage() = default;
    // An empty entry for a received image: no datagram, no expected count yet.
    explicit BinaryMessage(qint32 block_id);
    // An image cut into its datagrams for sending. The header carries the greater of the datagram count
    // and requested_max_sequence as its max sequence. An information text too long for datagram 1 (more
    // than 1381 characters) is cut, so that no datagram exceeds 1460 bytes.
    BinaryMessage(const QByteArray &image, qint32 block_id, const QString &source_sfi, int channel,
        int device, const QString &information, const QString &destination_sfi, qint32 requested_max_sequence,
        const QString &token);

    // Appends a received datagram. The first one (sequence 1) sets the header and the descriptor; the
    // caller has checked it (size, header, descriptor) before.
    void addDatagram(const QByteArray &datagram);
    // Datagram 1 after its descriptor, then every further datagram after its header.
    QByteArray assembledImage() const;
    // Datagram 1 is held and as many datagrams as the header declares.
    bool isComplete() const;

    // Sender's side of acknowledgements: one flag per datagram.
    bool isFullyAcknowledged() const;
    // Marks the datagram of that sequence number; a number outside the image marks nothing. Answers
    // isFullyAcknowledged().
    bool acknowledge(qint32 sequence_number);
    QByteArrayList unacknowledgedDatagrams() const;

    int incrementTimeoutTicks() { return ++m_timeoutTicks; }

    // An image that has been offered (or refused for its size) once is finished: later repeats of its
    // datagrams change nothing.
    bool isFinished() const { return m_finished; }
    void setFinished() { m_finished = true; }

    qint32 key() const { return m_key; }
    int receivedCount() const { return m_receivedCount; }
    // -1 until datagram 1 is held.
    qint32 expectedCount() const { return m_expectedCount; }
    int timeoutTicks() const { return m_timeoutTicks; }
    int channel() const { return m_header.channel(); }
    QString information() const { return m_descriptor.information(); }
    QString sourceSfi() const { return m_header.sourceSfi(); }
    const BinaryDatagramHeader &header() const { return m_header; }
    const BinaryImageDescriptor &descriptor() const { return m_descriptor; }
    const QByteArrayList &datagrams() const { return m_datagrams; }

private:
    // Cuts the image behind the descriptor into datagrams and puts each datagram's header in front.
    void cut(const QByteArray &image, qint32 requested_max_sequence);

    BinaryDatagramHeader m_header;
    BinaryImageDescriptor m_descriptor;
    QByteArrayList m_datagrams;
    qint32 m_key = 0;
    int m_receivedCount = 0;
    qint32 m_expectedCount = -1;
    QList<bool> m_acknowledged { false };
    int m_timeoutTicks = 0;
    bool m_finished = false;
};

#endif // BINARYMESSAGE_H
