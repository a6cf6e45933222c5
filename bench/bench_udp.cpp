// Throughput of the IEC 61162-450 sentence receiving path, socket to handler: datagrams written by a
// plain UDP socket to the transmission group are read by the intake (socketInterface), handed on through
// the queued connection, taken apart and reassembled by the NMEA-over-UDP controller, and each complete
// group goes on to the NMEA controller, which checks, parses and dispatches its sentences to the handlers
// (settings text to the serialization controller), all wired as the start-up wires them. Measured once
// for one-sentence datagrams of standard sentences and once for settings groups of ten sentences tagged
// "pqrvsetup" (one datagram each, acknowledged by the receiver as it goes). A thread of its own writes the
// datagrams (on another processor where there is one), at most a window ahead of what has arrived, so
// that what is timed is the receiving unit; the processor time of the receiving thread is given per
// datagram too. The same datagrams are also handed to the controller directly, without sockets, to show
// the socket share.
//
// With --flood, a second process floods the group with one-sentence datagrams at a fixed rate for a
// while, and plays the junction box: it acknowledges every settings group addressed to it. Meanwhile the
// receiving unit changes a setup value every 3 s, as a setup page does, and the bench reports how long
// each change waited for its acknowledgement, how many datagrams the kernel dropped, how many groups
// reached the NMEA controller, and the resident memory over the run. The flooding process runs on another
// processor than this one; run the bench on one processor (taskset -c N).
//
// The datagrams go to a multicast group, so the bench runs only inside a private network namespace whose
// loopback is the only interface. Started outside one, it starts itself again through
// "unshare --net" (root or unprivileged user namespaces needed); it refuses to run while any interface
// other than "lo" is up.
//
// usage: bench_udp [DATAGRAMS]                  (default 20000 of each kind)
//        bench_udp --flood [SECONDS [RATE]]     (default 60 s at 50000 datagrams/s)

#include "BenchNamespace.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/NmeaController.h"
#include "comms/NmeaParserClass.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/UdpDatagramRecord.h"
#include "comms/iec450/UdpParserClass.h"
#include "comms/iec450/socketInterface.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/SerializationController.h"
#include "nmea/NmeaChecksum.h"
#include "platform/EthernetInterfaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <netinet/in.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace BenchNamespace;

const char floodMark[] = "--flood";
const char flooderMark[] = "--flooder";
const char groupAddress[] = "239.192.0.3";
const quint16 groupPort = 60003;
const char senderSfi[] = "AB0002";
// The junction box that the flooding process plays.
const char junctionBoxSfi[] = "AB0007";
// Datagrams in flight at once: well below what the socket's receive buffer holds, so none is dropped.
const int window = 64;
const qint64 waitLimitMs = 10000;
const int setupChangeIntervalMs = 3000;
const int acknowledgementLimitMs = 1000;

QString sentence(const QString &body)
{
    return QLatin1Char('$') + appendNmeaChecksum(body);
}

// The datagrams a sending unit writes, built by a controller of their own.
QByteArrayList buildDatagrams(int count, bool settings, const QString &receiver)
{
    NmeaOverUdpController sender(56, 5, 10);
    QByteArrayList datagrams;
    QObject::connect(&sender, &NmeaOverUdpController::sendDatagrams,
        [&](const QByteArrayList &list) { datagrams += list; });
    const QString gga
        = sentence(QStringLiteral("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    QStringList pieces;
    for (int i = 0; i < 10; ++i)
        pieces.append(
            sentence(QStringLiteral("PQRVAVG,") + (i == 0 ? QStringLiteral("Type_Setup,ESSetup,") : QString())
                + QString(i == 0 ? 49 : 68, QLatin1Char('a' + i))));
    while (datagrams.size() < count) {
        if (settings)
            sender.packUdp(pieces, InternalData, false, QStringLiteral("pqrvsetup"), { receiver },
                QLatin1String(senderSfi));
        else
            sender.packUdp({ gga }, StandardSentence, false, QString(), {}, QLatin1String(senderSfi));
    }
    return datagrams;
}

// A processor this process may not use, for the flooding process; -1 when it may use them all.
int otherProcessor()
{
    cpu_set_t mine;
    CPU_ZERO(&mine);
    if (sched_getaffinity(0, sizeof(mine), &mine) != 0)
        return -1;
    const long count = sysconf(_SC_NPROCESSORS_ONLN);
    for (int cpu = 0; cpu < count; ++cpu) {
        if (!CPU_ISSET(cpu, &mine))
            return cpu;
    }
    return -1;
}

int multicastSocket(bool receiving)
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    in_addr loopback {};
    loopback.s_addr = htonl(INADDR_LOOPBACK);
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &loopback, sizeof(loopback));
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &on, sizeof(on));
    if (receiving) {
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(groupPort);
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        ip_mreq membership {};
        inet_pton(AF_INET, groupAddress, &membership.imr_multiaddr);
        membership.imr_interface = loopback;
        if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
            || setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof(membership)) != 0) {
            close(fd);
            return -1;
        }
        const int large = 4 * 1024 * 1024;
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &large, sizeof(large));
    }
    return fd;
}

