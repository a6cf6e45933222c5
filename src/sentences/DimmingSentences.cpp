#include "sentences/DimmingSentences.h"

#include "nmea/NmeaMessageRegistry.h"

MsgDdc::MsgDdc(const QString &talker)
    : NmeaMessage(talker, QStringLiteral("DDC"))
{
    initializeProperties(this);
}

namespace {

const bool s_dimmingSentencesRegistered = registerStandardMessage<MsgDdc>(QStringLiteral("DDC"));

} // namespace
