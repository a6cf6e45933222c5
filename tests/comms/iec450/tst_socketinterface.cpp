// The datagram intake: size, header and tag-block checks with their error codes, the filter on
// destination, source and sentence type, and sends on sockets the configuration does not have. The
// checks are fed directly (no socket is bound and nothing is sent); the reading from real sockets is in
// tst_udp61162450_netns.

#include "SentenceDatagrams.h"
#include "common/BuildConfiguration.h"
#include "comms/BufferedRecorder.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/socketInterface.h"
#include "data/CommsLoggingSetup.h"
#include "data/ESCommunicationInformation.h"
#include "platform/EthernetInterfaces.h"

#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

using namespace SentenceDatagrams;

namespace {
const char connectedSource[] = "AB0001";
const char unknownSource[] = "CD0002";
const char ggaBody[] = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
} // namespace

class TestSocketInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void intake_data();
    void intake();
    void datagramSizeLimit_data();
    void datagramSizeLimit();
    void acceptedTypeLists();
    void sendWithoutSocket();
    void filterDatagramLines();
    void droppedDatagramsOnTheMonitor_data();
    void droppedDatagramsOnTheMonitor();
    void errorsAreRecorded();

private:
    static QString ownSfi() { return ListOfSfisOnNetwork::instance()->externalLocalSfi(); }

    EthernetInterfaces *m_interfaces = nullptr;
    Udp61162450Controller *m_controller = nullptr;
    socketInterface *m_intake = nullptr;
};

void TestSocketInterface::initTestCase()
{
    qRegisterMetaType<QByteArray>();
    m_interfaces = new EthernetInterfaces(this, QStringLiteral("lo"));
    m_controller = new Udp61162450Controller(m_interfaces, this);
    m_intake = new socketInterface(m_controller, this);
    ListOfSfisOnNetwork::instance()->connectSfi(QLatin1String(connectedSource));
    QVERIFY(!ownSfi().isEmpty());
    QVERIFY(ownSfi() != QLatin1String(connectedSource) && ownSfi() != QLatin1String(unknownSource));
}

