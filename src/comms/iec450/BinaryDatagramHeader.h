#ifndef BINARYDATAGRAMHEADER_H
#define BINARYDATAGRAMHEADER_H

#include <QByteArray>
#include <QString>

// The 38-byte header of an image datagram: token "RaUdP" (or "RrUdP" from a sender that wants an
// acknowledgement) and a NUL, version, header length, source and destination SFI, type and block id -- the
// 28-byte prefix shared by every datagram of one image -- then the sequence number, max sequence, device
// and channel of each datagram. Integers are big-endian.
class BinaryDatagramHeader
{
public:
    BinaryDatagramHeader() = default;
    // A header for sending. A source or destination SFI longer than six characters and a token longer
    // than five are cut, so that the header always keeps its 38 bytes.
    BinaryDatagramHeader(qint32 block_id, qint32 max_sequence, const QString &source_sfi, int channel,
        int device, const QString &destination_sfi, const QString &token, int type);
    // The header of a received datagram. Never fails: fields beyond the end of a short datagram read as
    // zero or empty; the sequence number is read by the receiver itself (sequenceNumber()).
    explicit BinaryDatagramHeader(const QByteArray &datagram);

    // The sequence number (offsets 28 to 31) of a received datagram.
    static qint32 sequenceNumber(const QByteArray &datagram);

    qint32 blockId() const { return m_blockId; }
    void setBlockId(qint32 block_id);
    qint32 maxSequence() const { return m_maxSequence; }
    void setMaxSequence(qint32 max_sequence);
    QString sourceSfi() const { return m_sourceSfi; }
    void setSourceSfi(const QString &source_sfi);
    QString destinationSfi() const { return m_destinationSfi; }
    void setDestinationSfi(const QString &destination_sfi);
    QString token() const { return m_token; }
    void setToken(const QString &token);
    int type() const { return m_type; }
    void setType(int type);
    int device() const { return m_device; }
    void setDevice(int device) { m_device = device; }
    int channel() const { return m_channel; }
    void setChannel(int channel) { m_channel = channel; }
    // The version field of the prefix.
    int version() const;
    // Offsets 0 to 27.
    QByteArray prefix() const { return m_prefix; }

    // The whole header of the datagram with that sequence number.
    QByteArray bytesForSequence(qint32 sequence_number) const;

    // True unless the token is "RrUdP" or "RaUdP", the version is 2, the source SFI is valid and the
    // destination is "XXXXXX" or a valid SFI.
    bool isInvalid() const;

private:
    void buildPrefix();

    qint32 m_blockId = 0;
    qint32 m_maxSequence = 0;
    QString m_sourceSfi;
    QString m_destinationSfi;
    QString m_token;
    int m_type = 0;
    int m_device = 0;
    int m_channel = 0;
    QByteArray m_prefix;
};

#endif // BINARYDATAGRAMHEADER_H
