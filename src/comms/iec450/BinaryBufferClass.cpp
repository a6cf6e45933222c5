#include "comms/iec450/BinaryBufferClass.h"

#include <QTimer>

BinaryBufferClass::BinaryBufferClass(int sweep_interval_ms, QObject *parent)
    : QObject(parent)
    , m_sweepTimer(new QTimer(this))
{
    m_sweepTimer->setInterval(sweep_interval_ms);
    m_sweepTimer->start();
}

int BinaryBufferClass::sweepInterval() const
{
    return m_sweepTimer->interval();
}

void BinaryBufferClass::setSweepInterval(int sweep_interval_ms)
{
    m_sweepTimer->setInterval(sweep_interval_ms);
}

BinaryMessage *BinaryBufferClass::findMessage(qint32 block_id)
{
    for (BinaryMessage &message : m_messages) {
        if (message.key() == block_id)
            return &message;
    }
    return nullptr;
}

bool BinaryBufferClass::removeMessage(qint32 block_id)
{
    for (int i = 0; i < m_messages.size(); ++i) {
        if (m_messages.at(i).key() == block_id) {
            m_messages.removeAt(i);
            break;
        }
    }
    return true;
}

bool BinaryBufferClass::contains(qint32 block_id) const
{
    for (const BinaryMessage &message : m_messages) {
        if (message.key() == block_id)
            return true;
    }
    return false;
}

QByteArray BinaryBufferClass::datagramAt(qint32 block_id, int index) const
{
    for (const BinaryMessage &message : m_messages) {
        if (message.key() == block_id)
            return message.datagrams().value(index);
    }
    return QByteArray();
}
