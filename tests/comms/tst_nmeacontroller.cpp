// The NMEA controller: received groups to the settings channel or the sentence checks, send requests
// into groups for the network or a serial port, the standby twins, output monitoring and output logging.
// Runs in this build's configuration (the speed-log display), whose input is never monitored but whose
// received sentences are repeated on serial port 1 once that port forwards: what reaches the sentence
// checks shows up there.

#include "FolderDevice.h"
#include "FreshInstance.h"
#include "common/SignalEmitter.h"
#include "comms/BufferedRecorder.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/ExternalNmeaController.h"
#include "comms/HeartbeatReceiver.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/MessageLogger.h"
#include "comms/NmeaController.h"
#include "comms/NmeaParserClass.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "data/CommsLoggingSetup.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "nmea/NmeaChecksum.h"
#include "platform/ESStorageDeviceController.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QString gga
    = framedSentence(QStringLiteral("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
const QString vtg = framedSentence(QStringLiteral("GPVTG,084.4,T,081.3,M,022.4,N,041.5,K,A"));
const QString hbt = framedSentence(QStringLiteral("GPHBT,30,A,1"));
const QString slp = framedSentence(QStringLiteral("PQRVSLP,GN1000,1"));
const QString pqrvDpt = framedSentence(QStringLiteral("PQRVDPT,12.5,0.5"));
const QString icm = framedSentence(QStringLiteral("PQRVICM,1,98,"));
const QString pair = framedSentence(QStringLiteral("PQRVPAIR,GN1001,GN1000,P"));
const QString sfiAck = framedSentence(QStringLiteral("PQRVSFIACK,GN1001,GN1000,PAIR,P"));
const QString sfiChk = framedSentence(QStringLiteral("PQRVSFICHK,GN1002,GN1001,1"));
const QString foreign = framedSentence(QStringLiteral("PXYZAB,1"));

// The sentence with another checksum than its own.
QString withWrongChecksum(const QString &sentence)
{
    QString text = sentence;
    const QString own = text.mid(text.size() - 4, 2);
    return text.replace(text.size() - 4, 2, own == QLatin1String("00") ? "01" : "00");
}

NmeaGroupInfo standardGroup(const QStringList &sentences, Port port = UDP)
{
    return NmeaGroupInfo(QStringLiteral("GN1001"), QStringList(), sentences, port, StandardSentence);
}

// The group, flag and destinations of every emission of the UDP signal.
struct UdpEmission
{
    NmeaGroupInfo group;
    bool toConnectedDevices;
    QStringList destinations;
};

QList<UdpEmission> udpEmissions(const QSignalSpy &spy)
{
    QList<UdpEmission> emissions;
    for (const QList<QVariant> &arguments : spy)
        emissions.append({ arguments.at(0).value<NmeaGroupInfo>(), arguments.at(1).toBool(),
            arguments.at(2).toStringList() });
    return emissions;
}

QList<NmeaGroupInfo> serialGroups(const QSignalSpy &spy)
{
    QList<NmeaGroupInfo> groups;
    for (const QList<QVariant> &arguments : spy)
        groups.append(arguments.at(0).value<NmeaGroupInfo>());
    return groups;
}

} // namespace

class tst_NmeaController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void withoutLoggingOrForwarding();

    void receivedSettingsText();
    void receivedSentences();
    void standbyReceive_data();
    void standbyReceive();
    void sendPrepared_data();
    void sendPrepared();
    void sendOfType();
    void sendListToDestination_data();
    void sendListToDestination();
    void sendSettingsText();
    void standbySend_data();
    void standbySend();
    void outputMonitor();
    void outputLog();
    void cuPorts();
    void hubConnections();
    void settingsTextThroughTheNetworkSender();

private:
    // The sentences that reached the sentence checks, in order (repeated on serial port 1).
    QStringList reachedChecks(const QSignalSpy &serial) const;

    // The logging device and the logs are new for every case: logs continue the files they find, and a
    // full log (500 records) would hide what a case adds.
    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<FolderDevice> m_device;
    std::unique_ptr<CommsLoggingSetup> m_loggingSetup;
    std::optional<FreshInstance<CommunicationsLogging>> m_logs;
    std::unique_ptr<ESCommunicationInformation> m_information;
    std::unique_ptr<CommunicationForwardingController> m_forwarding;
    std::unique_ptr<NmeaController> m_controller;
};

