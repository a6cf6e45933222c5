#include "sentences/NavigationSentences.h"

#include "nmea/NmeaMessageRegistry.h"

MsgGga::MsgGga(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("GGA"))
{
    initializeProperties(this);
}

MsgGll::MsgGll(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("GLL"))
{
    initializeProperties(this);
}

MsgVtg::MsgVtg(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("VTG"))
{
    initializeProperties(this);
}

MsgHdt::MsgHdt(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("HDT"))
{
    initializeProperties(this);
}

MsgThs::MsgThs(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("THS"))
{
    initializeProperties(this);
}

MsgVbw::MsgVbw(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("VBW"))
{
    initializeProperties(this);
}

MsgRot::MsgRot(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ROT"))
{
    initializeProperties(this);
}

MsgRmc::MsgRmc(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("RMC"))
{
    initializeProperties(this);
}

MsgZda::MsgZda(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("ZDA"))
{
    initializeProperties(this);
}

MsgVlw::MsgVlw(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("VLW"))
{
    initializeProperties(this);
}

namespace {

const bool s_navigationSentencesRegistered = registerStandardMessage<MsgGga>(QStringLiteral("GGA"))
    && registerStandardMessage<MsgGll>(QStringLiteral("GLL"))
    && registerStandardMessage<MsgVtg>(QStringLiteral("VTG"))
    && registerStandardMessage<MsgHdt>(QStringLiteral("HDT"))
    && registerStandardMessage<MsgThs>(QStringLiteral("THS"))
    && registerStandardMessage<MsgVbw>(QStringLiteral("VBW"))
    && registerStandardMessage<MsgRot>(QStringLiteral("ROT"))
    && registerStandardMessage<MsgRmc>(QStringLiteral("RMC"))
    && registerStandardMessage<MsgZda>(QStringLiteral("ZDA"))
    && registerStandardMessage<MsgVlw>(QStringLiteral("VLW"));

} // namespace
