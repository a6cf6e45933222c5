#ifndef BINARYINPUTBUFFER_H
#define BINARYINPUTBUFFER_H

#include "comms/iec450/BinaryBufferClass.h"

#include <QPair>

// Received images: checks each image datagram, files it by block id, offers every image once when its
// datagrams are complete, and drops images that do not complete within five sweeps.
class BinaryInputBuffer : public BinaryBufferClass
{
    Q_OBJECT
public:
    // Images received at the same time; datagrams of further new images are dropped until one leaves.
    static const int maxOpenImages = 16;
    // Finished images remembered by source and block id, so that a late repeat of their datagrams is not
    // taken for a new image.
    static const int maxRememberedImages = 64;
    // Sweeps an incomplete image survives.
    static const int maxTimeoutTicks = 4;

    explicit BinaryInputBuffer(int sweep_interval_ms, QObject *parent = nullptr);

    // As the base, but appends a new empty image when none has that block id.
    BinaryMessage *findMessage(qint32 block_id) override;

    // Intake of one received datagram. A bad header, a sequence outside the image, or a first datagram
    // whose descriptor does not fit it is counted (82, or 80 for a declared size the image cannot have)
    // and dropped; a datagram of an unconnected source or of another type than image data is dropped
    // silently; datagrams are taken strictly in sequence order.
    void addDatagram(const QByteArray &datagram);

signals:
    // A datagram whose sender asks for an acknowledgement ("RrUdP"), whole.
    void emitBinaryAckSignal(QByteArray datagramHeader);
    // A complete image with its information text and its channel less one.
    void useBinaryMessage(QByteArray measurement, QString info, int channel);

private slots:
    void imageTimeout();

private:
    // Checks that only datagram 1 needs: its descriptor lies inside it and declares an image size the
    // image can have. Counts and logs a failure.
    bool isAcceptableFirstDatagram(const QByteArray &datagram, qint32 max_sequence);
    bool isRemembered(const QString &source_sfi, qint32 block_id) const;
    void remember(const QString &source_sfi, qint32 block_id);

    QList<QPair<QString, qint32>> m_finishedImages;
};

#endif // BINARYINPUTBUFFER_H