void tst_NmeaController::initTestCase()
{
    m_loggingSetup.reset(new CommsLoggingSetup(nullptr, QStringLiteral("CommunicationsLoggingSetup")));
    m_information.reset(new ESCommunicationInformation);
    m_forwarding.reset(new CommunicationForwardingController);
    m_forwarding->setCommunicationInformation(m_information.get());
}

void tst_NmeaController::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_device.reset(new FolderDevice(m_dir->path()));
    m_logs.emplace(m_loggingSetup.get(), m_device.get(), true);
    m_controller.reset(new NmeaController);
    m_controller->setCommunicationForwardingController(m_forwarding.get());
    // Every port's input is repeated on serial port 1.
    m_forwarding->setForwarding(Serial_1, Serial_1, true);
    m_information->setCommsInfoOn(0);
    ErrorLogger::instance()->resetCounters();
}

void tst_NmeaController::cleanup()
{
    m_forwarding->setForwarding(Serial_1, Serial_1, false);
    m_controller.reset();
    m_logs.reset();
}

void tst_NmeaController::withoutLoggingOrForwarding()
{
    // Neither the logs nor the forwarding controller are there yet: sentences are still checked,
    // counted and sent.
    CommunicationsLogging::TestOverride noLogs(static_cast<CommunicationsLogging *>(nullptr));
    QVERIFY(!CommunicationsLogging::instance());
    NmeaController controller;
    QSignalSpy heartbeats(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived);
    controller.handleReceivedNmeaList(standardGroup({ hbt }));
    controller.handleReceivedNmeaList(standardGroup({ withWrongChecksum(gga) }, Serial_1));
    QCOMPARE(heartbeats.count(), 1);
    QCOMPARE(ErrorLogger::instance()->nmeaErrorCount(NmeaChecksumError, Serial_1), 1);

    QSignalSpy udp(&controller, &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    QSignalSpy serial(&controller, &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    controller.sendPreparedStandardNmeaMessageOverPort(QStringLiteral("GGA"), gga, UDP, false);
    controller.sendPreparedStandardNmeaListWithCustomDestinationSFI(
        QStringLiteral("GGA"), { gga }, Serial_1, QString(), QString());
    QCOMPARE(udp.count(), 1);
    QCOMPARE(serial.count(), 1);
}

QStringList tst_NmeaController::reachedChecks(const QSignalSpy &serial) const
{
    QStringList sentences;
    for (const NmeaGroupInfo &group : serialGroups(serial))
        sentences << group.messages();
    return sentences;
}

void tst_NmeaController::receivedSettingsText()
{
    const QString text = ESDataClass::instance()->setup()->serialize();
    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    m_controller->sendProprietaryNmeaList(text);
    QCOMPARE(udp.count(), 1);
    NmeaGroupInfo group = udp.at(0).at(0).value<NmeaGroupInfo>();

    // Proprietary data goes to the settings channel, and nothing of it to the sentence checks.
    QSignalSpy data(m_controller->nmeaParser(), &NmeaParserClass::dataReceived);
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    group.setSourceSfi(QStringLiteral("GN1001"));
    m_controller->handleReceivedNmeaList(group);
    QCOMPARE(data.count(), 1);
    QCOMPARE(data.at(0).at(0).toString(), text);
    QCOMPARE(serial.count(), 0);

    // The same sentences as standard sentences are only checked: sound, without a message class.
    group.setMessageType(StandardSentence);
    m_controller->handleReceivedNmeaList(group);
    QCOMPARE(data.count(), 1);
    QCOMPARE(reachedChecks(serial), group.messages());
    QCOMPARE(ErrorLogger::instance()->totalNmeaErrorsAllPorts(), 0);
}

void tst_NmeaController::receivedSentences()
{
    QSignalSpy heartbeats(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived);
    QSignalSpy data(m_controller->nmeaParser(), &NmeaParserClass::dataReceived);
    m_controller->handleReceivedNmeaList(standardGroup({ hbt, withWrongChecksum(vtg) }));
    QCOMPARE(heartbeats.count(), 1);
    QCOMPARE(heartbeats.at(0), (QList<QVariant> { QStringLiteral("GP"), QStringLiteral("GN1001") }));
    QCOMPARE(ErrorLogger::instance()->nmeaErrorCount(NmeaChecksumError, UDP), 1);
    QCOMPARE(data.count(), 0);
}

void tst_NmeaController::standbyReceive_data()
{
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QStringList>("checked");

    QTest::newRow("only SLP passes") << QStringList { gga, slp, pqrvDpt } << QStringList { slp };
    QTest::newRow("standard sentences only: dropped") << QStringList { gga, vtg } << QStringList();
    QTest::newRow("the standby protocol")
        << QStringList { icm, sfiChk, pair, sfiAck } << QStringList { icm, pair, sfiAck };
    QTest::newRow("another maker's address is not examined")
        << QStringList { foreign, gga } << QStringList { foreign };
    QTest::newRow("a sentence without fields")
        << QStringList { framedSentence(QStringLiteral("PQRVSLP")), framedSentence(QStringLiteral("GPHDT")) }
        << QStringList { framedSentence(QStringLiteral("PQRVSLP")) };
}

void tst_NmeaController::standbyReceive()
{
    QFETCH(QStringList, received);
    QFETCH(QStringList, checked);

    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    m_controller->handleReceivedNmeaListInStandby(standardGroup(received));
    QCOMPARE(reachedChecks(serial), checked);

    // Settings text keeps flowing in standby.
    QSignalSpy data(m_controller->nmeaParser(), &NmeaParserClass::dataReceived);
    NmeaGroupInfo settings = m_controller->nmeaParser()->dataToNmeaList(QStringLiteral("Type_Setup,A=1"));
    m_controller->handleReceivedNmeaListInStandby(settings);
    QCOMPARE(data.count(), 1);
}

void tst_NmeaController::sendPrepared_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("toConnectedDevices");
    QTest::addColumn<bool>("overUdp");
    QTest::addColumn<int>("messageType");

    QTest::newRow("SRP over the network") << "SRP" << int(UDP) << false << true << int(NetworkAdministration);
    QTest::newRow("SRP on a serial port")
        << "SRP" << int(Serial_1) << false << false << int(NetworkAdministration);
    QTest::newRow("lower-case srp") << "srp" << int(UDP) << false << true << int(StandardSentence);
    QTest::newRow("to the connected devices") << "PAIR" << int(UDP) << true << true << int(StandardSentence);
    QTest::newRow("serial port 3") << "GGA" << int(Serial_3) << false << false << int(StandardSentence);
}

void tst_NmeaController::sendPrepared()
{
    QFETCH(QString, type);
    QFETCH(int, port);
    QFETCH(bool, toConnectedDevices);
    QFETCH(bool, overUdp);
    QFETCH(int, messageType);

    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    m_controller->sendPreparedStandardNmeaMessageOverPort(type, gga, Port(port), toConnectedDevices);

    QCOMPARE(udp.count(), overUdp ? 1 : 0);
    QCOMPARE(serial.count(), overUdp ? 0 : 1);
    NmeaGroupInfo group;
    if (overUdp) {
        const UdpEmission emission = udpEmissions(udp).first();
        QCOMPARE(emission.toConnectedDevices, toConnectedDevices);
        QVERIFY(emission.destinations.isEmpty());
        group = emission.group;
    } else {
        group = serialGroups(serial).first();
    }
    QCOMPARE(group.messages(), QStringList { gga });
    QCOMPARE(group.port(), Port(port));
    QCOMPARE(int(group.messageType()), messageType);
    QVERIFY(group.destinationSfis().isEmpty());
}

void tst_NmeaController::sendOfType()
{
    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);

    // The display's SRP, under the talker of its own SFI.
    m_controller->sendStandardNmeaMessageOfTypeOverPort(QStringLiteral("SRP"), UDP);
    QCOMPARE(udp.count(), 1);
    const UdpEmission emission = udpEmissions(udp).first();
    QCOMPARE(emission.group.messageCount(), 1);
    const QString talker = ListOfSfisOnNetwork::instance()->externalLocalSfi().left(2);
    QVERIFY2(emission.group.messages().first().startsWith("$" + talker + "SRP,"),
        qPrintable(emission.group.messages().first()));
    QCOMPARE(emission.group.messageType(), NetworkAdministration);
    QCOMPARE(emission.toConnectedDevices, false);
    QVERIFY(emission.destinations.isEmpty());

    m_controller->sendStandardNmeaMessageOfTypeOverPort(
        QStringLiteral("SRP"), Serial_3, QStringLiteral("II"));
    QCOMPARE(serial.count(), 1);
    QVERIFY(serialGroups(serial).first().messages().first().startsWith(QLatin1String("$IISRP,")));

    // The display has no HBT handler: nothing can be built, and nothing is sent.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^No sentence of type HBT")));
    m_controller->sendStandardNmeaMessageOfTypeOverPort(QStringLiteral("HBT"), UDP);
    QCOMPARE(udp.count(), 1);
    QCOMPARE(serial.count(), 1);
}