void TestSocketInterface::intake_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("emitted");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<int>("code"); // the one error code counted, 0 for none

    const QString own = ownSfi();
    const QString gga = sentence(QLatin1String(ggaBody));
    const QString from = QStringLiteral("g:1-1-7,s:%1,n:12").arg(QLatin1String(unknownSource));

    QTest::newRow("valid line") << datagram(from, QLatin1String(ggaBody)) << true << false << 0;
    QTest::newRow("header only") << QByteArray("UdPbC") << false << false << 0;
    QTest::newRow("four bytes") << QByteArray("UdPb") << false << false << 79;
    QTest::newRow("no NUL after header")
        << QByteArray("UdPbCx" + taggedLine(from, gga).toLatin1()) << false << false << 79;
    QTest::newRow("header in upper case")
        << QByteArray("UDPBC\0" + taggedLine(from, gga).toLatin1(), 6 + taggedLine(from, gga).size()) << false
        << false << 79;
    QTest::newRow("line without backslash")
        << datagram(QStringList { from + QLatin1Char('\\') + gga }) << false << false << 73;
    QTest::newRow("tag block not closed")
        << datagram(QStringList { QLatin1Char('\\') + from + QLatin1String("*00") + QLatin1String("\r\n") })
        << false << false << 73;
    // 81 characters with "*" and the two digits: the text tag pads the content to 78.
    const QString longTag = from + QLatin1String(",t:") + QString(78 - from.size() - 3, QLatin1Char('a'));
    QTest::newRow("tag block of 81") << datagram(longTag, QLatin1String(ggaBody)) << false << false << 73;
    const QString tag80 = longTag.left(77);
    QTest::newRow("tag block of 80") << datagram(tag80, QLatin1String(ggaBody)) << true << false << 0;
    QTest::newRow("tag block without checksum")
        << datagram(QStringList { QLatin1Char('\\') + from + QLatin1Char('\\') + gga }) << false << false
        << 71;
    QTest::newRow("wrong tag checksum")
        << datagram(QStringList { QLatin1Char('\\') + from + QLatin1String("*00\\") + gga }) << false << false
        << 71;
    QTest::newRow("source of five") << datagram(
        QStringLiteral("g:1-1-7,s:CD002,n:12"), QLatin1String(ggaBody))
                                    << false << false << 72;
    QTest::newRow("line count 1000") << datagram(
        QStringLiteral("g:1-1-7,s:CD0002,n:1000"), QLatin1String(ggaBody))
                                     << false << false << 72;
    QTest::newRow("destination of seven")
        << datagram(QStringLiteral("g:1-1-7,s:CD0002,d:EF00003,n:12"), QLatin1String(ggaBody)) << false
        << false << 72;
    QTest::newRow("one good line, one bad checksum") << datagram(QStringList {
        taggedLine(from, gga), QLatin1Char('\\') + QStringLiteral("g:1-1-7,s:CD0002,n:13*00\\") + gga })
                                                     << true << false << 71;

    // The filter.
    QTest::newRow("addressed to another unit")
        << datagram(QStringLiteral("g:1-1-7,s:CD0002,d:EF0003,n:12"), QLatin1String(ggaBody)) << false
        << false << 0;
    QTest::newRow("addressed to this unit")
        << datagram(QStringLiteral("g:1-1-7,s:CD0002,d:EF0003,d:%1,n:12").arg(own), QLatin1String(ggaBody))
        << true << false << 0;
    QTest::newRow("proprietary data without destination")
        << datagram(QStringLiteral("g:1-1-7,s:AB0001,n:12,t:pqrvsetup"), QLatin1String("PQRVSFICHK,AB0001"))
        << false << false << 0;
    QTest::newRow("proprietary data for this unit") << datagram(
        QStringLiteral("g:1-1-7,s:AB0001,d:%1,n:12,t:pqrvsetup").arg(own), QLatin1String("PQRVSFICHK,AB0001"))
                                                    << true << true << 0;
    QTest::newRow("own datagram back")
        << datagram(QStringLiteral("g:1-1-7,s:%1,n:12").arg(own), QLatin1String(ggaBody)) << false << false
        << 0;
    QTest::newRow("DPT from talker II")
        << datagram(from, QStringLiteral("IIDPT,12.3,0.5,")) << true << false << 0;
    QTest::newRow("DPT from talker SD")
        << datagram(from, QStringLiteral("SDDPT,12.3,0.5,")) << false << false << 0;
    QTest::newRow("DPT from talker SD, connected source")
        << datagram(QStringLiteral("g:1-1-7,s:AB0001,n:12"), QStringLiteral("SDDPT,12.3,0.5,")) << true
        << false << 0;
    QTest::newRow("DPT from talker SD, source ZQ1111")
        << datagram(QStringLiteral("g:1-1-7,s:ZQ1111,n:12"), QStringLiteral("SDDPT,12.3,0.5,")) << true
        << false << 0;
    QTest::newRow("proprietary SFICHK")
        << datagram(from, QStringLiteral("PQRVSFICHK,CD0002")) << true << false << 0;
    QTest::newRow("type in lower case") << datagram(from, QStringLiteral("GPgga,1")) << true << false << 0;
    QTest::newRow("short address") << datagram(from, QStringLiteral("GGA,1")) << false << false << 0;
    QTest::newRow("sentence with !") << datagram(QStringList {
        taggedLine(from, QStringLiteral("!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26\r\n")) })
                                     << false << false << 76;
}

