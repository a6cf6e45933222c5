#ifndef UDPDATAGRAMRECORD_H
#define UDPDATAGRAMRECORD_H

#include "comms/iec450/UdpParserClass.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One sentence datagram with what the unit knows about it: its group key (the name acknowledgements use),
// the identity of the sentence group it belongs to, whether it asks for an acknowledgement, whether it is
// well formed, which destinations still owe an acknowledgement and how many buffer ticks it has waited.
// A plain value.
class UdpDatagramRecord
{
public:
    UdpDatagramRecord();
    // Reads the datagram at once; pending_destinations are the SFIs that must acknowledge a sent datagram.
    explicit UdpDatagramRecord(const QByteArray &datagram, const QStringList &pending_destinations = {});
    // The same from a reading already made of the datagram.
    UdpDatagramRecord(const QByteArray &datagram, const UdpParserClass::Reading &reading);

    // The record of a received datagram. The intake reads every datagram before it passes it on
    // (socketInterface::recievedMessage, a queued connection) and keeps the record it made of it here,
    // beside the bytes; the controller, which receives the same bytes, takes that record instead of
    // reading them again. Bytes without a kept record (handed over by anyone else, or kept too long) are
    // read anew. At most maxKeptRecords are kept, the oldest dropped first. GUI thread only.
    static void keepReceived(const UdpDatagramRecord &record);
    static UdpDatagramRecord received(const QByteArray &datagram);
    static const int maxKeptRecords = 1024;

    QByteArray datagram() const;
    // Replaces the datagram and reads it again (key, identity, validity); the pending list stays.
    void setDatagram(const QByteArray &datagram);
    QString key() const;

    bool isAcknowledged() const;
    void setAcknowledged(bool acknowledged);
    bool needsAcknowledgement() const;
    void setNeedsAcknowledgement(bool needs);
    bool isInternalInterface() const;
    void setInternalInterface(bool internal);
    // Well formed: header, size, line framing, every tag block with a valid checksum and valid g:, s:, d:
    // and n: parameters that agree between the lines, and a group key.
    bool isValid() const;
    void setValid(bool valid);
    // The error code (NmeaOverUdpErrorType) of the first fault found while reading, 0 when none.
    int faultCode() const;

    int age() const;
    int incrementAge();

    QStringList pendingDestinations() const;
    // The SFI has acknowledged: it is no longer pending and, while others are, its d: parameter is removed
    // from the datagram so that a resend reaches only those. With none left the record is acknowledged.
    void acknowledge(const QString &sfi);

    // Identity of the group the datagram belongs to: source SFI, group id, number of sentences and the line
    // count of the group's first line (derived from the first line's position and line count). A datagram
    // without g: parameters is a group of its own lines.
    QString sourceSfi() const;
    // The d: values of the first line.
    QStringList destinationSfis() const;
    // The first text tag of the datagram (empty without one): "pqrvsetup", "pqrvruntime", "pqrvack" + key.
    QString textTag() const;
    QString groupId() const;
    int groupSize() const;
    int groupStartLineCount() const;
    // Position in its group of the datagram's first sentence (1 without g: parameters).
    int firstPosition() const;

    // Sentences of the datagram that begin with "$" (or hold one) and end with CR LF.
    int sentenceCount() const;
    // The sentences of every line, in order, CR LF included; empty when a tag block is corrupt.
    QStringList sentences() const;

private:
    void read(const UdpParserClass::Reading &reading);

    QByteArray m_datagram;
    QString m_key;
    bool m_acknowledged = false;
    bool m_needsAcknowledgement = false;
    bool m_internalInterface = true;
    bool m_valid = true;
    int m_age = -1;
    QStringList m_pendingDestinations;

    int m_faultCode = 0;
    bool m_checksumsValid = true;
    QString m_sourceSfi;
    QStringList m_destinationSfis;
    QString m_textTag;
    QString m_groupId;
    int m_groupSize = -1;
    int m_groupStartLineCount = 0;
    int m_firstPosition = 1;
    QStringList m_sentences;
};

#endif // UDPDATAGRAMRECORD_H
