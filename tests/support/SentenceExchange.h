#ifndef SENTENCEEXCHANGE_H
#define SENTENCEEXCHANGE_H

// Test helper for sentence exchanges: takes a received sentence the way the receiving path does
// (framing and checksum, message by talker and formatter, field parsing, handler of the container) and
// records what the handlers ask to send, from the three send signals of the handler hub. The sentence
// layer's headers come with it, as the tests that use it work with messages, handlers and ports.

#include "common/Port.h"
#include "common/SignalEmitter.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"

#include <QSignalSpy>
#include <QString>
#include <QStringList>

namespace SentenceExchange {

// What happened to a received sentence.
enum Outcome {
    Handled, // the handler took it and reported it valid
    Rejected, // the handler took it and reported it invalid
    NoHandler, // no handler for its type in the container
    NotParsed // framing, checksum, unknown type or field parsing refused it
};

void registerTypes();

// Passes one complete received sentence ("$...*hh\r\n") to the handler of its type in the container.
Outcome receive(NmeaHandlerContainer *container, const QString &sentence, const QString &sourcePort = "UDP");

// A complete sentence from its text between "$" and "*": the checksum computed here.
QString sentence(const QString &body);

// Records every send request of the handler hub. Each request becomes one entry per sentence:
// "<port>:<sentence without CR LF>"; a request by type (built by the NMEA controller) becomes
// "<port>:build <talker><type>". Groups keep their order; groupSizes() tells how they were grouped.
class Recorder
{
public:
    Recorder();

    // Every request so far, in the order of the spies (by type, single sentences, groups); within one
    // kind in the order emitted. Tests that mix kinds compare the kinds separately.
    QStringList singles() const;
    QStringList groups() const;
    QList<int> groupSizes() const;
    QStringList groupTypes() const;
    QStringList byType() const;
    int singleCount() const { return m_single.count(); }
    int groupCount() const { return m_list.count(); }
    int byTypeCount() const { return m_byType.count(); }
    int total() const { return m_byType.count() + m_single.count() + m_list.count(); }
    void clear();

private:
    static QString entry(const QVariant &port, QString sentence);

    QSignalSpy m_byType;
    QSignalSpy m_single;
    QSignalSpy m_list;
};

} // namespace SentenceExchange

#endif // SENTENCEEXCHANGE_H
