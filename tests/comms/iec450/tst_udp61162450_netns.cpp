// The unit's multicast sockets on a real network: which sockets each configuration has, their ports,
// groups and loopback, the change of transmission group, reading through the intake (draining at start,
// reception switch, jammed sockets), sending, and image datagrams over the image group. Runs only in a
// private network namespace whose one interface is the loopback "lo".

#include "NetnsGuard.h"
#include "SentenceDatagrams.h"
#include "common/BuildConfiguration.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/BinaryInputBuffer.h"
#include "comms/iec450/BinaryTransmissionController.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/socketInterface.h"
#include "platform/EthInterfaceData.h"
#include "platform/EthernetInterfaces.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

using namespace SentenceDatagrams;

namespace {
const char peerSfi[] = "AB0001";
const char ggaBody[] = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

int loopbackOption(QUdpSocket *socket)
{
    return socket->socketOption(QAbstractSocket::MulticastLoopbackOption).toInt();
}

} // namespace

class TestUdp61162450 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windowsDisplay();
    void groupChange();
    void rebindingKeepsOneBinding();
    void linuxDisplay();
    void linuxJunctionBox();
    void intakeDrainsThenReads();
    void receptionDisabled();
    void jammedSocketIsRead();
    void sendingAndOwnDatagramsBack();
    void datagramToGroupController();
    void imagesOverTheImageGroup();

private:
    // Sends one datagram from a socket of its own, as another unit would.
    void sendTo(const char *group, quint16 port, const QByteArray &datagram)
    {
        QVERIFY(
            m_sender.writeDatagram(datagram, QHostAddress(QLatin1String(group)), port) == datagram.size());
    }
    // Waits until the socket holds a datagram; false when none comes.
    static bool receives(QUdpSocket *socket)
    {
        if (!QTest::qWaitFor([socket] { return socket->hasPendingDatagrams(); }, 2000))
            return false;
        while (socket->hasPendingDatagrams())
            socket->receiveDatagram();
        return true;
    }
    void makeWindowsDisplay()
    {
        m_configuration = std::make_unique<BuildConfiguration::TestOverride>(
            QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"));
        m_controller = std::make_unique<Udp61162450Controller>(m_interfaces.get());
    }

    std::unique_ptr<EthernetInterfaces> m_interfaces;
    QUdpSocket m_sender;
    std::unique_ptr<Udp61162450Controller> m_controller;
    std::unique_ptr<BuildConfiguration::TestOverride> m_configuration;
};

void TestUdp61162450::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
    qRegisterMetaType<QByteArrayList>();
    m_interfaces = std::make_unique<EthernetInterfaces>(nullptr, QStringLiteral("lo"));
    QVERIFY(m_interfaces->interfaceData()->isValid());
    QCOMPARE(m_interfaces->interfaceData()->networkInterface().name(), QStringLiteral("lo"));
    ListOfSfisOnNetwork::instance()->connectSfi(QLatin1String(peerSfi));
}

void TestUdp61162450::cleanup()
{
    m_controller.reset();
    m_configuration.reset();
}

void TestUdp61162450::windowsDisplay()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);

    QUdpSocket *nmea = m_controller->nmeaSocket();
    QCOMPARE(nmea->objectName(), QStringLiteral("nmeaSocket"));
    QCOMPARE(m_controller->nmeaLocalSocket(), nmea);
    QCOMPARE(nmea->state(), QAbstractSocket::BoundState);
    QCOMPARE(nmea->localPort(), quint16(60003));
    QCOMPARE(nmea->multicastInterface().name(), QStringLiteral("lo"));
    QCOMPARE(m_controller->localGroupAddress(), QHostAddress(QStringLiteral("239.192.0.3")));
    QCOMPARE(m_controller->localSendPort(), quint16(60003));
    QCOMPARE(m_controller->localReceivePort(), quint16(60003));
    QVERIFY(!m_controller->networkAdministrationSocket());
    QCOMPARE(m_controller->binaryLocalSocket()->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(m_controller->binarySocketForWindowsLogging()->localPort(), quint16(60023));

    sendTo("239.192.0.3", 60003, "to the sentence group");
    QVERIFY(receives(nmea));
    sendTo("239.192.0.23", 60023, "to the image group");
    QVERIFY(receives(m_controller->binarySocketForWindowsLogging()));
}