struct Result
{
    int datagrams = 0;
    int groups = 0;
    qint64 nanoseconds = 0;
    qint64 processorNanoseconds = 0; // of the receiving thread
    int bytes = 0;
};

qint64 threadProcessorNanoseconds()
{
    timespec time {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

void print(const char *what, const Result &result)
{
    const double seconds = double(result.nanoseconds) / 1e9;
    std::printf("  %-30s %6d datagrams, %6d groups in %.3f s: %8.0f datagrams/s, %6.1f MB/s, %5.1f us of "
                "processor per datagram\n",
        what, result.datagrams, result.groups, seconds, result.datagrams / seconds,
        result.bytes / seconds / 1e6, result.processorNanoseconds / 1e3 / qMax(1, result.datagrams));
}

// The receiving unit, wired as the start-up wires it: intake, controller, buffers, NMEA controller, the
// settings path, and the NMEA controller's groups back out to the intake.
class Receiver : public QObject
{
public:
    Receiver()
        : m_interfaces(new EthernetInterfaces(this, QStringLiteral("lo")))
        , m_network(new Udp61162450Controller(m_interfaces, this))
        , m_intake(new socketInterface(m_network, this))
        , m_nmea(new NmeaController(this))
    {
        m_network->setNmeaGroupAddress(QLatin1String(groupAddress), groupPort);
        m_intake->init();
        NmeaOverUdpController *controller = m_network->nmeaOverUdpController();
        connect(
            controller, &NmeaOverUdpController::sendDatagrams, m_intake, &socketInterface::sendNmeaDatagrams);
        connect(controller->nmeaOutputBuffer(), &NmeaOutputBuffer::resendDatagram, m_intake,
            &socketInterface::sendNmeaDatagrams);
        connect(m_intake, &socketInterface::recievedMessage, controller,
            &NmeaOverUdpController::processReceivedDatagram, Qt::QueuedConnection);
        connect(controller->nmeaInputBuffer(), &NmeaInputBuffer::parse, this, [this] { ++m_groups; });
        connect(controller->nmeaInputBuffer(), &NmeaInputBuffer::parse, m_nmea,
            &NmeaController::handleReceivedNmeaList);
        connect(m_nmea->nmeaParser(), &NmeaParserClass::dataReceived, SerializationController::instance(),
            &SerializationController::deserializeData);
        connect(ESDataClass::instance(), &AbstractDataClass::parseData, m_nmea,
            &NmeaController::sendProprietaryNmeaList);
        connect(m_nmea, &NmeaController::nmeaGroupReadyToBeSentOverUdp, controller,
            &NmeaOverUdpController::packSerializedString);
        m_intake->setReceptionEnabled(true);
        m_intake->processPendingDatagrams(m_network->nmeaSocket()); // the drain after init
    }

    // Counted in this thread, read by the sending thread of measureSockets.
    int groups() const { return m_groups.load(); }
    NmeaOverUdpController *controller() const { return m_network->nmeaOverUdpController(); }

private:
    EthernetInterfaces *m_interfaces;
    Udp61162450Controller *m_network;
    socketInterface *m_intake;
    NmeaController *m_nmea;
    std::atomic<int> m_groups { 0 };
};

// The datagrams are written by a thread of their own, on another processor where there is one, never more
// than the window ahead of what has arrived: what is timed is the receiving unit.
bool measureSockets(Receiver *receiver, const QByteArrayList &datagrams, Result *result)
{
    const int sender = multicastSocket(false);
    if (sender < 0) {
        std::fprintf(stderr, "bench_udp: no sending socket: %s\n", std::strerror(errno));
        return false;
    }
    sockaddr_in group {};
    group.sin_family = AF_INET;
    group.sin_port = htons(groupPort);
    inet_pton(AF_INET, groupAddress, &group.sin_addr);
    const int start = receiver->groups();
    std::atomic<bool> failed { false };
    QElapsedTimer timer;
    timer.start();
    const qint64 processorStart = threadProcessorNanoseconds();
    std::thread writer([&] {
        const int cpu = otherProcessor();
        if (cpu >= 0) {
            cpu_set_t set;
            CPU_ZERO(&set);
            CPU_SET(cpu, &set);
            pthread_setaffinity_np(pthread_self(), sizeof(set), &set);
        }
        for (int sent = 0; sent < datagrams.size() && !failed; ++sent) {
            while (sent - (receiver->groups() - start) >= window && !failed)
                std::this_thread::yield();
            const QByteArray &datagram = datagrams.at(sent);
            if (sendto(sender, datagram.constData(), size_t(datagram.size()), 0,
                    reinterpret_cast<const sockaddr *>(&group), sizeof(group))
                < 0) {
                std::fprintf(stderr, "bench_udp: write failed: %s\n", std::strerror(errno));
                failed = true;
            }
        }
    });
    // The event loop sleeps while nothing has arrived, so that its processor time is the work done.
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (failed || receiver->groups() - start >= datagrams.size())
            loop.quit();
    });
    check.start(1);
    QTimer::singleShot(waitLimitMs + datagrams.size() / 10, &loop, [&] {
        std::fprintf(
            stderr, "bench_udp: %d of %d groups arrived\n", receiver->groups() - start, datagrams.size());
        failed = true;
    });
    loop.exec();
    writer.join();
    close(sender);
    result->processorNanoseconds = threadProcessorNanoseconds() - processorStart;
    result->nanoseconds = timer.nsecsElapsed();
    result->datagrams = datagrams.size();
    result->groups = receiver->groups() - start;
    for (const QByteArray &datagram : datagrams)
        result->bytes += datagram.size();
    return !failed;
}

