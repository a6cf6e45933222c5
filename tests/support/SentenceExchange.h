#ifndef SENTENCEEXCHANGE_H
#define SENTENCEEXCHANGE_H

// Test helper for sentence exchanges: takes a received sentence the way the receiving path does
// (framing and checksum, message by talker and formatter, field parsing, handler of the container) and
// records what the handlers ask to send, from the three send signals of the handler hub. Header only.

#include "common/Port.h"
#include "common/SignalEmitter.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"

#include <QList>
#include <QMetaType>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

#include <memory>

namespace SentenceExchange {

// What happened to a received sentence.
enum Outcome {
    Handled, // the handler took it and reported it valid
    Rejected, // the handler took it and reported it invalid
    NoHandler, // no handler for its type in the container
    NotParsed // framing, checksum, unknown type or field parsing refused it
};

inline void registerTypes()
{
    qRegisterMetaType<Port>("Port");
    qRegisterMetaType<QList<QString>>("QList<QString>");
}

// Passes one complete received sentence ("$...*hh\r\n") to the handler of its type in the container.
inline Outcome receive(
    NmeaHandlerContainer *container, const QString &sentence, const QString &sourcePort = "UDP")
{
    QString text = sentence;
    if (NmeaMessage::checkSentence(text) != NmeaNoError)
        return NotParsed;
    // After the check the text has lost "$" and the line end: address,fields*hh
    const int star = text.lastIndexOf(QLatin1Char('*'));
    const QString body = text.left(star);
    const int comma = body.indexOf(QLatin1Char(','));
    const QString address = comma < 0 ? body : body.left(comma);
    const QString fields = comma < 0 ? QString() : body.mid(comma + 1);
    const bool proprietary = address.startsWith(QLatin1String("PQRV"));
    const QString talker = proprietary ? QStringLiteral("PQRV") : address.left(2);
    const QString formatter = proprietary ? address.mid(4) : address.mid(2);
    std::unique_ptr<NmeaMessage> message(NmeaMessage::create(talker, formatter));
    if (!message || message->deserializeParamaters(fields) != NmeaNoError)
        return NotParsed;
    message->setSourcePort(sourcePort);
    NmeaHandler *handler = container->handler(talker, formatter);
    if (!handler)
        return NoHandler;
    handler->handleReceivedMessage(message.get());
    return handler->isLastMessageValid() ? Handled : Rejected;
}

// A complete sentence from its text between "$" and "*": the checksum computed here.
inline QString sentence(const QString &body)
{
    return QLatin1Char('$') + appendNmeaChecksum(body);
}

// Records every send request of the handler hub. Each request becomes one entry per sentence:
// "<port>:<sentence without CR LF>"; a request by type (built by the NMEA controller) becomes
// "<port>:build <talker><type>". Groups keep their order; groupSizes() tells how they were grouped.
class Recorder
{
public:
    Recorder()
        : m_byType(nmeaHandlerSignalEmitter(), &SignalEmitter::signalNmeaMessageTypeAndPortAndId)
        , m_single(nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort)
        , m_list(nmeaHandlerSignalEmitter(),
              &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI)
    {
    }

    // Every request so far, in the order of the spies (by type, single sentences, groups); within one
    // kind in the order emitted. Tests that mix kinds compare the kinds separately.
    QStringList singles() const
    {
        QStringList out;
        for (const QList<QVariant> &call : m_single)
            out << entry(call.at(2), call.at(1).toString());
        return out;
    }
    QStringList groups() const
    {
        QStringList out;
        for (const QList<QVariant> &call : m_list) {
            for (const QString &s : call.at(1).value<QList<QString>>())
                out << entry(call.at(2), s);
        }
        return out;
    }
    QList<int> groupSizes() const
    {
        QList<int> sizes;
        for (const QList<QVariant> &call : m_list)
            sizes << call.at(1).value<QList<QString>>().size();
        return sizes;
    }
    QStringList groupTypes() const
    {
        QStringList types;
        for (const QList<QVariant> &call : m_list)
            types << call.at(0).toString();
        return types;
    }
    QStringList byType() const
    {
        QStringList out;
        for (const QList<QVariant> &call : m_byType)
            out << QString::number(call.at(1).value<Port>()) + QStringLiteral(":build ")
                    + call.at(2).toString() + call.at(0).toString();
        return out;
    }
    int singleCount() const { return m_single.count(); }
    int groupCount() const { return m_list.count(); }
    int byTypeCount() const { return m_byType.count(); }
    int total() const { return m_byType.count() + m_single.count() + m_list.count(); }
    void clear()
    {
        m_byType.clear();
        m_single.clear();
        m_list.clear();
    }

private:
    static QString entry(const QVariant &port, QString sentence)
    {
        if (sentence.endsWith(QLatin1String("\r\n")))
            sentence.chop(2);
        return QString::number(port.value<Port>()) + QLatin1Char(':') + sentence;
    }

    QSignalSpy m_byType;
    QSignalSpy m_single;
    QSignalSpy m_list;
};

} // namespace SentenceExchange

#endif // SENTENCEEXCHANGE_H
