#include "ParsedSentence.h"

#include "nmea/NmeaChecksum.h"

namespace ParsedSentence {

std::unique_ptr<NmeaMessage> parse(
    const QString &sentence, const QString &sourcePort, const QString &sourceSfi, int *result)
{
    QString text = sentence;
    int code = NmeaMessage::checkSentence(text);
    std::unique_ptr<NmeaMessage> message;
    if (code == NmeaNoError) {
        // After the check the text has lost "$" and the line end: address,fields*hh
        const QString body = text.left(text.lastIndexOf(QLatin1Char('*')));
        const int comma = body.indexOf(QLatin1Char(','));
        const QString address = comma < 0 ? body : body.left(comma);
        const bool proprietary = address.startsWith(QLatin1String("PQRV"));
        message.reset(NmeaMessage::create(proprietary ? QStringLiteral("PQRV") : address.left(2),
            proprietary ? address.mid(4) : address.mid(2)));
        if (message) {
            code = message->deserializeParamaters(comma < 0 ? QString() : body.mid(comma + 1));
            message->setSourcePort(sourcePort);
            message->setSourceSfi(sourceSfi);
        } else {
            code = -1; // no class registered under the key
        }
    }
    if (result)
        *result = code;
    if (code != NmeaNoError)
        message.reset();
    return message;
}

QString complete(const QString &body)
{
    return QLatin1Char('$') + appendNmeaChecksum(body);
}

} // namespace ParsedSentence
