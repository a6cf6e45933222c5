#include "comms/iec450/BinaryInputBuffer.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "comms/BinaryOverUdpErrorType.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/BinaryDatagramFormat.h"

#include <QDebug>
#include <QTimer>

namespace {

const int expectedImageDataType = 1;

// The datagram as the error records show it: Latin-1 text up to its first NUL byte.
QString binaryDatagramText(const QByteArray &datagram)
{
    const int nul = datagram.indexOf('\0');
    return QString::fromLatin1(nul >= 0 ? datagram.left(nul) : datagram);
}

// Counts the code and records the datagram in the input-error log, once the start-up has created it.
void countError(BinaryOverUdpErrorType code, const QByteArray &datagram)
{
    ErrorLogger::instance()->logBinaryError(code);
    if (CommunicationsLogging *logging = CommunicationsLogging::instance())
        logging->inputErrorLogger()->logUdpDatagramErrorToFile(code, binaryDatagramText(datagram));
}

} // namespace

BinaryInputBuffer::BinaryInputBuffer(int sweep_interval_ms, QObject *parent)
    : BinaryBufferClass(sweep_interval_ms, parent)
{
    connect(m_sweepTimer, &QTimer::timeout, this, &BinaryInputBuffer::imageTimeout);
}

BinaryMessage *BinaryInputBuffer::findMessage(qint32 block_id)
{
    if (BinaryMessage *message = BinaryBufferClass::findMessage(block_id))
        return message;
    m_messages.append(BinaryMessage(block_id));
    return &m_messages.last();
}

void BinaryInputBuffer::addDatagram(const QByteArray &datagram)
{
    const BinaryDatagramHeader header(datagram);
    if (datagram.size() < binaryHeaderLength() || datagram.size() > maxBinaryDatagramSize()
        || header.isInvalid()) {
        countError(ImageHeaderError, datagram);
        if (admitLogLine("Binary datagram refused"))
            qDebug() << "Wrong HEADER of binary datagram: " << logExcerpt(binaryDatagramText(datagram));
        return;
    }
    if (!ListOfSfisOnNetwork::instance()->connectedSfis().contains(header.sourceSfi())
        || header.type() != expectedImageDataType)
        return;

    const qint32 sequence = BinaryDatagramHeader::sequenceNumber(datagram);
    const qint32 maxSequence = header.maxSequence();
    if (maxSequence < 1 || maxSequence > BinaryMessage::maxDatagramCount() || sequence < 1
        || sequence > maxSequence) {
        countError(ImageHeaderError, datagram);
        if (admitLogLine("Binary datagram refused"))
            qDebug() << "Binary datagram sequence out of range: " << sequence << "/" << maxSequence;
        return;
    }

    if (header.token() == QLatin1String("RrUdP"))
        emit emitBinaryAckSignal(datagram);

    if (isRemembered(header.sourceSfi(), header.blockId()))
        return;
    if (sequence == 1 && !isAcceptableFirstDatagram(datagram, maxSequence))
        return;
    if (!contains(header.blockId()) && m_messages.size() >= maxOpenImages) {
        if (admitLogLine("Binary datagram refused"))
            qDebug() << "Too many binary images in progress, datagram dropped: " << header.blockId();
        return;
    }

    BinaryMessage *message = findMessage(header.blockId());
    if (message->isFinished())
        return;
    if (sequence != message->receivedCount() + 1)
        return;
    message->addDatagram(datagram);
    if (!message->isComplete())
        return;

    // Finished before anything is emitted: a receiver may feed this buffer again from its slot.
    message->setFinished();
    remember(message->sourceSfi(), message->key());
    const QByteArray image = message->assembledImage();
    const qint32 imageSize = message->descriptor().imageSize();
    if (image.size() == imageSize) {
        emit useBinaryMessage(image, message->information(), message->channel() - 1);
    } else {
        countError(ImageSizeError, datagram);
        if (admitLogLine("Binary datagram refused"))
            qDebug() << "Wrong size of binary image: " << image.size() << " != " << imageSize;
    }
}

bool BinaryInputBuffer::isAcceptableFirstDatagram(const QByteArray &datagram, qint32 max_sequence)
{
    const QByteArray afterHeader = datagram.mid(binaryHeaderLength());
    if (!BinaryImageDescriptor::isWellFormed(afterHeader)) {
        countError(ImageHeaderError, datagram);
        if (admitLogLine("Binary datagram refused"))
            qDebug() << "Wrong descriptor of binary image: " << logExcerpt(binaryDatagramText(datagram));
        return false;
    }
    const BinaryImageDescriptor descriptor(afterHeader.left(readBigEndian(afterHeader, 0, 4)));
    // The most bytes the declared datagrams can carry: datagram 1 behind its descriptor, the rest whole.
    const qint64 capacity = qint64(maxBinaryPayloadSize() - descriptor.descriptorLength())
        + qint64(max_sequence - 1) * maxBinaryPayloadSize();
    if (descriptor.imageSize() < 0 || descriptor.imageSize() > BinaryMessage::maxImageSize
        || descriptor.imageSize() > capacity) {
        countError(ImageSizeError, datagram);
        if (admitLogLine("Binary datagram refused"))
            qDebug() << "Wrong size of binary image: " << descriptor.imageSize() << " in " << max_sequence
                     << " datagrams";
        return false;
    }
    return true;
}

bool BinaryInputBuffer::isRemembered(const QString &source_sfi, qint32 block_id) const
{
    return m_finishedImages.contains(qMakePair(source_sfi, block_id));
}

void BinaryInputBuffer::remember(const QString &source_sfi, qint32 block_id)
{
    m_finishedImages.append(qMakePair(source_sfi, block_id));
    while (m_finishedImages.size() > maxRememberedImages)
        m_finishedImages.removeFirst();
}

void BinaryInputBuffer::imageTimeout()
{
    for (int i = 0; i < m_messages.size();) {
        BinaryMessage &message = m_messages[i];
        if (message.isComplete()) {
            m_messages.removeAt(i);
            continue;
        }
        if (message.incrementTimeoutTicks() > maxTimeoutTicks) {
            m_messages.removeAt(i);
            ErrorLogger::instance()->logBinaryError(ImageDatagramMissingError);
            if (admitLogLine("Binary datagram refused"))
                qDebug() << "Missing datagram error!";
            continue;
        }
        ++i;
    }
}
