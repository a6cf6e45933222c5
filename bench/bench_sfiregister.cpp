// Cost of one received SFICHANGE as the register of SFIs on the network fills up: each sentence is made
// into its message, parsed and handled as the receiving path does, and the time per sentence is taken in
// windows along a flood of distinct texts, with the resident memory after each window. Floods:
//   (a) distinct SFIs, each announced as the new SFI of a device the register does not know,
//   (b) distinct texts of 50 characters that are no SFIs,
//   (c) one device renaming itself again and again (old SFI = the previous new one).
// A flat time per sentence and a flat memory figure along each flood are what the register promises.
//
// usage: bench_sfiregister [SENTENCES]
//   SENTENCES: length of each flood, 1 500 000 by default.

#include "BenchLog.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/ESDataClass.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

// The SFI of number n: two letters from n / 10000, four digits from the rest.
QString sfiNumber(qint64 n)
{
    const int letters = int((n / 10000) % (26 * 26));
    return QString(QLatin1Char(char('A' + letters / 26))) + QLatin1Char(char('A' + letters % 26))
        + QStringLiteral("%1").arg(n % 10000, 4, 10, QLatin1Char('0'));
}

// The SFIs of (a) repeat after 6 760 000; the texts of (b) never do.
QString longText(qint64 n)
{
    return QStringLiteral("%1").arg(n, 50, 10, QLatin1Char('S'));
}

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? double(fields.at(1).toLongLong()) * double(sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0.0;
}

void flood(
    const char *what, NmeaHandler *handler, qint64 count, const std::function<QString(qint64)> &fieldsOf)
{
    const qint64 window = 20000;
    std::printf("%s\n", what);
    std::printf("    %10s %12s %12s %10s\n", "after", "ns/sentence", "SFIs held", "RSS MB");
    QElapsedTimer timer;
    for (qint64 done = 0; done < count;) {
        const qint64 end = qMin(count, done + window);
        // The sentences' texts are made before the clock runs.
        QStringList texts;
        texts.reserve(int(end - done));
        for (qint64 n = done; n < end; ++n)
            texts << fieldsOf(n);
        timer.start();
        for (const QString &fields : qAsConst(texts)) {
            std::unique_ptr<NmeaMessage> message(
                NmeaMessage::create(QStringLiteral("PQRV"), QStringLiteral("SFICHANGE")));
            if (message->deserializeParamaters(fields) == NmeaNoError)
                handler->handleReceivedMessage(message.get());
        }
        const double perSentence = double(timer.nsecsElapsed()) / double(end - done);
        const qint64 previous = done;
        done = end;
        // The first window, each power of ten passed, and the last window.
        bool report = previous == 0 || done == count;
        for (qint64 power = 10; power <= done && !report; power *= 10)
            report = previous < power;
        if (report)
            std::printf("    %10lld %12.0f %12d %10.1f\n", static_cast<long long>(done), perSentence,
                int(ListOfSfisOnNetwork::instance()->sfisOnNetwork()->size()), residentMegabytes());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 count = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1500000;
    qInstallMessageHandler(BenchLog::quietDebugOutput);

    ESDataClass::instance();
    NmeaHandler *handler
        = NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("SFICHANGE"));
    ListOfSfisOnNetwork::instance()->connectSfi(QStringLiteral("ZQ0001"));
    std::printf("register cap %d SFIs, resident memory at start %.1f MB\n",
        ListOfSfisOnNetwork::maxSfisOnNetwork, residentMegabytes());

    flood("(a) distinct SFIs", handler, count,
        [](qint64 n) { return sfiNumber(n) + QStringLiteral(",ZZ9999"); });
    flood("(b) distinct texts of 50 characters", handler, count,
        [](qint64 n) { return longText(n) + QStringLiteral(",ZZ9999"); });
    flood("(c) one device renaming itself", handler, count,
        [](qint64 n) { return sfiNumber(n + 3000001) + QLatin1Char(',') + sfiNumber(n + 3000000); });
    std::printf("partner still connected: %s\n",
        qPrintable(ListOfSfisOnNetwork::instance()->connectedSfis().join(QLatin1Char(' '))));
    return 0;
}