void measureDirect(Receiver *receiver, const QByteArrayList &datagrams, Result *result)
{
    const int start = receiver->groups();
    QElapsedTimer timer;
    timer.start();
    const qint64 processorStart = threadProcessorNanoseconds();
    for (const QByteArray &datagram : datagrams) {
        receiver->controller()->processReceivedDatagram(datagram, false, false);
        result->bytes += datagram.size();
    }
    QCoreApplication::processEvents(); // the acknowledgements go out
    result->processorNanoseconds = threadProcessorNanoseconds() - processorStart;
    result->nanoseconds = timer.nsecsElapsed();
    result->datagrams = datagrams.size();
    result->groups = receiver->groups() - start;
}

// Prepares this process as the receiving unit: a working folder for its settings files, the debug log
// quiet, the settings tree and the sender known as a connected unit. False with a message on failure.
bool prepareReceivingUnit(QTemporaryDir *folder)
{
    const QStringList foreign = foreignInterfacesUp();
    if (!foreign.isEmpty()) {
        std::fprintf(stderr, "bench_udp: refusing to run, interfaces up besides lo: %s\n",
            qPrintable(foreign.join(QLatin1String(", "))));
        return false;
    }
    if (!folder->isValid() || !QDir::setCurrent(folder->path())) {
        std::fprintf(stderr, "bench_udp: no working folder\n");
        return false;
    }
    qInstallMessageHandler(quietDebugOutput);
    ESDataClass::instance();
    ListOfSfisOnNetwork::instance()->connectSfi(QLatin1String(senderSfi));
    return true;
}

