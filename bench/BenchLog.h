#ifndef BENCHLOG_H
#define BENCHLOG_H

// The recorded sentence logs as the benchmarks read them, and what the benchmarks share besides.

#include "nmea/NmeaMessage.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <ctime>
#include <memory>

// The benchmarks also build against a tree without the message pool, for figures side by side with it.
#if __has_include("nmea/NmeaMessagePool.h")
#include "nmea/NmeaMessagePool.h"
#define BENCH_MESSAGE_POOL 1
#endif

namespace BenchLog {

// Measures the processor time of this process, not the time on the clock: figures taken on a processor
// that other work shares stay comparable. The interface of QElapsedTimer.
class CpuTimer
{
public:
    void start() { m_start = now(); }
    qint64 nsecsElapsed() const { return now() - m_start; }

private:
    static qint64 now()
    {
        timespec time {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
    }
    qint64 m_start = 0;
};

// The message of one received sentence, made as the receiving path makes it: from the pool where there
// is one, else built; given back (or deleted) when it goes out of scope.
#ifdef BENCH_MESSAGE_POOL
using ReceivedMessage = NmeaMessagePool::Handle;
inline ReceivedMessage receivedMessage(const QString &talker, const QString &formatter)
{
    return ReceivedMessage(NmeaMessagePool::instance()->take(talker, formatter));
}
// BENCH_POOL=off in the environment switches the pool off: messages are then built and deleted, which
// shows what the pool adds to the cached field descriptions.
inline const char *receivedMessages()
{
    if (qgetenv("BENCH_POOL") == "off") {
        NmeaMessagePool::instance()->setEnabled(false);
        return "received messages built and deleted (pool switched off)";
    }
    return "received messages from the pool";
}
#else
using ReceivedMessage = std::unique_ptr<NmeaMessage>;
inline ReceivedMessage receivedMessage(const QString &talker, const QString &formatter)
{
    return ReceivedMessage(NmeaMessage::create(talker, formatter));
}
inline const char *receivedMessages()
{
    return "received messages built and deleted";
}
#endif

// The log named on the command line, else the larger recorded log of the shared data folder.
inline QString logPath(int argc, char *argv[])
{
    return argc > 1 ? QString::fromLocal8Bit(argv[1])
                    : QStringLiteral(TESSARY_SHARED_DATA_DIR "/nmea-logs/nmea-20180120.log.gz");
}

// The whole text of a log, decompressed through gzip when its name ends in ".gz".
inline bool readLog(const QString &path, QByteArray *text)
{
    if (path.endsWith(QLatin1String(".gz"))) {
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"), { QStringLiteral("-dc"), path });
        if (!gzip.waitForFinished(300000) || gzip.exitStatus() != QProcess::NormalExit
            || gzip.exitCode() != 0)
            return false;
        *text = gzip.readAllStandardOutput();
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = file.readAll();
    return true;
}

// Hands each sentence of the log to `use`, as a talker sends it and the receiving path sees it: the line
// without its line end and without the tag block "\...\" in front of it, CR LF not added. Lines that are
// empty then are left out; the log's faults (a line of NUL bytes, broken sentences, a tag block without
// its end) stay in.
template <typename Use> void forEachSentence(const QByteArray &text, Use use)
{
    int start = 0;
    while (start < text.size()) {
        int end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        int first = start;
        int last = end;
        start = end + 1;
        if (last > first && text.at(last - 1) == '\r')
            --last;
        if (last > first && text.at(first) == '\\') {
            const int close = text.indexOf('\\', first + 1);
            if (close > 0 && close < last)
                first = close + 1;
        }
        if (last > first)
            use(text.constData() + first, last - first);
    }
}

// The sentences of the log, each ended by CR LF.
inline QStringList sentencesOf(const QByteArray &text)
{
    QStringList sentences;
    forEachSentence(text, [&sentences](const char *line, int size) {
        sentences << QString::fromLatin1(line, size) + QLatin1String("\r\n");
    });
    return sentences;
}

// The debug log of the code measured (refused fields, handler notes) is not printed: printing is not what
// is measured. Warnings and worse still are.
inline void quietDebugOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Timings of a piece of work repeated `rounds` times, in microseconds.
struct Figures
{
    double median;
    double best;
};

template <typename Work> Figures measure(int rounds, Work work)
{
    std::vector<double> times;
    times.reserve(size_t(rounds));
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.front() };
}

} // namespace BenchLog

#endif // BENCHLOG_H
