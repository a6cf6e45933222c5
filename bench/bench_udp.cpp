// Throughput of the IEC 61162-450 sentence receiving path: datagrams written by a plain UDP socket to the
// transmission group are read by the intake (socketInterface), handed on through the queued connection,
// taken apart and reassembled by the NMEA-over-UDP controller, and counted when the complete group is
// delivered. Measured once for one-sentence datagrams of standard sentences and once for settings groups
// of ten sentences tagged "pqrvsetup" (one datagram each, acknowledged by the receiver as it goes). The
// same datagrams are also handed to the controller directly, without sockets, to show the socket share.
//
// The datagrams go to a multicast group, so the bench runs only inside a private network namespace whose
// loopback is the only interface. Started outside one, it starts itself again through
// "unshare --net" (root or unprivileged user namespaces needed); it refuses to run while any interface
// other than "lo" is up.
//
// usage: bench_udp [DATAGRAMS]   (default 20000 of each kind)

#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/socketInterface.h"
#include "data/ESDataClass.h"
#include "hardware/platform/EthernetInterfaces.h"
#include "nmea/NmeaChecksum.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const char insideMark[] = "--inside-namespace";
const char groupAddress[] = "239.192.0.3";
const quint16 groupPort = 60003;
const char senderSfi[] = "AB0002";
// Datagrams in flight at once: well below what the socket's receive buffer holds, so none is dropped.
const int window = 64;
const qint64 waitLimitMs = 10000;

void quietDebugOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

QStringList foreignInterfacesUp()
{
    QStringList names;
    for (const QNetworkInterface &candidate : QNetworkInterface::allInterfaces()) {
        if (candidate.name() != QLatin1String("lo") && candidate.flags().testFlag(QNetworkInterface::IsUp))
            names.append(candidate.name());
    }
    return names;
}

// Starts this program again in a new network namespace with a multicast loopback; returns only on failure.
int reexecuteInNamespace(int argc, char *argv[])
{
    std::vector<const char *> args { "unshare", "--net" };
    if (getuid() != 0)
        args.push_back("--map-root-user");
    args.insert(args.end(),
        { "--", "sh", "-c",
            "ip link set lo up && ip link set lo multicast on && ip route add 224.0.0.0/4 dev lo && exec "
            "\"$@\"",
            "sh", argv[0], insideMark });
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    execvp("unshare", const_cast<char *const *>(args.data()));
    std::perror("bench_udp: cannot start unshare");
    return 1;
}

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

struct Result
{
    int datagrams = 0;
    int groups = 0;
    qint64 nanoseconds = 0;
    int bytes = 0;
};

void print(const char *what, const Result &result)
{
    const double seconds = double(result.nanoseconds) / 1e9;
    std::printf(
        "  %-34s %6d datagrams, %6d groups in %.3f s: %8.0f datagrams/s, %8.0f groups/s, %6.1f MB/s\n", what,
        result.datagrams, result.groups, seconds, result.datagrams / seconds, result.groups / seconds,
        result.bytes / seconds / 1e6);
}

// The receiving unit, wired as the start-up wires it.
class Receiver : public QObject
{
public:
    Receiver()
        : m_interfaces(new EthernetInterfaces(this, QStringLiteral("lo")))
        , m_network(new Udp61162450Controller(m_interfaces, this))
        , m_intake(new socketInterface(m_network, this))
    {
        m_network->setNmeaGroupAddress(QLatin1String(groupAddress), groupPort);
        m_intake->init();
        NmeaOverUdpController *controller = m_network->nmeaOverUdpController();
        connect(
            controller, &NmeaOverUdpController::sendDatagrams, m_intake, &socketInterface::sendNmeaDatagrams);
        connect(m_intake, &socketInterface::recievedMessage, controller,
            &NmeaOverUdpController::processReceivedDatagram, Qt::QueuedConnection);
        connect(controller->nmeaInputBuffer(), &NmeaInputBuffer::parse, this, [this] { ++m_groups; });
        m_intake->setReceptionEnabled(true);
        m_intake->processPendingDatagrams(m_network->nmeaSocket()); // the drain after init
    }

