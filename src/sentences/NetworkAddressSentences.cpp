#include "sentences/NetworkAddressSentences.h"

#include "nmea/NmeaMessageRegistry.h"

MsgSrp::MsgSrp(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("SRP"))
{
    initializeProperties(this);
}

namespace {

const bool s_networkAddressSentencesRegistered = registerStandardMessage<MsgSrp>(QStringLiteral("SRP"));

} // namespace
