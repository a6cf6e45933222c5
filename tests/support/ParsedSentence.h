#ifndef PARSEDSENTENCE_H
#define PARSEDSENTENCE_H

// Test helper: turns one complete received sentence into its parsed message the way the receiving path
// does (framing and checksum, talker and formatter split from the address, message made by the factory,
// fields parsed, source port and SFI set), for tests that hand messages to one handler directly.

#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"

#include <QString>

#include <memory>

namespace ParsedSentence {

// The message of a complete sentence ("$...*hh\r\n"), or null when framing, checksum, the key or the
// fields refuse it. result, when given, receives the framing code, -1 for an unknown key, or else the
// field-parsing code.
std::unique_ptr<NmeaMessage> parse(const QString &sentence, const QString &sourcePort = QStringLiteral("UDP"),
    const QString &sourceSfi = QString(), int *result = nullptr);

// A complete sentence from its text between "$" and "*": the checksum computed here.
QString complete(const QString &body);

} // namespace ParsedSentence

#endif // PARSEDSENTENCE_H