void TestUdp61162450::groupChange()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    QSignalSpy changed(m_controller.get(), &Udp61162450Controller::nmeaGroupChanged);

    m_controller->updateNmeaGroup(7);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_controller->nmeaGroupAddress(), QHostAddress(QStringLiteral("239.192.0.8")));
    QCOMPARE(m_controller->nmeaGroupPort(), quint16(60008));
    QCOMPARE(m_controller->nmeaSocket()->localPort(), quint16(60008));
    QCOMPARE(m_controller->nmeaOverUdpController()->standardGroupNumber(), 8);
    sendTo("239.192.0.8", 60008, "to PROP");
    QVERIFY(receives(m_controller->nmeaSocket()));

    // A group outside MISC to PROP changes nothing.
    m_controller->updateNmeaGroup(8);
    m_controller->updateNmeaGroup(-1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_controller->nmeaGroupPort(), quint16(60008));

    // A group change before any group was set starts from the transmission groups' own prefix.
    Udp61162450Controller fresh(m_interfaces.get());
    fresh.updateNmeaGroup(2);
    QCOMPARE(fresh.nmeaGroupAddress(), QHostAddress(QStringLiteral("239.192.0.3")));
    QCOMPARE(fresh.nmeaSocket()->localPort(), quint16(60003));
}

void TestUdp61162450::rebindingKeepsOneBinding()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    QUdpSocket *nmea = m_controller->nmeaSocket();
    QCOMPARE(nmea->state(), QAbstractSocket::BoundState);
    sendTo("239.192.0.3", 60003, "once");
    QTRY_VERIFY(nmea->hasPendingDatagrams());
    QCOMPARE(nmea->receiveDatagram().data(), QByteArray("once"));
    sendTo("239.192.0.3", 60003, "twice");
    QTRY_VERIFY(nmea->hasPendingDatagrams());
    QCOMPARE(nmea->receiveDatagram().data(), QByteArray("twice"));
    QVERIFY(!nmea->hasPendingDatagrams());
}

void TestUdp61162450::linuxDisplay()
{
    m_configuration = std::make_unique<BuildConfiguration::TestOverride>(
        QStringLiteral("CU"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));
    m_controller = std::make_unique<Udp61162450Controller>(m_interfaces.get());
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);

    QUdpSocket *local = m_controller->nmeaLocalSocket();
    QCOMPARE(local, m_controller->nmeaSocket());
    QCOMPARE(local->objectName(), QStringLiteral("nmeaLocalSocket"));
    QCOMPARE(local->localPort(), quint16(60009));
    QCOMPARE(loopbackOption(local), 1);
    QVERIFY(!m_controller->binarySocketForWindowsLogging());
    QVERIFY(!m_controller->networkAdministrationSocket());
    // Whatever the group setting, the display sends to its junction box on the internal link.
    m_controller->updateNmeaGroup(3);
    QCOMPARE(m_controller->nmeaGroupAddress(), QHostAddress(QStringLiteral("239.192.0.9")));
    QCOMPARE(m_controller->nmeaGroupPort(), quint16(60010));
    QCOMPARE(m_controller->localSendPort(), quint16(60010));
    QCOMPARE(local->localPort(), quint16(60009));
    sendTo("239.192.0.9", 60009, "from the junction box");
    QVERIFY(receives(local));
}

void TestUdp61162450::linuxJunctionBox()
{
    m_configuration = std::make_unique<BuildConfiguration::TestOverride>(
        QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("TVR100"));
    m_controller = std::make_unique<Udp61162450Controller>(m_interfaces.get());
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);

    QUdpSocket *nmea = m_controller->nmeaSocket();
    QUdpSocket *local = m_controller->nmeaLocalSocket();
    QVERIFY(local != nmea);
    QCOMPARE(nmea->objectName(), QStringLiteral("nmeaSocket"));
    QCOMPARE(nmea->localPort(), quint16(60003));
    QCOMPARE(loopbackOption(nmea), 0);
    QCOMPARE(local->objectName(), QStringLiteral("nmeaLocalSocket"));
    QCOMPARE(local->localPort(), quint16(60010));
    QCOMPARE(loopbackOption(local), 1);
    QCOMPARE(m_controller->localSendPort(), quint16(60009));
    QCOMPARE(m_controller->networkAdministrationSocket()->localPort(), quint16(60056));
    QCOMPARE(m_controller->binaryLocalSocket()->localPort(), quint16(60024));
    QCOMPARE(m_controller->binarySocketForWindowsLogging()->localPort(), quint16(60023));

    sendTo("239.192.0.3", 60003, "network");
    QVERIFY(receives(nmea));
    sendTo("239.192.0.9", 60010, "link");
    QVERIFY(receives(local));
    sendTo("239.192.0.56", 60056, "administration");
    QVERIFY(receives(m_controller->networkAdministrationSocket()));
    sendTo("239.192.0.24", 60024, "internal image");
    QVERIFY(receives(m_controller->binaryLocalSocket()));
}