    int groups() const { return m_groups; }
    NmeaOverUdpController *controller() const { return m_network->nmeaOverUdpController(); }

private:
    EthernetInterfaces *m_interfaces;
    Udp61162450Controller *m_network;
    socketInterface *m_intake;
    int m_groups = 0;
};

bool measureSockets(Receiver *receiver, const QByteArrayList &datagrams, Result *result)
{
    QUdpSocket sender;
    if (!sender.bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        std::fprintf(stderr, "bench_udp: cannot bind the sending socket\n");
        return false;
    }
    sender.setMulticastInterface(QNetworkInterface::interfaceFromName(QStringLiteral("lo")));
    const QHostAddress group { QString::fromLatin1(groupAddress) };
    const int start = receiver->groups();
    QElapsedTimer timer;
    timer.start();
    for (int sent = 0; sent < datagrams.size();) {
        const int end = qMin(sent + window, datagrams.size());
        for (; sent < end; ++sent) {
            if (sender.writeDatagram(datagrams.at(sent), group, groupPort) < 0) {
                std::fprintf(stderr, "bench_udp: write failed: %s\n", qPrintable(sender.errorString()));
                return false;
            }
            result->bytes += datagrams.at(sent).size();
        }
        QElapsedTimer wait;
        wait.start();
        while (receiver->groups() - start < sent) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (wait.elapsed() > waitLimitMs) {
                std::fprintf(
                    stderr, "bench_udp: %d of %d groups arrived\n", receiver->groups() - start, sent);
                return false;
            }
        }
    }
    result->nanoseconds = timer.nsecsElapsed();
    result->datagrams = datagrams.size();
    result->groups = receiver->groups() - start;
    return true;
}

void measureDirect(Receiver *receiver, const QByteArrayList &datagrams, Result *result)
{
    const int start = receiver->groups();
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &datagram : datagrams) {
        receiver->controller()->processReceivedDatagram(datagram, false, false);
        result->bytes += datagram.size();
    }
    QCoreApplication::processEvents(); // the acknowledgements go out
    result->nanoseconds = timer.nsecsElapsed();
    result->datagrams = datagrams.size();
    result->groups = receiver->groups() - start;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool inside = argc > 1 && std::strcmp(argv[1], insideMark) == 0;
    if (!inside)
        return reexecuteInNamespace(argc, argv);
    const int count = argc > 2 ? qMax(100, std::atoi(argv[2])) : 20000;

    QCoreApplication app(argc, argv);
    const QStringList foreign = foreignInterfacesUp();
    if (!foreign.isEmpty()) {
        std::fprintf(stderr, "bench_udp: refusing to run, interfaces up besides lo: %s\n",
            qPrintable(foreign.join(QLatin1String(", "))));
        return 1;
    }
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "bench_udp: no working folder\n");
        return 1;
    }
    qInstallMessageHandler(quietDebugOutput);
    ESDataClass::instance();
    ListOfSfisOnNetwork::instance()->connectSfi(QLatin1String(senderSfi));
    Receiver receiver;
    const QString own = ListOfSfisOnNetwork::instance()->externalLocalSfi();

    std::printf("bench_udp: %d datagrams of each kind, window %d, on the loopback of a private namespace\n",
        count, window);
    const QByteArrayList standard = buildDatagrams(count, false, own);
    const QByteArrayList settings = buildDatagrams(count, true, own);
    std::printf("  datagram sizes: one-sentence %d bytes, 10-sentence settings group %d bytes\n",
        standard.first().size(), settings.first().size());

    Result socketStandard, socketSettings, directStandard, directSettings;
    if (!measureSockets(&receiver, standard, &socketStandard)
        || !measureSockets(&receiver, settings, &socketSettings))
        return 1;
    measureDirect(&receiver, standard, &directStandard);
    measureDirect(&receiver, settings, &directSettings);

    std::printf("socket to reassembled group:\n");
    print("one-sentence datagrams", socketStandard);
    print("10-sentence settings groups", socketSettings);
    std::printf("datagram bytes to reassembled group (no socket):\n");
    print("one-sentence datagrams", directStandard);
    print("10-sentence settings groups", directSettings);
    return 0;
}
