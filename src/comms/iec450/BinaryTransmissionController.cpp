#include "comms/iec450/BinaryTransmissionController.h"

#include "common/BuildConfiguration.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/BinaryInputBuffer.h"
#include "comms/iec450/BinaryMessage.h"
#include "comms/iec450/BinaryOutputBuffer.h"

#include <QDebug>
#include <QRandomGenerator>
#include <QTime>

namespace {
const int deviceNumber = 1;
const char everyUnit[] = "XXXXXX";
const char sendToken[] = "RaUdP";
} // namespace

BinaryTransmissionController::BinaryTransmissionController(QObject *parent)
    : QObject(parent)
    , m_inputBuffer(new BinaryInputBuffer(sweepIntervalMs, this))
    , m_outputBuffer(new BinaryOutputBuffer(sweepIntervalMs, this))
{
    // Block ids start at a value that differs between runs, so that a receiver does not take the images
    // of a restarted sender for repeats of images it has just finished.
    QRandomGenerator generator(static_cast<quint32>(QTime::currentTime().msec()));
    m_nextBlockId = generator.generate();
    connect(
        m_inputBuffer, &BinaryInputBuffer::emitBinaryAckSignal, this, &BinaryTransmissionController::sendAck);
}

void BinaryTransmissionController::packBinaryMessageForSending(
    const QByteArray &imageBlock, const QString &informationAndStatus, int channel)
{
    if (imageBlock.size() > BinaryMessage::maxImageSize) {
        qDebug() << "Binary image too large to send: " << imageBlock.size();
        return;
    }
    const qint32 blockId = static_cast<qint32>(m_nextBlockId);
    ListOfSfisOnNetwork *sfis = ListOfSfisOnNetwork::instance();
    const BinaryMessage internal(imageBlock, blockId, sfis->localSfi(), channel, deviceNumber,
        informationAndStatus, QLatin1String(everyUnit), 1, QLatin1String(sendToken));
    emit sendDatagrams(internal.datagrams(), true);

    if (BuildConfiguration::instance()->isTvr100 && sfis->hasExternalConnection()) {
        const BinaryMessage external(imageBlock, blockId, sfis->externalLocalSfi(), channel, deviceNumber,
            informationAndStatus, QLatin1String(everyUnit), 1, QLatin1String(sendToken));
        emit sendDatagrams(external.datagrams(), false);
    }
    ++m_nextBlockId;
}

void BinaryTransmissionController::packBinaryMessageForSending(
    const QByteArray &imageBlock, const QString &informationAndStatus)
{
    packBinaryMessageForSending(imageBlock, informationAndStatus, 0);
}

void BinaryTransmissionController::processRecievedBinaryDatagram(const QByteArray &datagram)
{
    m_inputBuffer->addDatagram(datagram);
}

QByteArray BinaryTransmissionController::formAckedHeader(const QByteArray &recievedDatagram)
{
    Q_UNUSED(recievedDatagram)
    qDebug() << "BinaryTransmissionController::formAckedHeader not implemented properly!";
    return QByteArray();
}

void BinaryTransmissionController::sendAck(const QByteArray &recievedDatagram)
{
    // No acknowledgement format is defined between the units, so nothing is sent; the request is logged.
    formAckedHeader(recievedDatagram);
}
