// Throughput of the sentence framework on a recorded log: (a) as the receiving path takes a sentence, the
// framing check, the message made for its class (from the message pool where the tree has one, else built
// through the registry), the parsing of its fields, and the message given back (or deleted) at once; and
// (b) writing parsed messages back as sentences from their fields (toSentence). Times are processor time.
//
// usage: bench_sentences [LOG]
//   LOG: a sentence log, gzip-compressed (".gz") or plain; by default the larger recorded log of the
//   shared data folder. Tag blocks "\...\" in front of a sentence are removed and CR LF is added, as the
//   receiving path sees the sentences.

#include "BenchLog.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Messages are kept for the writing pass in batches of this many, so that memory stays bounded.
const int batchSize = 10000;

void report(const char *what, qint64 count, qint64 nanoseconds)
{
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("%-52s %10.0f sentences/s %8.0f ns/sentence  (%lld sentences, %.3f s)\n", what,
        seconds > 0 ? double(count) / seconds : 0.0, count > 0 ? double(nanoseconds) / double(count) : 0.0,
        static_cast<long long>(count), seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = BenchLog::logPath(argc, argv);
    QByteArray text;
    if (!BenchLog::readLog(path, &text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QStringList sentences = BenchLog::sentencesOf(text);
    text.clear();
    std::printf("log: %s, %s\n", qPrintable(path), BenchLog::receivedMessages());

    qInstallMessageHandler(BenchLog::quietDebugOutput);
    qint64 framingRefused = 0;
    qint64 withoutClass = 0;
    qint64 parseRefused = 0;
    qint64 parsed = 0;
    qint64 receiveNanoseconds = 0;
    qint64 written = 0;
    qint64 writeNanoseconds = 0;
    qint64 writtenCharacters = 0;

    // The address and field text of a checked sentence, as the receiving path splits them.
    struct Split
    {
        QString talker;
        QString formatter;
        QString fields;
    };
    const auto split = [](const QString &checked) {
        const int comma = checked.indexOf(QLatin1Char(','));
        const QStringRef address = checked.leftRef(comma);
        const bool proprietary = address.startsWith(QLatin1String("PQRV"));
        const int talkerLength = proprietary ? 4 : 2;
        return Split { address.left(talkerLength).toString(),
            address.mid(talkerLength, proprietary ? -1 : 3).toString(),
            checked.mid(comma + 1, checked.length() - 3 - (comma + 1)) };
    };

    // A first pass so that every class has been built once before anything is timed.
    for (const QString &received : sentences) {
        QString sentence = received;
        if (NmeaMessage::checkSentence(sentence) == NmeaNoError) {
            const Split parts = split(sentence);
            if (BenchLog::ReceivedMessage message = BenchLog::receivedMessage(parts.talker, parts.formatter))
                message->deserializeParamaters(parts.fields);
        }
    }

    // (a) As received: check, split the address, message, parse, message given back at once.
    BenchLog::CpuTimer timer;
    timer.start();
    for (const QString &received : sentences) {
        QString sentence = received;
        if (NmeaMessage::checkSentence(sentence) != NmeaNoError) {
            ++framingRefused;
            continue;
        }
        const Split parts = split(sentence);
        const BenchLog::ReceivedMessage message = BenchLog::receivedMessage(parts.talker, parts.formatter);
        if (!message) {
            ++withoutClass;
            continue;
        }
        if (message->deserializeParamaters(parts.fields) != NmeaNoError) {
            ++parseRefused;
            continue;
        }
        ++parsed;
    }
    receiveNanoseconds = timer.nsecsElapsed();

    // (b) Writing back, from messages kept in batches so that memory stays bounded.
    std::vector<std::unique_ptr<NmeaMessage>> batch;
    batch.reserve(batchSize);
    for (int start = 0; start < sentences.size(); start += batchSize) {
        const int end = qMin(start + batchSize, sentences.size());
        batch.clear();
        for (int i = start; i < end; ++i) {
            QString sentence = sentences.at(i);
            if (NmeaMessage::checkSentence(sentence) != NmeaNoError)
                continue;
            const Split parts = split(sentence);
            std::unique_ptr<NmeaMessage> message(NmeaMessage::create(parts.talker, parts.formatter));
            if (message && message->deserializeParamaters(parts.fields) == NmeaNoError) {
                // Forget the received text, so that the fields themselves are written.
                message->setParameters(QString());
                batch.push_back(std::move(message));
            }
        }
        timer.start();
        for (const auto &message : batch) {
            const QString sentence = message->toSentence();
            writtenCharacters += sentence.size();
            ++written;
        }
        writeNanoseconds += timer.nsecsElapsed();
    }
    batch.clear();

    std::printf(
        "sentences: %d (framing refused %lld, without class %lld, fields refused %lld, parsed %lld)\n",
        sentences.size(), static_cast<long long>(framingRefused), static_cast<long long>(withoutClass),
        static_cast<long long>(parseRefused), static_cast<long long>(parsed));
    report("(a) check + message + parse + give back, as received", sentences.size(), receiveNanoseconds);
    report("(b) writing back from the fields (toSentence)", written, writeNanoseconds);
    std::printf("written: %lld characters\n", static_cast<long long>(writtenCharacters));
    return 0;
}
