// Throughput of the receiving path up to the handlers: for each received sentence the framing check,
// the message created through the registry, its fields parsed, the handler found in the container and
// the message handled, as the NMEA controller does it. Measured for
//   (a) the standard sentences of a recorded log through set J (speed-log junction box), also by
//       formatter, and set D (the other products),
//   (b) a mix of the proprietary sentences a display receives,
//   (c) the two interleaved, one proprietary sentence after every four standard ones, through set J.
// SCF and MACA (each writes a settings file) and SFICHANGE are not in the proprietary mix. Times are
// processor time.
//
// usage: bench_handlers [LOG]
//   LOG: a sentence log, gzip-compressed (".gz") or plain; by default the larger recorded log of the
//   shared data folder. Without the log, (a) and (c) use a short built-in list of standard sentences.

#include "BenchLog.h"
#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"

#include <QCoreApplication>
#include <QMap>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace {

struct Counts
{
    qint64 framingRefused = 0;
    qint64 withoutClass = 0;
    qint64 fieldsRefused = 0;
    qint64 withoutHandler = 0;
    qint64 handled = 0;
    qint64 rejected = 0;
};

QString sentence(const char *body)
{
    return QLatin1Char('$') + appendNmeaChecksum(QLatin1String(body));
}

QStringList builtInStandardSentences()
{
    return { sentence("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
        sentence("GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A,S"),
        sentence("GPVTG,084.4,T,081.3,M,022.4,N,041.5,K,A"), sentence("GPZDA,123519.00,23,03,1994,00,00"),
        sentence("GPGLL,4807.038,N,01131.000,E,123519.00,A,A"),
        sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"),
        sentence("GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45") };
}

// What a display receives from its junction box and from peers on the network, addressed to it or not.
QStringList proprietaryMix()
{
    return { sentence("PQRVSFIACK,GN1001,GN7777,PAIR,P"), sentence("PQRVPAIR,GN1001,GN1000,P"),
        sentence("PQRVDEVSTART,GN7777"), sentence("PQRVSFICHK,GN1002,GN1001,1"),
        sentence("PQRVSFITKN,GN1001,GN1000"), sentence("PQRVVMPCGTER,0"), sentence("PQRVVMPCGTER,1"),
        sentence("PQRVGCF,"), sentence("PQRVCFGR,1,156,MIRLOX,99999,A-1.2,,,,"),
        sentence("PQRVERRORCODE,75,3"), sentence("PQRVERRORTABLE,70,71,72,0,1,2"),
        sentence("PQRVSLP,GN7777,1"), sentence("PQRVICM,1,98,"), sentence("PQRVREBOOT,GN7777,C") };
}

// One received sentence, as the NMEA controller takes it.
void receive(NmeaHandlerContainer *container, const QString &received, Counts &counts)
{
    QString text = received;
    if (NmeaMessage::checkSentence(text) != NmeaNoError) {
        ++counts.framingRefused;
        return;
    }
    const int comma = text.indexOf(QLatin1Char(','));
    const QStringRef address = text.leftRef(comma < 0 ? text.length() - 3 : comma);
    const bool proprietary = address.startsWith(QLatin1String("PQRV"));
    const QString talker = proprietary ? QStringLiteral("PQRV") : address.left(2).toString();
    const QString formatter = proprietary ? address.mid(4).toString() : address.mid(2, 3).toString();
    const BenchLog::ReceivedMessage message = BenchLog::receivedMessage(talker, formatter);
    if (!message) {
        ++counts.withoutClass;
        return;
    }
    const QString fields = comma < 0 ? QString() : text.mid(comma + 1, text.length() - 3 - (comma + 1));
    if (message->deserializeParamaters(fields) != NmeaNoError) {
        ++counts.fieldsRefused;
        return;
    }
    message->setSourcePort(QStringLiteral("UDP"));
    NmeaHandler *handler = container->handler(talker, formatter);
    if (!handler) {
        ++counts.withoutHandler;
        return;
    }
    handler->handleReceivedMessage(message.get());
    if (handler->isLastMessageValid())
        ++counts.handled;
    else
        ++counts.rejected;
}

void run(const char *what, NmeaHandlerContainer *container, const QStringList &sentences, int repeat)
{
    Counts counts;
    BenchLog::CpuTimer timer;
    timer.start();
    for (int round = 0; round < repeat; ++round) {
        for (const QString &received : sentences)
            receive(container, received, counts);
    }
    const qint64 nanoseconds = timer.nsecsElapsed();
    const qint64 total = qint64(sentences.size()) * repeat;
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("%-44s %10.0f sentences/s %7.0f ns/sentence  (%lld sentences, %.3f s)\n", what,
        seconds > 0 ? double(total) / seconds : 0.0, total > 0 ? double(nanoseconds) / double(total) : 0.0,
        static_cast<long long>(total), seconds);
    std::printf("    handled %lld, rejected by handler %lld, no handler %lld, fields refused %lld, "
                "no class %lld, framing refused %lld\n",
        static_cast<long long>(counts.handled), static_cast<long long>(counts.rejected),
        static_cast<long long>(counts.withoutHandler), static_cast<long long>(counts.fieldsRefused),
        static_cast<long long>(counts.withoutClass), static_cast<long long>(counts.framingRefused));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = BenchLog::logPath(argc, argv);
    QByteArray text;
    QStringList standard;
    if (BenchLog::readLog(path, &text)) {
        standard = BenchLog::sentencesOf(text);
        std::printf(
            "log: %s (%d sentences), %s\n", qPrintable(path), standard.size(), BenchLog::receivedMessages());
    } else {
        standard = builtInStandardSentences();
        std::printf("log %s not readable: built-in standard sentences\n", qPrintable(path));
    }
    text.clear();

    qInstallMessageHandler(BenchLog::quietDebugOutput);
    // The settings tree and the display's own container first, as at start-up; then the two standard
    // sets in containers of their own.
    ESDataClass::instance();
    NmeaHandlerContainer *display = NmeaHandlerContainer::instance();
    std::unique_ptr<NmeaHandlerContainer> setJ;
    std::unique_ptr<NmeaHandlerContainer> setD;
    {
        BuildConfiguration::TestOverride junctionBox(
            QStringLiteral("JB"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"));
        setJ.reset(new NmeaHandlerContainer);
    }
    {
        BuildConfiguration::TestOverride otherProduct(
            QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("TVR200"));
        setD.reset(new NmeaHandlerContainer);
    }

    const int standardRepeat = qMax(1, 200000 / standard.size());
    const QStringList proprietary = proprietaryMix();
    QStringList mixed;
    for (int i = 0; i < standard.size(); ++i) {
        mixed << standard.at(i);
        if (i % 4 == 3)
            mixed << proprietary.at((i / 4) % proprietary.size());
    }

    run("(a) standard sentences, set J", setJ.get(), standard, standardRepeat);
    // Where the time of set J goes: each formatter of the log on its own.
    QMap<QString, QStringList> byFormatter;
    for (const QString &received : qAsConst(standard))
        byFormatter[received.mid(3, 3)] << received;
    for (auto it = byFormatter.cbegin(); it != byFormatter.cend(); ++it) {
        if (it.value().size() >= 1000)
            run(qPrintable("    " + it.key() + " only, set J"), setJ.get(), it.value(), 1);
    }
    run("(a) standard sentences, set D", setD.get(), standard, standardRepeat);
    run("(b) proprietary mix, display", display, proprietary, 200000 / proprietary.size());
    run("(c) interleaved 4:1, set J", setJ.get(), mixed, standardRepeat);
    return 0;
}