void tst_NmeaController::sendListToDestination_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QStringList>("destinations");
    QTest::addColumn<int>("messageType");

    QTest::newRow("no destination") << "ALF" << int(UDP) << QString() << QStringList()
                                    << int(StandardSentence);
    QTest::newRow("one destination") << "ALF" << int(UDP) << "GN1001" << QStringList { "GN1001" }
                                     << int(StandardSentence);
    QTest::newRow("SRP") << "SRP" << int(UDP) << "GN1001" << QStringList { "GN1001" }
                         << int(NetworkAdministration);
    QTest::newRow("serial port") << "ALF" << int(Serial_1) << "GN1001" << QStringList { "GN1001" }
                                 << int(StandardSentence);
}

void tst_NmeaController::sendListToDestination()
{
    QFETCH(QString, type);
    QFETCH(int, port);
    QFETCH(QString, destination);
    QFETCH(QStringList, destinations);
    QFETCH(int, messageType);

    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    m_controller->sendPreparedStandardNmeaListWithCustomDestinationSFI(
        type, { gga, vtg }, Port(port), QStringLiteral("GP"), destination);
    NmeaGroupInfo group;
    if (port == UDP) {
        QCOMPARE(udp.count(), 1);
        QCOMPARE(serial.count(), 0);
        const UdpEmission emission = udpEmissions(udp).first();
        QCOMPARE(emission.destinations, destinations);
        QCOMPARE(emission.toConnectedDevices, false);
        group = emission.group;
    } else {
        QCOMPARE(udp.count(), 0);
        QCOMPARE(serial.count(), 1);
        group = serialGroups(serial).first();
    }
    QCOMPARE(group.messages(), (QStringList { gga, vtg }));
    QCOMPARE(group.destinationSfis(), destinations);
    QVERIFY(group.sourceSfi().isEmpty());
    QCOMPARE(int(group.messageType()), messageType);
}

