#include "SentenceExchange.h"

#include "ParsedSentence.h"

#include "common/Port.h"
#include "common/SignalEmitter.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"

#include <QList>
#include <QMetaType>

namespace SentenceExchange {

void registerTypes()
{
    qRegisterMetaType<Port>("Port");
    qRegisterMetaType<QList<QString>>("QList<QString>");
}

Outcome receive(NmeaHandlerContainer *container, const QString &sentence, const QString &sourcePort)
{
    const std::unique_ptr<NmeaMessage> message = ParsedSentence::parse(sentence, sourcePort);
    if (!message)
        return NotParsed;
    NmeaHandler *handler = container->handler(message->talker(), message->formatter());
    if (!handler)
        return NoHandler;
    handler->handleReceivedMessage(message.get());
    return handler->isLastMessageValid() ? Handled : Rejected;
}

QString sentence(const QString &body)
{
    return ParsedSentence::complete(body);
}

Recorder::Recorder()
    : m_byType(nmeaHandlerSignalEmitter(), &SignalEmitter::signalNmeaMessageTypeAndPortAndId)
    , m_single(nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort)
    , m_list(nmeaHandlerSignalEmitter(),
          &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI)
{
}

QStringList Recorder::singles() const
{
    QStringList out;
    for (const QList<QVariant> &call : m_single)
        out << entry(call.at(2), call.at(1).toString());
    return out;
}

QStringList Recorder::groups() const
{
    QStringList out;
    for (const QList<QVariant> &call : m_list) {
        for (const QString &s : call.at(1).value<QList<QString>>())
            out << entry(call.at(2), s);
    }
    return out;
}

QList<int> Recorder::groupSizes() const
{
    QList<int> sizes;
    for (const QList<QVariant> &call : m_list)
        sizes << call.at(1).value<QList<QString>>().size();
    return sizes;
}

QStringList Recorder::groupTypes() const
{
    QStringList types;
    for (const QList<QVariant> &call : m_list)
        types << call.at(0).toString();
    return types;
}

QStringList Recorder::byType() const
{
    QStringList out;
    for (const QList<QVariant> &call : m_byType)
        out << QString::number(call.at(1).value<Port>()) + QStringLiteral(":build ") + call.at(2).toString()
                + call.at(0).toString();
    return out;
}

void Recorder::clear()
{
    m_byType.clear();
    m_single.clear();
    m_list.clear();
}

QString Recorder::entry(const QVariant &port, QString sentence)
{
    if (sentence.endsWith(QLatin1String("\r\n")))
        sentence.chop(2);
    return QString::number(port.value<Port>()) + QLatin1Char(':') + sentence;
}

} // namespace SentenceExchange
