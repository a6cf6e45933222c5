// Two units exchange settings groups over real multicast sockets on the loopback of a private network
// namespace. This process is one unit; the other is this program again, started as a peer in a working
// folder of its own (each process has its own settings tree and its own register of SFIs, as two units
// have). The peer reports on its standard output what it received, applied and got acknowledged.
//
// By hand: unshare --net sh -c 'ip link set lo up; ip link set lo multicast on;
//   ip route add 224.0.0.0/4 dev lo; exec ./tst_nmeaoverudp_netns'

#include "NetnsGuard.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/UdpParserClass.h"
#include "comms/iec450/socketInterface.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/SerializationController.h"
#include "nmea/NmeaChecksum.h"
#include "platform/EthernetInterfaces.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

const char groupAddress[] = "239.192.0.3";
const quint16 groupPort = 60003;
const char formatter[] = "PQRVAVG";
const int pieceLength = 75 - 7;
// A peer that is forgotten ends by itself.
const int peerLifetimeMs = 120000;

// Settings text cut into proprietary data sentences, as the routing layer sends it.
QStringList dataSentences(const QString &text)
{
    QStringList sentences;
    for (int i = 0; i < text.length(); i += pieceLength) {
        const QString body = QLatin1String(formatter) + QLatin1Char(',') + text.mid(i, pieceLength);
        sentences.append(QLatin1Char('$') + appendNmeaChecksum(body));
    }
    return sentences;
}

// The pieces of the sentences joined back into the settings text.
QString joinedText(const QStringList &sentences)
{
    QString text;
    const int prefix = int(qstrlen(formatter)) + 2; // "$" + formatter + ","
    for (const QString &sentence : sentences)
        text += sentence.mid(prefix, sentence.length() - prefix - 5); // without "*", checksum, CR LF
    return text;
}

ESTQ55Setup *junctionBoxSetup()
{
    return ESDataClass::instance()->setup()->TQ55Setup();
}

// One unit on the network: sockets, intake and the sentence controller, wired as the start-up wires them.
class Unit : public QObject
{
public:
    explicit Unit(bool sendAcknowledgements, QObject *parent = nullptr)
        : QObject(parent)
        , m_interfaces(new EthernetInterfaces(this, QStringLiteral("lo")))
        , m_network(new Udp61162450Controller(m_interfaces, this))
        , m_intake(new socketInterface(m_network, this))
    {
        m_network->setNmeaGroupAddress(QLatin1String(groupAddress), groupPort);
        m_intake->init();
        NmeaOverUdpController *sentences = controller();
        if (sendAcknowledgements) {
            connect(sentences, &NmeaOverUdpController::sendDatagrams, m_intake,
                &socketInterface::sendNmeaDatagrams);
        } else {
            // The acknowledgements of this unit are lost on the way; everything else goes out.
            connect(sentences, &NmeaOverUdpController::sendDatagrams, m_intake,
                [this](const QByteArrayList &datagrams, bool internal) {
                    if (!UdpParserClass::isAcknowledgementDatagram(datagrams.value(0)))
                        m_intake->sendNmeaDatagrams(datagrams, internal);
                });
        }
        connect(sentences->nmeaOutputBuffer(), &NmeaOutputBuffer::resendDatagram, m_intake,
            &socketInterface::sendNmeaDatagrams);
        connect(m_intake, &socketInterface::recievedMessage, sentences,
            &NmeaOverUdpController::processReceivedDatagram, Qt::QueuedConnection);
        m_intake->setReceptionEnabled(true);
        // The first reading after init drains what queued up before; nothing has, so drain now.
        m_intake->processPendingDatagrams(m_network->nmeaSocket());
    }