void tst_NmeaController::sendSettingsText()
{
    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    const QString text = QStringLiteral("Type_Setup,") + QString(100, QLatin1Char('x'));
    m_controller->sendProprietaryNmeaList(text);
    m_controller->sendProprietaryNmeaList(text, QStringLiteral("PQRVMMM"), { QStringLiteral("GN1001") });

    QCOMPARE(serial.count(), 0);
    const QList<UdpEmission> emissions = udpEmissions(udp);
    QCOMPARE(emissions.size(), 2);
    QCOMPARE(emissions.at(0).group.messageType(), InternalData);
    QCOMPARE(emissions.at(0).toConnectedDevices, true);
    QVERIFY(emissions.at(0).destinations.isEmpty());
    QCOMPARE(emissions.at(0).group.messageCount(), 2);
    for (const QString &each : emissions.at(0).group.messages())
        QVERIFY(each.startsWith(QLatin1String("$PQRVAVG,")));
    QCOMPARE(emissions.at(1).destinations, QStringList { "GN1001" });
    QVERIFY(emissions.at(1).group.messages().first().startsWith(QLatin1String("$PQRVMMM,")));
}

void tst_NmeaController::standbySend_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("sent");

    QTest::newRow("prepared SLP") << "prepared"
                                  << "SLP" << true;
    QTest::newRow("prepared GGA") << "prepared"
                                  << "GGA" << false;
    QTest::newRow("of type SFIACK") << "type"
                                    << "SFIACK" << true;
    QTest::newRow("of type ICM passes on receive only") << "type"
                                                        << "ICM" << false;
    QTest::newRow("of type lower-case pair") << "type"
                                             << "pair" << false;
    QTest::newRow("list PAIR") << "list"
                               << "PAIR" << true;
    QTest::newRow("list ALF") << "list"
                              << "ALF" << false;
    QTest::newRow("settings text of the operating mode")
        << "settings"
        << "Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemInNormalOrStandbyMode=0" << true;
    QTest::newRow("settings text of the polling test") << "settings"
                                                       << "Type_Setup,SingleProperty,X,PollingTest=1" << true;
    QTest::newRow("other settings text")
        << "settings"
        << "Type_Setup,SingleProperty,ESSetup,AlertSetup,AlertDeep=5" << false;
}

