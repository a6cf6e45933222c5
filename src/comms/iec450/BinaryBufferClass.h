#ifndef BINARYBUFFERCLASS_H
#define BINARYBUFFERCLASS_H

#include "comms/iec450/BinaryMessage.h"

#include <QList>
#include <QObject>

class QTimer;

// The images in progress of one direction, found by block id, and the sweep timer that ages them.
class BinaryBufferClass : public QObject
{
    Q_OBJECT
public:
    explicit BinaryBufferClass(int sweep_interval_ms, QObject *parent = nullptr);

    // The sweep period; the owner's choice at construction (1000 ms in the system), tests shorten it.
    int sweepInterval() const;
    void setSweepInterval(int sweep_interval_ms);

    // The first image with that block id, or none. Valid until the buffer's list changes.
    virtual BinaryMessage *findMessage(qint32 block_id);
    // Removes the first image with that block id; true, also when there was none.
    bool removeMessage(qint32 block_id);
    bool contains(qint32 block_id) const;
    // The datagram at that index of that image; empty when either does not exist.
    QByteArray datagramAt(qint32 block_id, int index) const;
    int messageCount() const { return m_messages.size(); }

protected:
    QList<BinaryMessage> m_messages;
    QTimer *m_sweepTimer;
};

#endif // BINARYBUFFERCLASS_H
