#include "sentences/AlertSentences.h"

#include "nmea/NmeaMessageRegistry.h"

MsgAck::MsgAck(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ACK"))
{
    initializeProperties(this);
}

MsgAcn::MsgAcn(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ACN"))
{
    initializeProperties(this);
}

MsgAlc::MsgAlc(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ALC"))
{
    initializeProperties(this);
}

MsgAlf::MsgAlf(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ALF"))
{
    initializeProperties(this);
}

MsgAlr::MsgAlr(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ALR"))
{
    initializeProperties(this);
}

MsgArc::MsgArc(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ARC"))
{
    initializeProperties(this);
}

MsgHbt::MsgHbt(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("HBT"))
{
    initializeProperties(this);
}

namespace {

const bool s_alertSentencesRegistered = registerStandardMessage<MsgAck>(QStringLiteral("ACK"))
    && registerStandardMessage<MsgAcn>(QStringLiteral("ACN"))
    && registerStandardMessage<MsgAlc>(QStringLiteral("ALC"))
    && registerStandardMessage<MsgAlf>(QStringLiteral("ALF"))
    && registerStandardMessage<MsgAlr>(QStringLiteral("ALR"))
    && registerStandardMessage<MsgArc>(QStringLiteral("ARC"))
    && registerStandardMessage<MsgHbt>(QStringLiteral("HBT"));

} // namespace