void TestSocketInterface::intake()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, emitted);
    QFETCH(bool, internal);
    QFETCH(int, code);

    ErrorLogger *errors = ErrorLogger::instance();
    errors->resetCounters();
    QSignalSpy received(m_intake, &socketInterface::recievedMessage);
    m_intake->processDatagram(datagram, false);

    QCOMPARE(received.count(), emitted ? 1 : 0);
    if (emitted) {
        QCOMPARE(received.at(0).at(0).toByteArray(), datagram);
        QCOMPARE(received.at(0).at(0).toByteArray().at(5), '\0');
        QCOMPARE(received.at(0).at(1).toBool(), internal);
        QCOMPARE(received.at(0).at(2).toBool(), false);
    }
    QCOMPARE(errors->totalUdpNmeaErrors(), code ? 1 : 0);
    if (code) {
        QCOMPARE(errors->udpErrorCount(code), 1);
        QCOMPARE(m_intake->lastErrorCode(), code);
    }
    if (code == 76)
        QCOMPARE(errors->nmeaErrorCount(2, 3), 1);
}

void TestSocketInterface::datagramSizeLimit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("emitted");
    QTest::newRow("1460") << 1460 << true;
    QTest::newRow("1461") << 1461 << false;
    QTest::newRow("64 KiB") << 65000 << false;
}

void TestSocketInterface::datagramSizeLimit()
{
    QFETCH(int, size);
    QFETCH(bool, emitted);

    // One line whose sentence is stretched by its last field to the size asked for.
    const QString tag = QStringLiteral("g:1-1-7,s:CD0002,n:12");
    const QByteArray empty = datagram(QStringList { taggedLine(tag, QLatin1String("$GPGGA,\r\n")) });
    const QString filler(size - empty.size(), QLatin1Char('x'));
    const QByteArray stretched = datagram(
        QStringList { taggedLine(tag, QLatin1String("$GPGGA,") + filler + QLatin1String("\r\n")) });
    QCOMPARE(stretched.size(), size);

    ErrorLogger::instance()->resetCounters();
    QSignalSpy received(m_intake, &socketInterface::recievedMessage);
    m_intake->processDatagram(stretched, false);
    QCOMPARE(received.count(), emitted ? 1 : 0);
    QCOMPARE(ErrorLogger::instance()->udpErrorCount(75), emitted ? 0 : 1);
    QCOMPARE(ErrorLogger::instance()->totalUdpNmeaErrors(), emitted ? 0 : 1);
}

void TestSocketInterface::acceptedTypeLists()
{
    QCOMPARE(socketInterface::acceptedSentenceTypes().size(), 29);
    QCOMPARE(socketInterface::acceptedSentenceTypes().first(), QStringLiteral("SFICHK"));
    QCOMPARE(socketInterface::acceptedSentenceTypes().last(), QStringLiteral("SRP"));
    QCOMPARE(socketInterface::acceptedTalkerSentences(), QStringList { QStringLiteral("IIDPT") });
    QCOMPARE(socketInterface::proprietaryAddresses(), QStringList { QStringLiteral("PQRV") });
}

void TestSocketInterface::sendWithoutSocket()
{
    // This configuration has no network-administration socket, and the image sockets are never handed to
    // the intake: both sends are reported and write nothing.
    QVERIFY(!m_controller->networkAdministrationSocket());
    const QByteArrayList datagrams { datagram(
        QStringLiteral("g:1-1-1,s:AB0001,n:1"), QStringLiteral("GPSRP,1")) };
    QTest::ignoreMessage(QtDebugMsg, "No network administration socket, datagrams dropped:  1");
    QVERIFY(!m_intake->sendNetworkAdministrationDatagrams(datagrams));
    QTest::ignoreMessage(QtDebugMsg, "No image socket, datagrams dropped:  1");
    QVERIFY(!m_intake->sendBinaryDatagrams(datagrams, false));
    QTest::ignoreMessage(QtDebugMsg, "No image socket, datagrams dropped:  1");
    QVERIFY(!m_intake->sendBinaryDatagrams(datagrams, true));
}

