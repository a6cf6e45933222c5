#ifndef NMEAMESSAGEREGISTRY_H
#define NMEAMESSAGEREGISTRY_H

#include <QHash>
#include <QString>

class NmeaMessage;

// Sentence messages are created by name. Each sentence class registers a creator under its key from a
// static initializer of its own source file, before main runs: standard classes under their formatter
// ("GGA"), proprietary classes under the sub-sentence name that follows "PQRV" ("PAIR"). The registries
// are created on first use, so the order of the static initializers does not matter, and never freed.
// NmeaMessage::create picks the registry by the talker.

// Takes the talker and returns a new message without parent; the caller owns it.
using NmeaMessageCreator = NmeaMessage *(*)(const QString &talker);
using NmeaMessageRegistry = QHash<QString, NmeaMessageCreator>;

NmeaMessageRegistry *standardMessageRegistry();
NmeaMessageRegistry *proprietaryMessageRegistry();

// The creator of one sentence class: a standard class keeps the talker, a proprietary class ignores it.
template <typename T> NmeaMessage *createNmeaMessage(const QString &talker)
{
    return new T(talker);
}

// For the static initializers of the sentence sources, for example
//     static const bool registered = registerStandardMessage<MsgGga>(QStringLiteral("GGA"));
// A key registered again replaces the earlier creator. Always returns true.
template <typename T> bool registerStandardMessage(const QString &formatter)
{
    standardMessageRegistry()->insert(formatter, &createNmeaMessage<T>);
    return true;
}

template <typename T> bool registerProprietaryMessage(const QString &name)
{
    proprietaryMessageRegistry()->insert(name, &createNmeaMessage<T>);
    return true;
}

#endif // NMEAMESSAGEREGISTRY_H
