#ifndef PARSEDSENTENCE_H
#define PARSEDSENTENCE_H

// Test helper: turns one complete received sentence into its parsed message the way the receiving path
// does (framing and checksum, talker and formatter split from the address, message made by the factory,
// fields parsed, source port and SFI set), for tests that hand messages to one handler directly.
// Header only.

#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"

#include <QString>

#include <memory>

namespace ParsedSentence {

// The message of a complete sentence ("$...*hh\r\n"), or null when framing, checksum, the key or the
// fields refuse it. result, when given, receives the framing code, -1 for an unknown key, or else the
// field-parsing code.
inline std::unique_ptr<NmeaMessage> parse(const QString &sentence,
    const QString &sourcePort = QStringLiteral("UDP"), const QString &sourceSfi = QString(),
    int *result = nullptr)
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

// A complete sentence from its text between "$" and "*": the checksum computed here.
inline QString complete(const QString &body)
{
    return QLatin1Char('$') + appendNmeaChecksum(body);
}

} // namespace ParsedSentence

#endif // PARSEDSENTENCE_H