void tst_NmeaController::standbySend()
{
    QFETCH(QString, slot);
    QFETCH(QString, argument);
    QFETCH(bool, sent);

    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    const QString slpSentence = framedSentence(QStringLiteral("PQRVSLP,GN1000,1"));
    if (slot == QLatin1String("prepared"))
        m_controller->sendPreparedStandardNmeaMessageOverPortInStandby(argument, slpSentence, UDP, false);
    else if (slot == QLatin1String("type"))
        m_controller->sendStandardNmeaMessageOfTypeOverPortInStandby(argument, UDP, QStringLiteral("PQRV"));
    else if (slot == QLatin1String("list"))
        m_controller->sendPreparedStandardNmeaListWithCustomDestinationSFIInStandby(
            argument, { slpSentence }, UDP, QString(), QStringLiteral("GN1001"));
    else
        m_controller->sendProprietaryNmeaListInStandby(argument);
    QCOMPARE(udp.count(), sent ? 1 : 0);
    QCOMPARE(serial.count(), 0);
}

void tst_NmeaController::outputMonitor()
{
    // On a display the monitor channels 4 to 6 are its serial ports 0 to 2.
    m_information->setCommsInfoOn(1);
    m_information->setDataDirection(0);
    m_information->setDataFormat(1);
    m_information->setChannelNumber(4);
    QSignalSpy batches(m_forwarding.get(), &CommunicationForwardingController::comsInformationReceived);

    m_controller->sendPreparedStandardNmeaMessageOverPort(QStringLiteral("GGA"), gga, Serial_1, false);
    m_controller->sendPreparedStandardNmeaListWithCustomDestinationSFI(
        QStringLiteral("VTG"), { vtg, gga }, Serial_1, QString(), QString());
    m_controller->sendPreparedStandardNmeaMessageOverPort(QStringLiteral("GGA"), gga, Serial_3, false);
    m_controller->sendProprietaryNmeaList(QStringLiteral("Type_Setup,A=1"));

    QCOMPARE(batches.count(), 2);
    QCOMPARE(batches.at(0).at(0).value<QList<QString>>(), QList<QString> { gga.left(gga.size() - 2) });
    QCOMPARE(batches.at(0).at(1).value<QList<int>>(), QList<int> { 0 });
    QCOMPARE(batches.at(1).at(0).value<QList<QString>>(),
        (QList<QString> { vtg.left(vtg.size() - 2), gga.left(gga.size() - 2) }));
    QCOMPARE(batches.at(1).at(1).value<QList<int>>(), (QList<int> { 0, 0 }));
}

void tst_NmeaController::outputLog()
{
    const MessageLogger *log = CommunicationsLogging::instance()->outputMessageLogger();
    const int serialBefore = log->recorder(Serial_3)->recordCount();
    const int udpBefore = log->recorder(UDP)->recordCount();

    m_controller->sendProprietaryNmeaList(QString(300, QLatin1Char('x')));
    QCOMPARE(log->recorder(UDP)->recordCount(), udpBefore);

    m_controller->sendPreparedStandardNmeaListWithCustomDestinationSFI(
        QStringLiteral("GGA"), { gga, vtg, hbt }, Serial_3, QString(), QString());
    QCOMPARE(log->recorder(Serial_3)->recordCount(), serialBefore + 3);
    QVERIFY(log->recorder(Serial_3)->contents().endsWith(" >> " + hbt + "<<"));

    m_controller->sendPreparedStandardNmeaMessageOverPort(QStringLiteral("SRP"), gga, UDP, false);
    QCOMPARE(log->recorder(UDP)->recordCount(), udpBefore + 1);
}