    NmeaOverUdpController *controller() const { return m_network->nmeaOverUdpController(); }

private:
    EthernetInterfaces *m_interfaces;
    Udp61162450Controller *m_network;
    socketInterface *m_intake;
};

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The peer: tst_nmeaoverudp_netns --peer OWN_SFI PARTNER_SFI ack|silent
int runPeer(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!NetnsGuard::isIsolated()) {
        report(QStringLiteral("REFUSED ") + NetnsGuard::reason());
        return 1;
    }
    const QString own = QString::fromLatin1(argv[2]);
    const QString partner = QString::fromLatin1(argv[3]);
    const bool acknowledge = qstrcmp(argv[4], "ack") == 0;

    ESDataClass::instance()->localSetup()->DisplaySetup()->setLocalSFI(own);
    ListOfSfisOnNetwork::instance()->connectSfi(partner);
    Unit unit(acknowledge);
    NmeaOverUdpController *controller = unit.controller();

    bool held = false;
    QObject::connect(controller->nmeaInputBuffer(), &NmeaInputBuffer::parse, [&](const NmeaGroupInfo &group) {
        report(QStringLiteral("GROUP %1 %2 %3")
                   .arg(group.sourceSfi())
                   .arg(int(group.messageType()))
                   .arg(group.messageCount()));
        if (!group.isInternalData() || !acknowledge)
            return;
        SerializationController::instance()->deserializeData(joinedText(group.messages()));
        report(QStringLiteral("APPLIED ") + junctionBoxSetup()->SystemName());
        // A settings change goes back the other way and waits for its acknowledgement.
        const QString answer = QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemName=Peer7");
        controller->packSerializedString(
            NmeaGroupInfo(QString(), {}, dataSentences(answer), UDP, InternalData), true);
        held = controller->nmeaOutputBuffer()->groupCount() > 0;
    });
    QObject::connect(controller->nmeaOutputBuffer(), &NmeaOutputBuffer::lostCommunicationWithSfi,
        [](const QString &sfi) { report(QStringLiteral("LOST ") + sfi); });
    // Reports when a held settings group has been released by its acknowledgements.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const bool holding = controller->nmeaOutputBuffer()->groupCount() > 0;
        if (held && !holding)
            report(QStringLiteral("ACKNOWLEDGED"));
        held = holding;
    });
    watch.start(20);
    QTimer::singleShot(peerLifetimeMs, &app, &QCoreApplication::quit);
    report(QStringLiteral("READY ") + ListOfSfisOnNetwork::instance()->externalLocalSfi());
    return app.exec();
}

} // namespace

class tst_NmeaOverUdpNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void setupGroupIsAppliedAndAcknowledged();
    void lostAcknowledgementsAreResentThenReported();

private:
    // Starts the peer and waits for its READY line.
    void startPeer(const QString &sfi, const char *mode);
    QStringList peerLines(const QString &prefix) const;

    QTemporaryDir m_peerFolder;
    QProcess *m_peer = nullptr;
    QStringList m_peerOutput;
    Unit *m_unit = nullptr;
};

void tst_NmeaOverUdpNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
    QVERIFY(m_peerFolder.isValid());
    m_unit = new Unit(true, this);
}

void tst_NmeaOverUdpNetns::cleanup()
{
    if (m_peer) {
        m_peer->kill();
        m_peer->waitForFinished(5000);
        delete m_peer;
        m_peer = nullptr;
    }
    m_peerOutput.clear();
    // The unit's own resending period, whatever a case set.
    m_unit->controller()->nmeaOutputBuffer()->setPeriod(1000);
}

void tst_NmeaOverUdpNetns::startPeer(const QString &sfi, const char *mode)
{
    m_peer = new QProcess;
    m_peer->setWorkingDirectory(m_peerFolder.path());
    m_peer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_peer, &QProcess::readyReadStandardOutput, this, [this] {
        while (m_peer->canReadLine())
            m_peerOutput.append(QString::fromLatin1(m_peer->readLine()).trimmed());
    });
    m_peer->start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--peer"), sfi, ListOfSfisOnNetwork::instance()->externalLocalSfi(),
            QString::fromLatin1(mode) });
    QVERIFY(m_peer->waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(!peerLines(QStringLiteral("READY")).isEmpty(), 30000);
    QCOMPARE(peerLines(QStringLiteral("READY")).first(), QStringLiteral("READY ") + sfi);
}

QStringList tst_NmeaOverUdpNetns::peerLines(const QString &prefix) const
{
    QStringList lines;
    for (const QString &line : m_peerOutput) {
        if (line.startsWith(prefix))
            lines.append(line);
    }
    return lines;
}