int runThroughput(int count)
{
    QTemporaryDir folder;
    if (!prepareReceivingUnit(&folder))
        return 1;
    Receiver receiver;
    const QString own = ListOfSfisOnNetwork::instance()->externalLocalSfi();

    std::printf("bench_udp: %d datagrams of each kind, window %d, on the loopback of a private namespace\n",
        count, window);
    const QByteArrayList standard = buildDatagrams(count, false, own);
    const QByteArrayList settings = buildDatagrams(count, true, own);
    std::printf("  datagram sizes: one-sentence %d bytes, 10-sentence settings group %d bytes\n",
        standard.first().size(), settings.first().size());

    // A first pass so that every class and cache of the path has been met before anything is timed.
    Result warmUp;
    measureDirect(&receiver, standard.mid(0, 1000), &warmUp);

    Result socketStandard, socketSettings, directStandard, directSettings;
    if (!measureSockets(&receiver, standard, &socketStandard)
        || !measureSockets(&receiver, settings, &socketSettings))
        return 1;
    measureDirect(&receiver, standard, &directStandard);
    measureDirect(&receiver, settings, &directSettings);

    std::printf("socket to handler:\n");
    print("one-sentence datagrams", socketStandard);
    print("10-sentence settings groups", socketSettings);
    std::printf("datagram bytes to handler (no socket):\n");
    print("one-sentence datagrams", directStandard);
    print("10-sentence settings groups", directSettings);
    return 0;
}

// ---------------------------------------------------------------------------------------------------------
// The flood

// The kernel's count of UDP datagrams that found no room in a receive buffer, in this namespace.
long long udpReceiveBufferErrors()
{
    QFile snmp(QStringLiteral("/proc/net/snmp"));
    if (!snmp.open(QIODevice::ReadOnly))
        return -1;
    QList<QByteArray> header;
    for (const QByteArray &line : snmp.readAll().split('\n')) {
        if (!line.startsWith("Udp: "))
            continue;
        const QList<QByteArray> fields = line.mid(5).split(' ');
        if (header.isEmpty()) {
            header = fields;
            continue;
        }
        const int index = header.indexOf("RcvbufErrors");
        return index >= 0 ? fields.value(index).toLongLong() : -1;
    }
    return -1;
}

long long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Processor time of this process, and the time it was ready to run but waited for its processor.
struct ProcessorTime
{
    double used = 0.0;
    double waited = 0.0;
};

ProcessorTime processorTime()
{
    ProcessorTime time;
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        time.used = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    QFile schedule(QStringLiteral("/proc/self/schedstat"));
    if (schedule.open(QIODevice::ReadOnly))
        time.waited = schedule.readAll().split(' ').value(1).toDouble() / 1e9;
    return time;
}

// The junction box's answer to a settings datagram addressed to it, as its controller would send it.
QByteArray acknowledgementOf(const QByteArray &datagram, const QString &receiverSfi, int lineCount)
{
    const UdpDatagramRecord record(datagram);
    if (!record.isValid() || !record.needsAcknowledgement()
        || !record.destinationSfis().contains(QLatin1String(junctionBoxSfi)))
        return QByteArray();
    const QString tag = UdpParserClass::buildTagBlock(QLatin1String(junctionBoxSfi), { receiverSfi }, 1, 1,
        QStringLiteral("pqrvack") + record.key(), 1, lineCount);
    QByteArray acknowledgement = UdpParserClass::headerBytes();
    acknowledgement += (tag + QLatin1Char('*') + nmeaStringChecksum(tag.mid(1)) + QLatin1Char('\\')
        + QStringLiteral("$PQRVAVG,ackmessage\r\n"))
                           .toLatin1();
    return acknowledgement;
}

