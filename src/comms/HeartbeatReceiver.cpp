#include "comms/HeartbeatReceiver.h"

#include "common/LogLineLimiter.h"
#include "common/SaturatingCount.h"

#include <QDebug>

namespace {

const int talkerLength = 2;
const int heartbeatSfiLength = 6;

} // namespace

HeartbeatReceiver *HeartbeatReceiver::instance()
{
    static HeartbeatReceiver *const receiver = new HeartbeatReceiver;
    return receiver;
}

HeartbeatReceiver::HeartbeatReceiver(QObject *parent)
    : QObject(parent)
{
}

int HeartbeatReceiver::invalidHeartbeatCount() const
{
    return m_invalidHeartbeatCount;
}

void HeartbeatReceiver::heartbeatReceived(QString source_talker, QString source_sfi)
{
    if (source_talker.size() != talkerLength
        || (!source_sfi.isEmpty() && source_sfi.size() != heartbeatSfiLength)) {
        countOne(m_invalidHeartbeatCount);
        // Only the lengths are logged: the texts come from outside and may be of any size.
        if (admitLogLine("Heartbeat refused"))
            qDebug() << "Heartbeat refused: talker of" << source_talker.size() << "characters, SFI of"
                     << source_sfi.size() << "characters";
        return;
    }
    emit signalHeartbeatReceived(source_talker, source_sfi);
}

namespace {

// The receiver exists before main, so the receiving controller can call it from its first sentence on.
const bool s_receiverCreated = HeartbeatReceiver::instance() != nullptr;

} // namespace