void TestUdp61162450::intakeDrainsThenReads()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    socketInterface intake(m_controller.get());
    const QByteArray stale = datagram(QStringLiteral("g:1-1-1,s:AB0001,n:1"), QLatin1String(ggaBody));
    sendTo("239.192.0.3", 60003, stale);
    QTRY_VERIFY(m_controller->nmeaSocket()->hasPendingDatagrams());
    intake.init();
    intake.init();
    intake.setReceptionEnabled(true);
    QSignalSpy received(&intake, &socketInterface::recievedMessage);

    // What queued up before is thrown away at the first reading. Its readyRead came before init, so the
    // jam check does that reading. Then every datagram is handled.
    QTRY_VERIFY_WITH_TIMEOUT(!m_controller->nmeaSocket()->hasPendingDatagrams(), 3000);
    QCOMPARE(received.count(), 0);
    const QByteArray fresh = datagram(QStringLiteral("g:1-1-2,s:AB0001,n:2"), QLatin1String(ggaBody));
    sendTo("239.192.0.3", 60003, fresh);
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toByteArray(), fresh);
    QCOMPARE(received.at(0).at(2).toBool(), false);
}

void TestUdp61162450::receptionDisabled()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    socketInterface intake(m_controller.get());
    intake.init();
    QSignalSpy received(&intake, &socketInterface::recievedMessage);
    auto *jamTimer = intake.findChild<QTimer *>();
    QVERIFY(jamTimer);
    QCOMPARE(jamTimer->interval(), 550);
    QSignalSpy ticks(jamTimer, &QTimer::timeout);

    sendTo("239.192.0.3", 60003, datagram(QStringLiteral("g:1-1-1,s:AB0001,n:1"), QLatin1String(ggaBody)));
    QTRY_VERIFY(m_controller->nmeaSocket()->hasPendingDatagrams());
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 3000);
    QVERIFY(m_controller->nmeaSocket()->hasPendingDatagrams());
    QCOMPARE(received.count(), 0);
}

void TestUdp61162450::jammedSocketIsRead()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    socketInterface intake(m_controller.get());
    intake.init();
    intake.setReceptionEnabled(true);
    // The first reading drains.
    sendTo("239.192.0.3", 60003, "stale");
    QTRY_VERIFY(!m_controller->nmeaSocket()->hasPendingDatagrams());

    // A lost readyRead: the socket holds a datagram that nothing announced.
    QObject::disconnect(m_controller->nmeaSocket(), &QUdpSocket::readyRead, &intake, nullptr);
    QSignalSpy received(&intake, &socketInterface::recievedMessage);
    QTest::ignoreMessage(QtDebugMsg, "######## N");
    const QElapsedTimer sent = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    sendTo("239.192.0.3", 60003, datagram(QStringLiteral("g:1-1-1,s:AB0001,n:1"), QLatin1String(ggaBody)));
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 3000);
    // Two ticks of 550 ms at most; the margin is for a loaded machine.
    QVERIFY(sent.elapsed() < 2000);
}