// The flooding process: the flood from this thread, the junction box's acknowledgements from another.
int runFlooder(int cpu, int seconds, int rate, const QString &receiverSfi)
{
    if (cpu >= 0) {
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(cpu, &set);
        sched_setaffinity(0, sizeof(set), &set);
    }
    const QByteArrayList flood = buildDatagrams(20000, false, QString());
    const int sender = multicastSocket(false);
    const int listener = multicastSocket(true);
    if (sender < 0 || listener < 0) {
        std::fprintf(stderr, "bench_udp: flooder sockets: %s\n", std::strerror(errno));
        return 1;
    }
    sockaddr_in group {};
    group.sin_family = AF_INET;
    group.sin_port = htons(groupPort);
    inet_pton(AF_INET, groupAddress, &group.sin_addr);

    std::atomic<bool> running { true };
    std::atomic<int> acknowledged { 0 };
    std::thread junctionBox([&] {
        const int answer = multicastSocket(false);
        std::vector<char> buffer(2048);
        int lineCount = 0;
        const timeval tick { 0, 100000 };
        setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, &tick, sizeof(tick));
        while (running) {
            const ssize_t size = recv(listener, buffer.data(), buffer.size(), 0);
            if (size <= 0)
                continue;
            if (!memmem(buffer.data(), size_t(size), "t:pqrvsetup", 11))
                continue;
            lineCount = lineCount % 999 + 1;
            const QByteArray acknowledgement
                = acknowledgementOf(QByteArray(buffer.data(), int(size)), receiverSfi, lineCount);
            if (!acknowledgement.isEmpty()) {
                sendto(answer, acknowledgement.constData(), size_t(acknowledgement.size()), 0,
                    reinterpret_cast<const sockaddr *>(&group), sizeof(group));
                ++acknowledged;
            }
        }
        close(answer);
    });

    std::printf("ready\n");
    std::fflush(stdout);
    // Paced in steps of one millisecond, against the clock, so that a late step catches up.
    timespec next {};
    clock_gettime(CLOCK_MONOTONIC, &next);
    const long long total = (long long)rate * seconds;
    long long sent = 0;
    long long failed = 0;
    for (long long step = 1; sent < total; ++step) {
        const long long due = qMin(total, step * rate / 1000);
        for (; sent < due; ++sent) {
            const QByteArray &datagram = flood.at(int(sent % flood.size()));
            if (sendto(sender, datagram.constData(), size_t(datagram.size()), 0,
                    reinterpret_cast<const sockaddr *>(&group), sizeof(group))
                < 0)
                ++failed;
        }
        next.tv_nsec += 1000000;
        if (next.tv_nsec >= 1000000000) {
            next.tv_nsec -= 1000000000;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    }
    // The last changes may still wait for their answer.
    sleep(2);
    running = false;
    junctionBox.join();
    std::printf("sent %lld failed %lld acknowledged %d\n", sent, failed, acknowledged.load());
    close(sender);
    close(listener);
    return 0;
}

