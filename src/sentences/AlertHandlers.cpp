#include "sentences/AlertHandlers.h"

#include "common/Port.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/AlertSentences.h"

HandlerAck::HandlerAck(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ACK"), false, parent)
{
    setForwarding(true);
}

HandlerAcn::HandlerAcn(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ACN"), false, parent)
{
    setForwarding(true);
}

HandlerAlc::HandlerAlc(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ALC"), false, parent)
{
    setForwarding(true);
}

HandlerAlf::HandlerAlf(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ALF"), false, parent)
{
    setForwarding(true);
}

HandlerAlr::HandlerAlr(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ALR"), false, parent)
{
    setForwarding(true);
}

HandlerArc::HandlerArc(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("ARC"), false, parent)
{
    setForwarding(true);
}

HandlerHbt::HandlerHbt(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("HBT"), true, parent)
{
    setSendInterval(30);
    addExtraPort(UDP);
}

void HandlerHbt::fillOutgoingMessage(NmeaMessage *message)
{
    auto *hbt = qobject_cast<MsgHbt *>(message);
    if (!hbt)
        return;
    hbt->RepeatInterval()->setValue(sendInterval());
    hbt->Status()->setValue(QStringLiteral("A"));
    hbt->SentenceIdentifier()->setValue(m_sequenceCounter);
    m_sequenceCounter = m_sequenceCounter >= 9 ? 0 : m_sequenceCounter + 1;
}