void TestUdp61162450::sendingAndOwnDatagramsBack()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    socketInterface intake(m_controller.get());
    intake.init();
    intake.setReceptionEnabled(true);
    sendTo("239.192.0.3", 60003, "drained");
    QTRY_VERIFY(!m_controller->nmeaSocket()->hasPendingDatagrams());

    QUdpSocket listener;
    QVERIFY(
        listener.bind(QHostAddress::AnyIPv4, 60003, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    QVERIFY(listener.joinMulticastGroup(QHostAddress(QStringLiteral("239.192.0.3"))));
    QSignalSpy received(&intake, &socketInterface::recievedMessage);

    const QString own = ListOfSfisOnNetwork::instance()->externalLocalSfi();
    const QByteArrayList datagrams {
        datagram(QStringLiteral("g:1-2-1,s:%1,n:1").arg(own), QLatin1String(ggaBody)),
        datagram(QStringLiteral("g:2-2-1,s:%1,n:2").arg(own), QLatin1String(ggaBody)),
    };
    QVERIFY(intake.sendNmeaDatagrams(datagrams, false));
    QTRY_VERIFY(listener.hasPendingDatagrams());
    QCOMPARE(listener.receiveDatagram().data(), datagrams.at(0));
    QTRY_VERIFY(listener.hasPendingDatagrams());
    QCOMPARE(listener.receiveDatagram().data(), datagrams.at(1));
    // The unit's own datagrams come back over the loopback and are dropped.
    QTRY_VERIFY(!m_controller->nmeaSocket()->hasPendingDatagrams());
    QCOMPARE(received.count(), 0);

    // The internal link of this configuration is the transmission group itself.
    QVERIFY(intake.sendNmeaDatagrams({ datagrams.at(0) }, true));
    QTRY_VERIFY(listener.hasPendingDatagrams());
}

void TestUdp61162450::datagramToGroupController()
{
    // A peer's group packed by the sentence controller travels over the network, passes the intake and
    // comes out of the input buffer as one sentence group.
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    socketInterface intake(m_controller.get());
    intake.init();
    intake.setReceptionEnabled(true);
    sendTo("239.192.0.3", 60003, "drained");
    QTRY_VERIFY(!m_controller->nmeaSocket()->hasPendingDatagrams());

    NmeaOverUdpController *sentences = m_controller->nmeaOverUdpController();
    connect(sentences, &NmeaOverUdpController::sendDatagrams, &intake, &socketInterface::sendNmeaDatagrams);
    connect(&intake, &socketInterface::recievedMessage, sentences,
        &NmeaOverUdpController::processReceivedDatagram, Qt::QueuedConnection);
    QSignalSpy groups(sentences->nmeaInputBuffer(), &NmeaInputBuffer::parse);

    const QStringList messages { sentence(QLatin1String(ggaBody)), sentence(QStringLiteral("GPHDT,12.3,T")) };
    sentences->packUdp(messages, StandardSentence, false, QString(), QStringList(), QLatin1String(peerSfi));
    QTRY_COMPARE(groups.count(), 1);
    const NmeaGroupInfo group = groups.at(0).at(0).value<NmeaGroupInfo>();
    QCOMPARE(group.messages(), messages);
    QCOMPARE(group.sourceSfi(), QLatin1String(peerSfi));
    QCOMPARE(group.port(), UDP);
}

void TestUdp61162450::imagesOverTheImageGroup()
{
    makeWindowsDisplay();
    m_controller->setNmeaGroupAddress(QStringLiteral("239.192.0.3"), 60003);
    BinaryTransmissionController *images = m_controller->binaryTransmissionController();
    QUdpSocket *imageSocket = m_controller->binarySocketForWindowsLogging();
    connect(
        images, &BinaryTransmissionController::sendDatagrams, this, [this](const QByteArrayList &datagrams) {
            for (const QByteArray &datagram : datagrams)
                sendTo("239.192.0.23", 60023, datagram);
        });
    connect(imageSocket, &QUdpSocket::readyRead, images, [imageSocket, images] {
        while (imageSocket->hasPendingDatagrams())
            images->processRecievedBinaryDatagram(imageSocket->receiveDatagram().data());
    });
    QSignalSpy offered(images->inputBuffer(), &BinaryInputBuffer::useBinaryMessage);

    const QString previous = ListOfSfisOnNetwork::instance()->connectedSfis().value(0);
    ListOfSfisOnNetwork::instance()->connectSfi(ListOfSfisOnNetwork::instance()->localSfi());
    QByteArray image(6000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i % 251);
    images->packBinaryMessageForSending(image, QStringLiteral("over the wire"), 5);
    QTRY_COMPARE(offered.count(), 1);
    ListOfSfisOnNetwork::instance()->connectSfi(previous);
    QCOMPARE(offered.at(0).at(0).toByteArray(), image);
    QCOMPARE(offered.at(0).at(1).toString(), QStringLiteral("over the wire"));
    QCOMPARE(offered.at(0).at(2).toInt(), 4);
}

QTEST_GUILESS_MAIN(TestUdp61162450)
#include "tst_udp61162450_netns.moc"