int runFlood(int seconds, int rate)
{
    QTemporaryDir folder;
    if (!prepareReceivingUnit(&folder))
        return 1;
    ListOfSfisOnNetwork *sfis = ListOfSfisOnNetwork::instance();
    sfis->connectSfi(QLatin1String(junctionBoxSfi));
    Receiver receiver;
    NmeaOutputBuffer *held = receiver.controller()->nmeaOutputBuffer();
    const QString own = sfis->externalLocalSfi();

    const int cpu = otherProcessor();
    QProcess flooder;
    flooder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    flooder.start(QCoreApplication::applicationFilePath(),
        { QLatin1String(insideMark), QLatin1String(flooderMark), QString::number(cpu),
            QString::number(seconds), QString::number(rate), own });
    if (!flooder.waitForReadyRead(30000) || !flooder.readLine().startsWith("ready")) {
        std::fprintf(stderr, "bench_udp: the flooding process did not start\n");
        return 1;
    }
    std::printf("bench_udp --flood: %d datagrams/s for %d s, flooding from processor %d; a setup change "
                "every %d ms\n",
        rate, seconds, cpu, setupChangeIntervalMs);

    const long long droppedBefore = udpReceiveBufferErrors();
    const ProcessorTime timeBefore = processorTime();
    const int groupsBefore = receiver.groups();
    QList<qint64> waits; // per change: ms until acknowledged, -1 while open, -2 never
    QElapsedTimer sinceChange;
    int changes = 0;
    QList<long long> memory;
    ESAlertSetup *alertSetup = ESDataClass::instance()->setup()->AlertSetup();

    QTimer change;
    change.setInterval(setupChangeIntervalMs);
    QObject::connect(&change, &QTimer::timeout, [&] {
        if (!waits.isEmpty() && waits.last() == -1)
            waits.last() = -2;
        // As a setup page writes a value shared with the junction box.
        alertSetup->serializeSingleProperty(
            QStringLiteral("AlarmShallow"), QVariant(double(10 + changes % 50)));
        ++changes;
        waits.append(-1);
        sinceChange.start();
    });
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!waits.isEmpty() && waits.last() == -1 && held->groupCount() == 0)
            waits.last() = sinceChange.elapsed();
    });
    QTimer sample;
    sample.setInterval(1000);
    QObject::connect(&sample, &QTimer::timeout, [&] { memory.append(residentKilobytes()); });

    QElapsedTimer running;
    running.start();
    QTimer::singleShot(1000, [&] { change.start(); });
    poll.start();
    sample.start();
    QEventLoop loop;
    QObject::connect(
        &flooder, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop, &QEventLoop::quit);
    loop.exec();
    change.stop();
    // The last change waits its full second.
    QElapsedTimer tail;
    tail.start();
    while (!waits.isEmpty() && waits.last() == -1 && tail.elapsed() < acknowledgementLimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const double elapsed = running.elapsed() / 1000.0;
    const ProcessorTime timeAfter = processorTime();

    std::printf("flooder: %s", flooder.readAll().constData());
    const int groups = receiver.groups() - groupsBefore;
    std::printf(
        "groups to the NMEA controller: %d (%.0f/s over %.1f s)\n", groups, groups / elapsed, elapsed);
    std::printf("datagrams dropped by the kernel (no room in a receive buffer): %lld\n",
        udpReceiveBufferErrors() - droppedBefore);
    const double used = timeAfter.used - timeBefore.used;
    std::printf("processor time: %.1f s (%.0f %% of the run), %.1f us per group; waited %.1f s for the "
                "processor\n",
        used, 100.0 * used / elapsed, groups > 0 ? 1e6 * used / groups : 0.0,
        timeAfter.waited - timeBefore.waited);
    int late = 0;
    qint64 longest = 0;
    QStringList list;
    for (qint64 wait : qAsConst(waits)) {
        list << (wait < 0 ? QStringLiteral("none") : QString::number(wait));
        if (wait < 0 || wait > acknowledgementLimitMs)
            ++late;
        longest = qMax(longest, wait);
    }
    std::printf("setup changes: %d, acknowledged within %d ms: %d, longest %lld ms\n  waits (ms): %s\n",
        waits.size(), acknowledgementLimitMs, waits.size() - late, static_cast<long long>(longest),
        qPrintable(list.join(QLatin1Char(' '))));
    if (memory.size() > 10) {
        QStringList samples;
        for (int i = 0; i < memory.size(); i += qMax(1, memory.size() / 12))
            samples << QString::number(memory.at(i));
        std::printf("resident memory (kB), every %d s: %s; after 5 s %lld, at the end %lld\n",
            qMax(1, memory.size() / 12), qPrintable(samples.join(QLatin1Char(' '))), memory.at(5),
            memory.last());
    }
    return late == 0 ? 0 : 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool inside = isInside(argc, argv);
    if (!inside)
        return reexecuteInNamespace(argc, argv);

    QCoreApplication app(argc, argv);
    if (argc > 2 && std::strcmp(argv[2], flooderMark) == 0) {
        if (argc < 7)
            return 1;
        return runFlooder(
            std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), QString::fromLatin1(argv[6]));
    }
    if (argc > 2 && std::strcmp(argv[2], floodMark) == 0) {
        const int seconds = argc > 3 ? qMax(5, std::atoi(argv[3])) : 60;
        const int rate = argc > 4 ? qMax(1000, std::atoi(argv[4])) : 50000;
        return runFlood(seconds, rate);
    }
    return runThroughput(argc > 2 ? qMax(100, std::atoi(argv[2])) : 20000);
}
