#include "comms/iec450/BinaryOutputBuffer.h"

#include <QTimer>

BinaryOutputBuffer::BinaryOutputBuffer(int sweep_interval_ms, QObject *parent)
    : BinaryBufferClass(sweep_interval_ms, parent)
{
    connect(m_sweepTimer, &QTimer::timeout, this, &BinaryOutputBuffer::imageTimedOut);
}

bool BinaryOutputBuffer::addMessage(const BinaryMessage &message)
{
    m_messages.append(message);
    return true;
}

void BinaryOutputBuffer::imageTimedOut()
{
    for (int i = 0; i < m_messages.size();) {
        if (m_messages.at(i).isFullyAcknowledged()) {
            m_messages.removeAt(i);
            continue;
        }
        m_messages[i].incrementTimeoutTicks();
        ++i;
    }
}
