#ifndef BINARYOUTPUTBUFFER_H
#define BINARYOUTPUTBUFFER_H

#include "comms/iec450/BinaryBufferClass.h"

#include <QByteArrayList>

// Sent images kept until every datagram is acknowledged. The sweep drops the fully acknowledged ones and
// ages the rest. Nothing in the unit stores sent images here yet: no peer acknowledges image datagrams.
class BinaryOutputBuffer : public BinaryBufferClass
{
    Q_OBJECT
public:
    explicit BinaryOutputBuffer(int sweep_interval_ms, QObject *parent = nullptr);

    // Keeps a copy; true.
    bool addMessage(const BinaryMessage &message);

signals:
    // Declared for resending unacknowledged datagrams; nothing emits it.
    void resendSegments(QByteArrayList datagrams);

private slots:
    void imageTimedOut();
};

#endif // BINARYOUTPUTBUFFER_H
