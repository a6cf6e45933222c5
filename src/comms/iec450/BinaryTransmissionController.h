#ifndef BINARYTRANSMISSIONCONTROLLER_H
#define BINARYTRANSMISSIONCONTROLLER_H

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QString>

class BinaryInputBuffer;
class BinaryOutputBuffer;

// Sends image blocks as series of image datagrams and hands received image datagrams to the input
// buffer, which joins them into whole images.
class BinaryTransmissionController : public QObject
{
    Q_OBJECT
public:
    // Sweep interval of both buffers.
    static const int sweepIntervalMs = 1000;

    explicit BinaryTransmissionController(QObject *parent = nullptr);

    BinaryInputBuffer *inputBuffer() const { return m_inputBuffer; }
    BinaryOutputBuffer *outputBuffer() const { return m_outputBuffer; }
    // The block id the next image gets.
    quint32 nextBlockId() const { return m_nextBlockId; }

    // Would build the header of an acknowledgement of the received datagram. No acknowledgement format is
    // defined between the units: writes a debug line and answers an empty array.
    QByteArray formAckedHeader(const QByteArray &recievedDatagram);

public slots:
    // Cuts the image into datagrams under the next block id and emits them for the internal interface;
    // a TVR100 with a connected external display gets a second series with its external SFI. An image
    // larger than BinaryMessage::maxImageSize is refused with a debug line and uses no block id.
    void packBinaryMessageForSending(
        const QByteArray &imageBlock, const QString &informationAndStatus, int channel);
    void packBinaryMessageForSending(const QByteArray &imageBlock, const QString &informationAndStatus);
    void processRecievedBinaryDatagram(const QByteArray &datagram);
    // Answers a datagram whose sender asks for an acknowledgement; sends nothing while no format is defined.
    void sendAck(const QByteArray &recievedDatagram);

signals:
    void sendDatagrams(QByteArrayList datagrams, bool send_over_internal_interface);

private:
    BinaryInputBuffer *m_inputBuffer;
    BinaryOutputBuffer *m_outputBuffer;
    quint32 m_nextBlockId;
};

#endif // BINARYTRANSMISSIONCONTROLLER_H
