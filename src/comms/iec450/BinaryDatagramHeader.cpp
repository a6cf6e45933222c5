#include "comms/iec450/BinaryDatagramHeader.h"

#include "comms/iec450/BinaryDatagramFormat.h"

namespace {

const int tokenLength = 5;
const int headerSfiLength = 6;
const int prefixLength = 28;

// Offsets of the header fields.
const int versionOffset = 6;
const int sourceOffset = 10;
const int destinationOffset = 16;
const int typeOffset = 22;
const int blockIdOffset = 24;
const int sequenceOffset = 28;
const int maxSequenceOffset = 32;
const int deviceOffset = 36;
const int channelOffset = 37;

// The text of a fixed-width field: up to its first NUL byte, so trailing padding is dropped.
QString readText(const QByteArray &datagram, int offset, int width)
{
    QByteArray field = datagram.mid(offset, width);
    const int nul = field.indexOf('\0');
    if (nul >= 0)
        field.truncate(nul);
    return QString::fromLatin1(field);
}

// Latin-1 text left-justified in a field of `width` bytes, NUL padded; a longer text is cut.
QByteArray fixedWidth(const QString &text, int width)
{
    QByteArray bytes = text.toLatin1().left(width);
    bytes.append(QByteArray(width - bytes.size(), '\0'));
    return bytes;
}

} // namespace

BinaryDatagramHeader::BinaryDatagramHeader(qint32 block_id, qint32 max_sequence, const QString &source_sfi,
    int channel, int device, const QString &destination_sfi, const QString &token, int type)
    : m_blockId(block_id)
    , m_maxSequence(max_sequence)
    , m_sourceSfi(source_sfi.left(headerSfiLength))
    , m_destinationSfi(destination_sfi.left(headerSfiLength))
    , m_token(token.left(tokenLength))
    , m_type(type)
    , m_device(device)
    , m_channel(channel)
{
    buildPrefix();
}

BinaryDatagramHeader::BinaryDatagramHeader(const QByteArray &datagram)
    : m_blockId(readBigEndian(datagram, blockIdOffset, 4))
    , m_maxSequence(readBigEndian(datagram, maxSequenceOffset, 4))
    , m_sourceSfi(readText(datagram, sourceOffset, headerSfiLength))
    , m_destinationSfi(readText(datagram, destinationOffset, headerSfiLength))
    , m_token(readText(datagram, 0, tokenLength))
    , m_type(readBigEndian(datagram, typeOffset, 2))
    , m_device(readBigEndian(datagram, deviceOffset, 1))
    , m_channel(readBigEndian(datagram, channelOffset, 1))
    , m_prefix(datagram.left(prefixLength))
{
}

qint32 BinaryDatagramHeader::sequenceNumber(const QByteArray &datagram)
{
    return readBigEndian(datagram, sequenceOffset, 4);
}

void BinaryDatagramHeader::setBlockId(qint32 block_id)
{
    m_blockId = block_id;
    buildPrefix();
}

void BinaryDatagramHeader::setMaxSequence(qint32 max_sequence)
{
    m_maxSequence = max_sequence;
    buildPrefix();
}

void BinaryDatagramHeader::setSourceSfi(const QString &source_sfi)
{
    m_sourceSfi = source_sfi.left(headerSfiLength);
    buildPrefix();
}

void BinaryDatagramHeader::setDestinationSfi(const QString &destination_sfi)
{
    m_destinationSfi = destination_sfi.left(headerSfiLength);
    buildPrefix();
}

void BinaryDatagramHeader::setToken(const QString &token)
{
    m_token = token.left(tokenLength);
    buildPrefix();
}

void BinaryDatagramHeader::setType(int type)
{
    m_type = type;
    buildPrefix();
}

int BinaryDatagramHeader::version() const
{
    return readBigEndian(m_prefix, versionOffset, 2);
}

void BinaryDatagramHeader::buildPrefix()
{
    QByteArray prefix;
    prefix.reserve(prefixLength);
    prefix.append(fixedWidth(m_token, tokenLength));
    prefix.append('\0');
    prefix.append(toBigEndian(binaryVersion(), 2));
    prefix.append(toBigEndian(binaryHeaderLength(), 2));
    prefix.append(fixedWidth(m_sourceSfi, headerSfiLength));
    prefix.append(fixedWidth(m_destinationSfi, headerSfiLength));
    prefix.append(toBigEndian(m_type, 2));
    prefix.append(toBigEndian(m_blockId, 4));
    m_prefix = prefix;
}

QByteArray BinaryDatagramHeader::bytesForSequence(qint32 sequence_number) const
{
    QByteArray header = m_prefix;
    header.reserve(binaryHeaderLength());
    header.append(toBigEndian(sequence_number, 4));
    header.append(toBigEndian(m_maxSequence, 4));
    header.append(toBigEndian(m_device, 1));
    header.append(toBigEndian(m_channel, 1));
    return header;
}

bool BinaryDatagramHeader::isInvalid() const
{
    if (m_token != QLatin1String("RrUdP") && m_token != QLatin1String("RaUdP"))
        return true;
    if (version() != binaryVersion())
        return true;
    return !isValidSfi(m_sourceSfi) || !isValidDestinationSfi(m_destinationSfi);
}
