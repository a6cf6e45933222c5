// Throughput of the sentence framework on a recorded log: (a) the framing check, the creation of the
// message through the registry (the catalogue's classes) and the parsing of its fields, and (b) writing the
// parsed messages back as sentences from their fields (toSentence).
//
// usage: bench_sentences [LOG]
//   LOG: a sentence log, gzip-compressed (".gz") or plain; by default the larger recorded log of the
//   shared data folder. Tag blocks "\...\" in front of a sentence are removed and CR LF is added, as the
//   receiving path sees the sentences.

#include "BenchLog.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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
    std::printf("log: %s\n", qPrintable(path));

    qInstallMessageHandler(BenchLog::quietDebugOutput);
    qint64 framingRefused = 0;
    qint64 withoutClass = 0;
    qint64 parseRefused = 0;
    qint64 parsed = 0;
    qint64 receiveNanoseconds = 0;
    qint64 written = 0;
    qint64 writeNanoseconds = 0;
    qint64 writtenCharacters = 0;

    std::vector<std::unique_ptr<NmeaMessage>> batch;
    batch.reserve(batchSize);
    QElapsedTimer timer;
    for (int start = 0; start < sentences.size(); start += batchSize) {
        const int end = qMin(start + batchSize, sentences.size());
        batch.clear();

        // (a) As the receiving path does it: check, split the address, create, parse.
        timer.start();
        for (int i = start; i < end; ++i) {
            QString sentence = sentences.at(i);
            if (NmeaMessage::checkSentence(sentence) != NmeaNoError) {
                ++framingRefused;
                continue;
            }
            const int comma = sentence.indexOf(QLatin1Char(','));
            const QStringRef address = sentence.leftRef(comma);
            const bool proprietary = address.startsWith(QLatin1String("PQRV"));
            const int talkerLength = proprietary ? 4 : 2;
            std::unique_ptr<NmeaMessage> message(NmeaMessage::create(address.left(talkerLength).toString(),
                address.mid(talkerLength, proprietary ? -1 : 3).toString()));
            if (!message) {
                ++withoutClass;
                continue;
            }
            if (message->deserializeParamaters(sentence.mid(comma + 1, sentence.length() - 3 - (comma + 1)))
                != NmeaNoError) {
                ++parseRefused;
                continue;
            }
            ++parsed;
            batch.push_back(std::move(message));
        }
        receiveNanoseconds += timer.nsecsElapsed();

        // Not measured: forget the received text, so that the fields themselves are written.
        for (const auto &message : batch)
            message->setParameters(QString());

        // (b) Writing back.
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
    report("(a) framing check + message creation + field parsing", sentences.size(), receiveNanoseconds);
    report("(b) writing back from the fields (toSentence)", written, writeNanoseconds);
    std::printf("written: %lld characters\n", static_cast<long long>(writtenCharacters));
    return 0;
}
