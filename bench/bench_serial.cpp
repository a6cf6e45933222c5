// Throughput of the serial receiving path: sentence lines written into a pseudo-terminal are read by the
// port set's reader on its slave, framed into lines and turned into sentence groups by the serial port
// communication controller, as on a junction box on "LINUX". Measured from the first byte written to
// the last group received, once for port 0 (queued connection to the controller, the default) and once
// for port 2 (the direct connection of the MIR_LOX1000 junction box).
//
// usage: bench_serial [LOG]
//   LOG: a sentence log, gzip-compressed (".gz") or plain; by default the larger recorded log of the
//   shared data folder. Tag blocks "\...\" in front of a sentence are removed and CR LF is added, as a
//   talker on the line sends them. The log's faults (a line of NUL bytes, broken sentences) stay in.

#include "BenchLog.h"
#include "common/BuildConfiguration.h"
#include "comms/NmeaPorts.h"
#include "comms/NmeaPortsCommunicationController.h"
#include "comms/SerialReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray endMark("$PQRVEND*00\r\n");

// The bytes a talker would send: each sentence of the log ended by CR LF.
QByteArray lineStream(const QByteArray &text, int *lines)
{
    QByteArray stream;
    stream.reserve(text.size() + text.size() / 20);
    *lines = 0;
    BenchLog::forEachSentence(text, [&](const char *line, int size) {
        stream.append(line, size).append("\r\n");
        ++*lines;
    });
    return stream;
}

struct Pty
{
    int master = -1;
    QString slave;
    bool open()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return false;
        const char *name = ptsname(master);
        if (!name)
            return false;
        slave = QString::fromLocal8Bit(name);
        return true;
    }
    ~Pty()
    {
        if (master >= 0)
            ::close(master);
    }
};

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
    int lines = 0;
    const QByteArray stream = lineStream(text, &lines) + endMark;
    text.clear();
    std::printf("log: %s\nlines: %d, bytes: %d\n", qPrintable(path), lines, stream.size());

    QTemporaryDir folder;
    Pty pty[3];
    const char *names[3] = { "ttyS3", "ttyS1", "ttyS2" };
    for (int i = 0; i < 3; ++i) {
        if (!folder.isValid() || !pty[i].open() || !QFile::link(pty[i].slave, folder.filePath(names[i]))) {
            std::fprintf(stderr, "cannot create the pseudo-terminals\n");
            return 1;
        }
    }
    SerialReader::setDeviceFolder(folder.path() + QLatin1Char('/'));
    BuildConfiguration::TestOverride configuration(
        QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));
    qInstallMessageHandler(BenchLog::quietDebugOutput);

    NmeaPorts ports;
    if (!ports.openPorts()) {
        std::fprintf(stderr, "cannot open the serial lines\n");
        return 1;
    }
    NmeaPortsCommunicationController controller(&ports);

    for (int port : { 0, 2 }) {
        qint64 groups = 0;
        qint64 groupBytes = 0;
        bool ended = false;
        QElapsedTimer timer;
        const QMetaObject::Connection connection = QObject::connect(&controller,
            &NmeaPortsCommunicationController::receivedNmeaListFromSerial, [&](const NmeaGroupInfo &group) {
                const QString &line = group.messages().constFirst();
                if (line == QLatin1String(endMark)) {
                    ended = true;
                    app.quit();
                    return;
                }
                ++groups;
                groupBytes += line.size();
            });

        // A talker as fast as the line takes it: blocking writes on the master from a thread of its own.
        timer.start();
        const int master = pty[port].master;
        std::thread talker([&stream, master] {
            qint64 done = 0;
            while (done < stream.size()) {
                const ssize_t n = ::write(master, stream.constData() + done, size_t(stream.size() - done));
                if (n <= 0)
                    break;
                done += n;
            }
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &app, &QCoreApplication::quit);
        watchdog.start(300000);
        app.exec();
        const qint64 nanoseconds = timer.nsecsElapsed();
        talker.join();
        QObject::disconnect(connection);
        if (!ended) {
            std::fprintf(stderr, "port %d: the end mark did not arrive\n", port);
            return 1;
        }
        const double seconds = double(nanoseconds) / 1e9;
        std::printf("port %d (%s connection): %lld groups of %d lines in %.3f s: %.0f lines/s, %.1f MB/s; "
                    "input discarded %d times\n",
            port, port == 2 ? "direct" : "queued", static_cast<long long>(groups), lines, seconds,
            double(groups) / seconds, double(groupBytes) / seconds / 1e6,
            ports.port(port)->discardedInputCount());
    }
    return 0;
}
