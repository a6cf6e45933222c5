#include "comms/iec450/BinaryMessage.h"

#include "comms/iec450/BinaryDatagramFormat.h"

namespace {
const int imageDataType = 1;
const char octetStream[] = "application/octet-stream";

// The information text cut so that the descriptor leaves datagram 1 within its size: the longest text
// whose descriptor fills the whole payload of datagram 1.
QString fittingInformation(const QString &information)
{
    const int dataTypeLength = int(sizeof(octetStream)); // with its NUL
    const int room = maxBinaryPayloadSize() - BinaryImageDescriptor::fixedLength - dataTypeLength - 1;
    return information.left(room);
}
} // namespace

int BinaryMessage::maxDatagramCount()
{
    // Enough for the largest image even when datagram 1 holds nothing but its descriptor.
    return 1 + (maxImageSize + maxBinaryPayloadSize() - 1) / maxBinaryPayloadSize();
}

BinaryMessage::BinaryMessage(qint32 block_id)
    : m_key(block_id)
{
}

BinaryMessage::BinaryMessage(const QByteArray &image, qint32 block_id, const QString &source_sfi, int channel,
    int device, const QString &information, const QString &destination_sfi, qint32 requested_max_sequence,
    const QString &token)
    : m_header(
        block_id, requested_max_sequence, source_sfi, channel, device, destination_sfi, token, imageDataType)
    , m_descriptor(image.size(), fittingInformation(information), QLatin1String(octetStream), 0)
    , m_key(block_id)
{
    cut(image, requested_max_sequence);
    m_acknowledged = QList<bool>();
    for (int i = 0; i < m_datagrams.size(); ++i)
        m_acknowledged.append(false);
}

void BinaryMessage::cut(const QByteArray &image, qint32 requested_max_sequence)
{
    const int payload = maxBinaryPayloadSize();
    QByteArrayList payloads;
    const int firstPart = qMax(0, payload - m_descriptor.descriptorLength());
    payloads.append(m_descriptor.bytes() + image.left(firstPart));
    for (int offset = firstPart; offset < image.size(); offset += payload)
        payloads.append(image.mid(offset, payload));

    m_receivedCount = payloads.size();
    m_expectedCount = qMax<qint32>(m_receivedCount, requested_max_sequence);
    m_header.setMaxSequence(m_expectedCount);

    m_datagrams.clear();
    for (int i = 0; i < payloads.size(); ++i)
        m_datagrams.append(m_header.bytesForSequence(i + 1) + payloads.at(i));
}

void BinaryMessage::addDatagram(const QByteArray &datagram)
{
    if (!m_datagrams.isEmpty()) {
        m_datagrams.append(datagram);
        ++m_receivedCount;
        return;
    }
    const int headerLength = binaryHeaderLength();
    m_header = BinaryDatagramHeader(datagram.left(headerLength));
    const qint32 descriptorLength = readBigEndian(datagram, headerLength, 4);
    m_descriptor = BinaryImageDescriptor(datagram.mid(headerLength, descriptorLength));
    m_key = m_header.blockId();
    cut(datagram.mid(headerLength + descriptorLength), m_header.maxSequence());
}

QByteArray BinaryMessage::assembledImage() const
{
    QByteArray image;
    const int headerLength = binaryHeaderLength();
    for (int i = 0; i < m_datagrams.size(); ++i) {
        const int skip = i == 0 ? headerLength + m_descriptor.descriptorLength() : headerLength;
        image.append(m_datagrams.at(i).mid(skip));
    }
    return image;
}

bool BinaryMessage::isComplete() const
{
    return !m_datagrams.isEmpty() && m_receivedCount == m_expectedCount;
}

bool BinaryMessage::isFullyAcknowledged() const
{
    for (const bool acknowledged : m_acknowledged) {
        if (!acknowledged)
            return false;
    }
    return true;
}

bool BinaryMessage::acknowledge(qint32 sequence_number)
{
    if (sequence_number >= 1 && sequence_number <= m_acknowledged.size())
        m_acknowledged[sequence_number - 1] = true;
    return isFullyAcknowledged();
}

QByteArrayList BinaryMessage::unacknowledgedDatagrams() const
{
    QByteArrayList datagrams;
    for (int i = 0; i < m_datagrams.size() && i < m_acknowledged.size(); ++i) {
        if (!m_acknowledged.at(i))
            datagrams.append(m_datagrams.at(i));
    }
    return datagrams;
}