void TestSocketInterface::filterDatagramLines()
{
    // Lines are filtered one by one as if each came from the network; an SD talker's DPT from an unknown
    // source goes, the GGA stays.
    const QString from = QStringLiteral("g:1-2-7,s:CD0002,n:12");
    const QString keep = taggedLine(from, sentence(QLatin1String(ggaBody)));
    const QString drop = taggedLine(from, sentence(QStringLiteral("SDDPT,12.3,0.5,")));
    QByteArray lines = (drop + keep).toLatin1();
    QVERIFY(m_intake->filterDatagramLines(lines));
    QCOMPARE(QString::fromLatin1(lines), keep.left(keep.size() - 2));

    QByteArray none = drop.toLatin1();
    QVERIFY(!m_intake->filterDatagramLines(none));
    QCOMPARE(none, drop.toLatin1());
}

void TestSocketInterface::droppedDatagramsOnTheMonitor_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("shown");

    QTest::newRow("DPT from talker SD") << datagram(QStringLiteral("g:1-1-7,s:CD0002,n:12"),
        QStringLiteral("SDDPT,1,2,")) << QStringLiteral("SDDPT1");
    QTest::newRow("accepted GGA") << datagram(QStringLiteral("g:1-1-7,s:CD0002,n:12"), QLatin1String(ggaBody))
                                  << QString();
    QTest::newRow("proprietary data of another unit") << datagram(
        QStringLiteral("g:1-1-7,s:CD0002,d:EF0003,n:12,t:pqrvsetup"), QStringLiteral("PQRVSFICHK,CD0002"))
                                                      << QString();
    QTest::newRow("proprietary data of the test source") << datagram(
        QStringLiteral("g:1-1-7,s:ZQ1111,d:EF0003,n:12,t:pqrvsetup"), QStringLiteral("PQRVSFICHK,ZQ1111"))
                                                         << QStringLiteral("PQRVSFICHK1");
}

void TestSocketInterface::droppedDatagramsOnTheMonitor()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, shown);

    // A junction box whose monitor shows the input of channel 3, the network.
    BuildConfiguration::TestOverride junctionBox(
        QStringLiteral("JB"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"));
    ESCommunicationInformation information;
    information.setCommsInfoOn(1);
    information.setDataDirection(1);
    information.setChannelNumber(3);
    CommunicationForwardingController forwarding;
    forwarding.setCommunicationInformation(&information);
    m_intake->setCommunicationForwardingController(&forwarding);

    m_intake->processDatagram(datagram, false);
    m_intake->setCommunicationForwardingController(nullptr);
    QCOMPARE(information.CommsData(), shown);
}

void TestSocketInterface::errorsAreRecorded()
{
    // The process-wide log, without a logging device: the records stay in memory.
    auto *setup = new CommsLoggingSetup(nullptr, QStringLiteral("CommunicationsLoggingSetup"));
    CommunicationsLogging::create(setup, nullptr, false);
    InputErrorLogger *log = CommunicationsLogging::instance()->inputErrorLogger();
    log->setUdpNmeaDatagramLogging(true);

    const QString bad = QStringLiteral("\\g:1-1-7,s:CD0002,n:12*00\\$GPGGA,1*00\r\n");
    m_intake->processDatagram(QByteArray("UdPbCx"), false);
    m_intake->processDatagram(datagram(QStringList { bad }), false);
    m_intake->processDatagram(QByteArray(1461, 'U'), false);
    m_intake->processDatagram(datagram(QStringList { taggedLine(
                                  QStringLiteral("g:1-1-7,s:CD0002,n:12"), QStringLiteral("!AIVDM,1\r\n")) }),
        false);

    const QString records = log->udpNmeaRecorder()->contents();
    QVERIFY2(records.contains(QStringLiteral("79: UdPbCx")), qPrintable(records));
    QVERIFY2(records.contains(QStringLiteral("71: ") + bad.mid(1).chopped(2) + QStringLiteral("<<")),
        qPrintable(records));
    QVERIFY2(records.contains(QStringLiteral("76: UdPbC\\g:1-1-7")), qPrintable(records));
    // A datagram that is too long is counted only.
    QCOMPARE(log->udpNmeaRecorder()->recordCount(), 3);
}

QTEST_GUILESS_MAIN(TestSocketInterface)
#include "tst_socketinterface.moc"