void tst_NmeaController::cuPorts()
{
    // Requests of the CU-port relay leave on the named serial port.
    QSignalSpy serial(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    emit m_forwarding->cuPortOutMessagesToSend({ gga, vtg }, Serial_3);
    QCOMPARE(serial.count(), 1);
    const NmeaGroupInfo group = serialGroups(serial).first();
    QCOMPARE(group.messages(), (QStringList { gga, vtg }));
    QCOMPARE(group.port(), Serial_3);
    QCOMPARE(group.messageType(), StandardSentence);

    // What the relay receives is checked as input of the first additional port, without a source.
    QSignalSpy heartbeats(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived);
    QVERIFY(QMetaObject::invokeMethod(
        m_controller.get(), "handleMessagesFromCuPorts", Q_ARG(QStringList, QStringList { hbt })));
    QCOMPARE(heartbeats.count(), 1);
    QCOMPARE(heartbeats.at(0), (QList<QVariant> { QStringLiteral("GP"), QString() }));

    // A second forwarding controller replaces the first.
    CommunicationForwardingController other;
    m_controller->setCommunicationForwardingController(&other);
    emit m_forwarding->cuPortOutMessagesToSend({ gga }, Serial_1);
    QCOMPARE(serial.count(), 2);
    emit other.cuPortOutMessagesToSend({ gga }, Serial_1);
    QCOMPARE(serial.count(), 3);
    m_controller->setCommunicationForwardingController(m_forwarding.get());
}

void tst_NmeaController::hubConnections()
{
    // The start-up connects the hubs by signature, with unique connections: the overloads that moc
    // makes from the defaults must exist, and a repeated connect adds nothing.
    SignalEmitter hub;
    const auto connectOnce = [&](const char *signal, const char *slot) {
        return bool(connect(&hub, signal, m_controller.get(), slot, Qt::UniqueConnection));
    };
    QVERIFY(connectOnce(SIGNAL(signalTypeAndCompleteNmeaMessageAndPort(QString, QString, Port, bool)),
        SLOT(sendPreparedStandardNmeaMessageOverPort(QString, QString, Port, bool))));
    QVERIFY(!connectOnce(SIGNAL(signalTypeAndCompleteNmeaMessageAndPort(QString, QString, Port, bool)),
        SLOT(sendPreparedStandardNmeaMessageOverPort(QString, QString, Port, bool))));
    QVERIFY(connectOnce(SIGNAL(signalNmeaMessageTypeAndPortAndId(QString, Port, QString)),
        SLOT(sendStandardNmeaMessageOfTypeOverPortInStandby(QString, Port, QString))));
    QVERIFY(connectOnce(SIGNAL(signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
                            QString, QList<QString>, Port, QString, QString)),
        SLOT(sendPreparedStandardNmeaListWithCustomDestinationSFI(
            QString, QList<QString>, Port, QString, QString))));

    QSignalSpy udp(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    emit hub.signalTypeAndCompleteNmeaMessageAndPort(QStringLiteral("GGA"), gga, UDP, true);
    QCOMPARE(udp.count(), 1);
    QCOMPARE(udp.at(0).at(1).toBool(), true);
    emit hub.signalNmeaMessageTypeAndPortAndId(QStringLiteral("SLP"), UDP, QStringLiteral("PQRV"));
    QCOMPARE(udp.count(), 2);
    QVERIFY(udp.at(1).at(0).value<NmeaGroupInfo>().messages().first().startsWith(QLatin1String("$PQRVSLP,")));
}

void tst_NmeaController::settingsTextThroughTheNetworkSender()
{
    // The start-up hands the controller's groups to the network sender; settings text leaves as
    // sentence datagrams that carry the data sentences unchanged.
    NmeaOverUdpController sender(1, 2, 8);
    QVERIFY(connect(m_controller.get(), &NmeaController::nmeaGroupReadyToBeSentOverUdp, &sender,
        &NmeaOverUdpController::packSerializedString));
    QSignalSpy datagrams(&sender, &NmeaOverUdpController::sendDatagrams);
    const QString text = QStringLiteral("Type_Runtime,") + QString(200, QLatin1Char('y'));
    m_controller->sendProprietaryNmeaList(text, QStringLiteral("PQRVAVG"), { QStringLiteral("GN1001") });
    QVERIFY(datagrams.count() >= 1);
    QByteArray all;
    for (const QList<QVariant> &arguments : qAsConst(datagrams)) {
        for (const QByteArray &datagram : arguments.at(0).value<QByteArrayList>())
            all += datagram;
    }
    const QStringList sentences = m_controller->nmeaParser()->sentSentences();
    QCOMPARE(sentences.size(), 4);
    for (const QString &each : sentences)
        QVERIFY2(all.contains(each.toLatin1()), qPrintable(each));
}

QTEST_GUILESS_MAIN(tst_NmeaController)
#include "tst_nmeacontroller.moc"