void tst_NmeaOverUdpNetns::setupGroupIsAppliedAndAcknowledged()
{
    const QString peer = QStringLiteral("AB0002");
    startPeer(peer, "ack");
    if (QTest::currentTestFailed())
        return;
    ListOfSfisOnNetwork::instance()->connectSfi(peer);
    NmeaOverUdpController *controller = m_unit->controller();
    QSignalSpy resent(controller->nmeaOutputBuffer(), &NmeaOutputBuffer::resendDatagram);
    QSignalSpy lost(controller->nmeaOutputBuffer(), &NmeaOutputBuffer::lostCommunicationWithSfi);
    QSignalSpy received(controller->nmeaInputBuffer(), &NmeaInputBuffer::parse);
    QSignalSpy sent(controller, &NmeaOverUdpController::sendDatagrams);

    // The whole shared setup, with one value changed: a group of many sentences over several datagrams.
    junctionBoxSetup()->setSystemName(QStringLiteral("Deck5"));
    const QString text = ESDataClass::instance()->setup()->serialize();
    QVERIFY(text.startsWith(QLatin1String("Type_Setup")));
    const QStringList sentences = dataSentences(text);
    controller->packSerializedString(NmeaGroupInfo(QString(), {}, sentences, UDP, InternalData), true);
    QCOMPARE(sent.count(), 1);
    const int datagrams = sent.first().first().value<QByteArrayList>().size();
    QVERIFY2(datagrams > 1, qPrintable(QString::number(datagrams)));
    QCOMPARE(controller->nmeaOutputBuffer()->groupCount(), 1);

    // Reassembled whole, applied by the peer, and every datagram acknowledged.
    QTRY_COMPARE(peerLines(QStringLiteral("APPLIED")), QStringList { QStringLiteral("APPLIED Deck5") });
    const QString ownSfi = ListOfSfisOnNetwork::instance()->externalLocalSfi();
    QCOMPARE(peerLines(QStringLiteral("GROUP")),
        QStringList { QStringLiteral("GROUP %1 0 %2").arg(ownSfi).arg(sentences.size()) });
    QTRY_COMPARE(controller->nmeaOutputBuffer()->groupCount(), 0);
    QCOMPARE(resent.count(), 0);
    QCOMPARE(lost.count(), 0);

    // The peer's answer arrives here, is delivered once and acknowledged by this unit.
    QTRY_COMPARE(received.count(), 1);
    const NmeaGroupInfo answer = received.first().first().value<NmeaGroupInfo>();
    QCOMPARE(answer.sourceSfi(), peer);
    QCOMPARE(answer.messageType(), InternalData);
    QCOMPARE(answer.port(), UDP);
    QCOMPARE(joinedText(answer.messages()),
        QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemName=Peer7"));
    QTRY_COMPARE(peerLines(QStringLiteral("ACKNOWLEDGED")).size(), 1);
    QVERIFY(peerLines(QStringLiteral("LOST")).isEmpty());
}

void tst_NmeaOverUdpNetns::lostAcknowledgementsAreResentThenReported()
{
    const QString peer = QStringLiteral("AB0003");
    startPeer(peer, "silent");
    if (QTest::currentTestFailed())
        return;
    NmeaOverUdpController *controller = m_unit->controller();
    // The unit resends once a second; here every 50 ms.
    QCOMPARE(controller->nmeaOutputBuffer()->period(), 1000);
    controller->nmeaOutputBuffer()->setPeriod(50);
    QSignalSpy resent(controller->nmeaOutputBuffer(), &NmeaOutputBuffer::resendDatagram);
    QSignalSpy lost(controller->nmeaOutputBuffer(), &NmeaOutputBuffer::lostCommunicationWithSfi);

    const QStringList sentences
        = dataSentences(QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemName=Deck9"));
    controller->packSerializedString(
        NmeaGroupInfo(QString(), {}, sentences, UDP, InternalData), false, { peer });
    QTRY_COMPARE(peerLines(QStringLiteral("GROUP")).size(), 1);

    // Resent ten times, then the silent destination is reported lost and the group dropped.
    QTRY_COMPARE(lost.count(), 1);
    QCOMPARE(lost.first(), QVariantList { peer });
    QCOMPARE(resent.count(), 10);
    QCOMPARE(controller->nmeaOutputBuffer()->groupCount(), 0);
    // The peer received the original and every resend, and answered each (its answers were lost).
    QTRY_COMPARE(peerLines(QStringLiteral("GROUP")).size(), 11);
    const QString ownSfi = ListOfSfisOnNetwork::instance()->externalLocalSfi();
    for (const QString &line : peerLines(QStringLiteral("GROUP")))
        QCOMPARE(line, QStringLiteral("GROUP %1 0 %2").arg(ownSfi).arg(sentences.size()));
}

int main(int argc, char *argv[])
{
    if (argc >= 5 && qstrcmp(argv[1], "--peer") == 0)
        return runPeer(argc, argv);
    QCoreApplication app(argc, argv);
    tst_NmeaOverUdpNetns test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_nmeaoverudp_netns.moc"
