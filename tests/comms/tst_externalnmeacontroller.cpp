// Received-sentence checking and dispatch: every sentence of a group is checked, every faulty one is
// counted per port and written to the input-error log, a group with a faulty sentence is dropped whole,
// and sound sentences reach their handlers, the monitor and the input-message log. Runs as a junction
// box of the speed log, whose handler set takes the standard sentences; single cases switch the role,
// platform or product for the dispatch rules that depend on them.

#include "FolderDevice.h"
#include "FreshInstance.h"
#include "common/BuildConfiguration.h"
#include "comms/BufferedRecorder.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/ExternalNmeaController.h"
#include "comms/HeartbeatReceiver.h"
#include "comms/InputErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/MessageLogger.h"
#include "data/CommsLoggingSetup.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESCommunicationsSetup.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/NmeaMessage.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "platform/ESStorageDeviceController.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QString gga
    = framedSentence(QStringLiteral("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
const QString vtg = framedSentence(QStringLiteral("GPVTG,084.4,T,081.3,M,022.4,N,041.5,K,A"));
const QString rmc = framedSentence(
    QStringLiteral("GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A,S"));
const QString dpt = framedSentence(QStringLiteral("SDDPT,12.5,0.5,100.0"));
const QString dbt = framedSentence(QStringLiteral("SDDBT,41.0,f,12.5,M,6.8,F"));
const QString hbt = framedSentence(QStringLiteral("GPHBT,30,A,1"));

QString withChecksum(const QString &sentence, const QString &checksum)
{
    QString text = sentence;
    return text.replace(text.size() - 4, 2, checksum);
}

// The texts of a log's records, oldest first: each record is "time (UTC) >> text<<".
QStringList recordTexts(const BufferedRecorder *recorder)
{
    QStringList texts;
    const QStringList records = recorder->contents().split(QStringLiteral("<<"), Qt::SkipEmptyParts);
    for (const QString &record : records)
        texts << record.mid(record.indexOf(QLatin1String(" >> ")) + 4);
    return texts;
}

} // namespace

class tst_ExternalNmeaController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void checking_data();
    void checking();
    void heartbeatBeforeTheGroupIsDropped();
    void displayLogsSentencesWithoutHandler();
    void junctionBoxPortSelection_data();
    void junctionBoxPortSelection();
    void junctionBoxWithoutAdapter();
    void forwardingBeforeChecking();
    void oversizedGroup();
    void garbage();
    void outgoingGroups();

private:
    // Makes the monitor watch the input of the port, hands the group over and returns the monitor's
    // entries: the header of each sentence (without "$") followed by its status digit.
    QStringList receive(const QStringList &sentences, Port port, const QString &source_sfi = QString());
    BufferedRecorder *inputLog(Port port) const
    {
        return CommunicationsLogging::instance()->inputMessageLogger()->recorder(port);
    }
    BufferedRecorder *errorLog(Port port) const
    {
        return CommunicationsLogging::instance()->inputErrorLogger()->recorder(port);
    }

    std::unique_ptr<BuildConfiguration::TestOverride> m_configuration;
    std::optional<FreshInstance<NmeaHandlerContainer>> m_handlers;
    // The logging device and the logs are new for every case: logs continue the files they find, and a
    // full log (500 records) would hide what a case adds.
    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<FolderDevice> m_device;
    std::unique_ptr<CommsLoggingSetup> m_loggingSetup;
    std::optional<FreshInstance<CommunicationsLogging>> m_logs;
    std::unique_ptr<ESCommunicationInformation> m_information;
    std::unique_ptr<ESCommunicationsSetup> m_communicationsSetup;
    std::unique_ptr<TmpPortsSetupAdapter> m_adapter;
    std::unique_ptr<CommunicationForwardingController> m_forwarding;
    std::unique_ptr<ExternalNmeaController> m_controller;
};

void tst_ExternalNmeaController::initTestCase()
{
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
    // The junction box's handler set holds the standard sentences; it stays in use when a case changes the
    // configuration.
    m_configuration.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
    m_handlers.emplace();
    m_loggingSetup.reset(new CommsLoggingSetup(nullptr, QStringLiteral("CommunicationsLoggingSetup")));
    m_information.reset(new ESCommunicationInformation);
    m_communicationsSetup.reset(new ESCommunicationsSetup(nullptr, QStringLiteral("CommunicationsSetup")));
    m_adapter.reset(new TmpPortsSetupAdapter(m_communicationsSetup.get()));
    setTmpPortsSetupAdapter(m_adapter.get());
    m_forwarding.reset(new CommunicationForwardingController);
    m_forwarding->setCommunicationInformation(m_information.get());
    m_controller.reset(new ExternalNmeaController);
    m_controller->setCommunicationForwardingController(m_forwarding.get());
}

void tst_ExternalNmeaController::init()
{
    ErrorLogger::instance()->resetCounters();
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_device.reset(new FolderDevice(m_dir->path()));
    m_logs.emplace(m_loggingSetup.get(), m_device.get(), true);
}

void tst_ExternalNmeaController::cleanup()
{
    m_logs.reset();
}

void tst_ExternalNmeaController::cleanupTestCase()
{
    setTmpPortsSetupAdapter(nullptr);
    m_controller.reset();
    m_handlers.reset();
}

QStringList tst_ExternalNmeaController::receive(
    const QStringList &sentences, Port port, const QString &source_sfi)
{
    const bool display = BuildConfiguration::instance()->isSoftwareCu;
    m_information->setCommsInfoOn(1);
    m_information->setDataDirection(1);
    m_information->setDataFormat(0);
    m_information->setChannelNumber(display ? port + 4 : port);
    m_information->setCommsDataSilently(QString());
    QSignalSpy batches(m_forwarding.get(), &CommunicationForwardingController::comsInformationReceived);

    m_controller->handleReceivedNmeaList(
        NmeaGroupInfo(source_sfi, QStringList(), sentences, port, StandardSentence));

    QStringList entries;
    if (!display)
        return m_information->CommsData().split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QList<QVariant> &batch : qAsConst(batches)) {
        const QList<QString> headers = batch.at(0).value<QList<QString>>();
        const QList<int> statuses = batch.at(1).value<QList<int>>();
        for (int i = 0; i < headers.size(); ++i)
            entries << headers.at(i).mid(1) + QString::number(statuses.at(i));
    }
    return entries;
}

void tst_ExternalNmeaController::checking_data()
{
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<int>("port");
    QTest::addColumn<QStringList>("monitor");
    QTest::addColumn<QList<int>>("errorKinds");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QStringList>("errorRecords");

    const QList<int> noErrors;
    const QString badVtg = withChecksum(vtg, QStringLiteral("00"));
    QString ggaNoLineEnd = gga;
    ggaNoLineEnd.chop(2);
    QString ggaTrailingNoise = gga;
    ggaTrailingNoise.insert(gga.size() - 2, QStringLiteral("JUNK"));
    const QString shortAddress = framedSentence(QStringLiteral("GPGG,1"));
    const QString longVtg = framedSentence(QStringLiteral("GPVTG,") + QString(80, QLatin1Char('1')));
    // Receivers write more decimals in GGA than 82 characters leave room for.
    const QString longGga = framedSentence(
        QStringLiteral("GPGGA,123519.000000,4807.0380000,N,01131.0000000,E,1,08,0.9,545.4000,M,46.9000,M,,"));
    const QString noisyGga = QString(240, QLatin1Char('~')) + gga;
    const QString hbtBadValue = framedSentence(QStringLiteral("GPHBT,30,X,1"));
    const QString hbtBadLength = framedSentence(QStringLiteral("GPHBT,30,A,12"));
    const QString unknownType = framedSentence(QStringLiteral("GPXYZ,1,2"));
    const QString foreignProprietary = framedSentence(QStringLiteral("PXYZAB,1"));
    // A checksum with a letter in it, written in lower case.
    QString lowerCaseChecksum;
    for (int interval = 1; interval < 60 && lowerCaseChecksum.isEmpty(); ++interval) {
        const QString each = framedSentence(QStringLiteral("GPHBT,%1,A,1").arg(interval));
        const QString checksum = each.mid(each.size() - 4, 2);
        if (checksum != checksum.toLower())
            lowerCaseChecksum = withChecksum(each, checksum.toLower());
    }
    QVERIFY(!lowerCaseChecksum.isEmpty());

    QTest::newRow("sound sentence") << QStringList { gga } << int(UDP) << QStringList { "GPGGA0" } << noErrors
                                    << QStringList { gga } << QStringList();
    QTest::newRow("noise before the $")
        << QStringList { "x\x01" + gga } << int(UDP) << QStringList { "GPGGA0" } << noErrors
        << QStringList { gga } << QStringList();
    QTest::newRow("noise between checksum and line end")
        << QStringList { ggaTrailingNoise } << int(UDP) << QStringList { "GPGGA0" } << noErrors
        << QStringList { gga } << QStringList();
    QTest::newRow("a sound and a wrong checksum")
        << QStringList { gga, badVtg } << int(UDP) << QStringList { "GPVTG2" } << QList<int> { 1 }
        << QStringList() << QStringList { "1: " + badVtg };
    QTest::newRow("lower-case checksum")
        << QStringList { lowerCaseChecksum } << int(Serial_1)
        << QStringList { lowerCaseChecksum.mid(1, 5) + "2" } << QList<int> { 1 } << QStringList()
        << QStringList { "1: " + lowerCaseChecksum };
    QTest::newRow("two faulty sentences, each counted")
        << QStringList { badVtg, ggaNoLineEnd, gga } << int(UDP) << QStringList { "GPVTG2", "GPGGA2" }
        << QList<int> { 1, 2 } << QStringList() << QStringList { "1: " + badVtg, "2: " + ggaNoLineEnd };
    QTest::newRow("unknown type beside a sound one")
        << QStringList { unknownType, gga } << int(UDP) << QStringList { "GPXYZ1", "GPGGA0" } << noErrors
        << QStringList { gga } << QStringList();
    QTest::newRow("short address") << QStringList { shortAddress } << int(Serial_3) << QStringList { "GPGG2" }
                                   << QList<int> { 3 } << QStringList()
                                   << QStringList { "3: " + shortAddress };
    QTest::newRow("too long") << QStringList { longVtg } << int(UDP) << QStringList { "GPVTG2" }
                              << QList<int> { 7 } << QStringList() << QStringList { "7: " + longVtg };
    QTest::newRow("long GGA") << QStringList { longGga } << int(UDP) << QStringList { "GPGGA0" } << noErrors
                              << QStringList { longGga } << QStringList();
    QTest::newRow("longer than any sentence can be")
        << QStringList { noisyGga } << int(Serial_2) << QStringList { QString(120, QLatin1Char('~')) + "2" }
        << QList<int> { 7 } << QStringList() << QStringList { "7: " + noisyGga.left(256) };
    QTest::newRow("invalid field value")
        << QStringList { hbtBadValue } << int(UDP) << QStringList { "GPHBT2" } << QList<int> { 6 }
        << QStringList() << QStringList { "6: " + hbtBadValue };
    QTest::newRow("wrong field length")
        << QStringList { hbtBadLength } << int(Serial_1) << QStringList { "GPHBT2" } << QList<int> { 4 }
        << QStringList() << QStringList { "4: " + hbtBadLength };
    QTest::newRow("another maker's sentence")
        << QStringList { foreignProprietary, gga } << int(UDP) << QStringList { "PXYZAB1", "GPGGA0" }
        << noErrors << QStringList { gga } << QStringList();
}

void tst_ExternalNmeaController::checking()
{
    QFETCH(QStringList, sentences);
    QFETCH(int, port);
    QFETCH(QStringList, monitor);
    QFETCH(QList<int>, errorKinds);
    QFETCH(QStringList, logged);
    QFETCH(QStringList, errorRecords);

    // A text longer than 256 characters is reported by its first 256; the monitor shows what comes
    // before the first comma.
    if (monitor.size() == 1 && monitor.first().startsWith(QLatin1Char('~')))
        monitor.first() = sentences.first().left(256).section(QLatin1Char(','), 0, 0) + "2";

    const int loggedBefore = inputLog(Port(port))->recordCount();
    const int errorsBefore = errorLog(Port(port))->recordCount();
    QCOMPARE(receive(sentences, Port(port)), monitor);

    ErrorLogger *errors = ErrorLogger::instance();
    QCOMPARE(errors->totalNmeaErrors(port), errorKinds.size());
    for (int kind = 1; kind <= 8; ++kind)
        QCOMPARE(errors->nmeaErrorCount(kind, port), int(errorKinds.count(kind)));
    // On the network a sentence error is also a datagram error: 74 too long, 76 any other.
    const int tooLong = port == UDP ? errorKinds.count(7) : 0;
    QCOMPARE(errors->udpErrorCount(74), tooLong);
    QCOMPARE(errors->udpErrorCount(76), port == UDP ? errorKinds.size() - tooLong : 0);

    QCOMPARE(inputLog(Port(port))->recordCount() - loggedBefore, logged.size());
    QCOMPARE(recordTexts(inputLog(Port(port))).mid(loggedBefore), logged);
    QCOMPARE(errorLog(Port(port))->recordCount() - errorsBefore, errorRecords.size());
    QCOMPARE(recordTexts(errorLog(Port(port))).mid(errorsBefore), errorRecords);
}

void tst_ExternalNmeaController::heartbeatBeforeTheGroupIsDropped()
{
    QSignalSpy heartbeats(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived);
    const int logged = inputLog(UDP)->recordCount();
    QCOMPARE(receive({ hbt, withChecksum(gga, QStringLiteral("00")) }, UDP, QStringLiteral("GN2001")),
        QStringList { "GPGGA2" });
    QCOMPARE(heartbeats.count(), 1);
    QCOMPARE(heartbeats.at(0), (QList<QVariant> { QStringLiteral("GP"), QStringLiteral("GN2001") }));
    // The heartbeat itself was not dispatched: the group was dropped.
    QCOMPARE(inputLog(UDP)->recordCount(), logged);

    QCOMPARE(receive({ hbt }, Serial_1), QStringList { "GPHBT0" });
    QCOMPARE(heartbeats.count(), 2);
    QCOMPARE(heartbeats.at(1), (QList<QVariant> { QStringLiteral("GP"), QString() }));
}

void tst_ExternalNmeaController::displayLogsSentencesWithoutHandler()
{
    // The junction box's handler set has no DBT handler; a display shows and logs such a sentence.
    BuildConfiguration::TestOverride display("CU", "WINDOWS", "TVR200");
    const int logged = inputLog(Serial_2)->recordCount();
    QCOMPARE(receive({ dbt, gga }, Serial_2), (QStringList { "SDDBT1", "GPGGA0" }));
    QCOMPARE(recordTexts(inputLog(Serial_2)).mid(logged), (QStringList { dbt, gga }));
}

void tst_ExternalNmeaController::junctionBoxPortSelection_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("monitor");
    QTest::addColumn<bool>("logged");

    const QString configuration = framedSentence(QStringLiteral("PQRVGCF,"));
    const QString dbk = framedSentence(QStringLiteral("SDDBK,41.0,f,12.5,M,6.8,F"));
    QTest::newRow("GGA on serial port 3") << gga << int(Serial_3) << "GPGGA0" << true;
    QTest::newRow("RMC on serial port 3") << rmc << int(Serial_3) << "GPRMC1" << false;
    QTest::newRow("GGA over the network") << gga << int(UDP) << "GPGGA1" << false;
    QTest::newRow("DPT over the network") << dpt << int(UDP) << "SDDPT0" << true;
    QTest::newRow("DPT on serial port 3") << dpt << int(Serial_3) << "SDDPT1" << false;
    QTest::newRow("proprietary on serial port 3") << configuration << int(Serial_3) << "PQRVGCF0" << true;
    QTest::newRow("no handler") << dbk << int(Serial_1) << "SDDBK1" << false;
}

void tst_ExternalNmeaController::junctionBoxPortSelection()
{
    QFETCH(QString, received);
    QFETCH(int, port);
    QFETCH(QString, monitor);
    QFETCH(bool, logged);

    BuildConfiguration::TestOverride linux("JB", "LINUX", "MIR_LOX1000");
    const int before = inputLog(Port(port))->recordCount();
    QCOMPARE(receive({ received }, Port(port)), QStringList { monitor });
    QCOMPARE(inputLog(Port(port))->recordCount() - before, logged ? 1 : 0);
    QCOMPARE(ErrorLogger::instance()->totalNmeaErrorsAllPorts(), 0);
}

void tst_ExternalNmeaController::junctionBoxWithoutAdapter()
{
    // Before the start-up publishes the adapter no port selection applies; nothing fails for it.
    BuildConfiguration::TestOverride linux("JB", "LINUX", "MIR_LOX1000");
    setTmpPortsSetupAdapter(nullptr);
    const QStringList entries = receive({ rmc }, Serial_3);
    setTmpPortsSetupAdapter(m_adapter.get());
    QCOMPARE(entries.size(), 1);
    QVERIFY2(entries.first() == "GPRMC0" || entries.first() == "GPRMC3", qPrintable(entries.first()));
}

void tst_ExternalNmeaController::forwardingBeforeChecking()
{
    QSignalSpy forwarded(m_controller.get(), &ExternalNmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    const QString bad = withChecksum(gga, QStringLiteral("00"));
    const QString tooLong = QString(300, QLatin1Char('~')) + vtg;
    // The speed log repeats every port's input on serial port 1 once that port forwards.
    m_forwarding->setForwarding(Serial_1, Serial_1, true);
    receive({ "xy" + vtg, bad, tooLong }, UDP);
    m_forwarding->setForwarding(Serial_1, Serial_1, false);

    // Each sentence as it came, in its own group; nothing longer than a sentence can be.
    QCOMPARE(forwarded.count(), 2);
    const QStringList expected { "xy" + vtg, bad };
    for (int i = 0; i < forwarded.count(); ++i) {
        const NmeaGroupInfo group = forwarded.at(i).at(0).value<NmeaGroupInfo>();
        QCOMPARE(group.messages(), QStringList { expected.at(i) });
        QCOMPARE(group.port(), Serial_1);
        QCOMPARE(group.messageType(), StandardSentence);
    }
    // They were checked all the same.
    QCOMPARE(ErrorLogger::instance()->totalNmeaErrors(UDP), 2);
}

void tst_ExternalNmeaController::oversizedGroup()
{
    const int logged = inputLog(UDP)->recordCount();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Received group of 1000 sentences")));
    QCOMPARE(receive(QStringList(QVector<QString>(1000, gga).toList()), UDP), QStringList());
    QCOMPARE(ErrorLogger::instance()->nmeaErrorCount(NmeaFramingError, UDP), 1);
    QCOMPARE(inputLog(UDP)->recordCount(), logged);

    QCOMPARE(receive(QStringList(QVector<QString>(999, gga).toList()), UDP).size(), 999);
}

void tst_ExternalNmeaController::garbage()
{
    // Broken and random texts, one a group: none may throw, and each gets exactly one monitor entry, an
    // error exactly when it is counted. A display watches every entry of its own serial ports.
    BuildConfiguration::TestOverride display("CU", "WINDOWS", "TVR200");
    QRandomGenerator random(20180120);
    const QStringList sound { gga, vtg, rmc, dpt, hbt };
    int errorEntries = 0;
    int otherEntries = 0;
    int groups = 0;
    for (int i = 0; i < 4000; ++i) {
        QString text;
        if (i % 2 == 0) {
            // A sound sentence with a few characters changed, dropped or put in.
            text = sound.at(random.bounded(sound.size()));
            const int changes = random.bounded(1, 4);
            for (int c = 0; c < changes; ++c) {
                const int at = random.bounded(text.size());
                const QString inserted = QString(QLatin1Char("$*,\r\n\0x"[random.bounded(7)]));
                switch (random.bounded(3)) {
                case 0:
                    text[at] = inserted.at(0);
                    break;
                case 1:
                    text.remove(at, 1);
                    break;
                default:
                    text.insert(at, inserted);
                    break;
                }
                if (text.isEmpty())
                    break;
            }
        } else {
            const int length = random.bounded(400);
            for (int c = 0; c < length; ++c)
                text += QChar(random.bounded(256));
            if (random.bounded(2) == 0)
                text = QLatin1Char('$') + text + QStringLiteral("\r\n");
        }
        const QStringList entries = receive({ text }, Serial_2);
        ++groups;
        QCOMPARE(entries.size(), 1);
        if (entries.first().endsWith(QLatin1Char('2')))
            ++errorEntries;
        else
            ++otherEntries;
    }
    QCOMPARE(errorEntries + otherEntries, groups);
    QCOMPARE(ErrorLogger::instance()->totalNmeaErrors(Serial_2), errorEntries);
    QVERIFY(errorEntries > groups / 2);
    qInfo() << "errors" << errorEntries << "not errors" << otherEntries;
}

void tst_ExternalNmeaController::outgoingGroups()
{
    const QString talker = ListOfSfisOnNetwork::instance()->externalLocalSfi().left(2);
    QCOMPARE(talker.size(), 2);
    NmeaGroupInfo group = m_controller->sendNmeaMessageOfTypeOverPort(QStringLiteral("HBT"), UDP);
    QCOMPARE(group.messageCount(), 1);
    QVERIFY2(
        group.messages().first().startsWith("$" + talker + "HBT,"), qPrintable(group.messages().first()));
    QCOMPARE(group.port(), UDP);
    QCOMPARE(group.messageType(), StandardSentence);
    QVERIFY(group.destinationSfis().isEmpty());

    group
        = m_controller->sendNmeaMessageOfTypeOverPort(QStringLiteral("HBT"), Serial_3, QStringLiteral("II"));
    QVERIFY(group.messages().first().startsWith(QLatin1String("$IIHBT,")));
    QString checked = group.messages().first();
    QCOMPARE(NmeaMessage::checkSentence(checked), int(NmeaNoError));
    QCOMPARE(group.port(), Serial_3);

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^No sentence of type XYZ")));
    QCOMPARE(m_controller->sendNmeaMessageOfTypeOverPort(QStringLiteral("XYZ"), UDP).messageCount(), 0);
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("^No sentence of type DBT .*no handler")));
    QCOMPARE(m_controller->sendNmeaMessageOfTypeOverPort(QStringLiteral("DBT"), UDP).messageCount(), 0);

    group = m_controller->sendPreparedNmeaMessageOverPort(gga, Serial_2, QStringLiteral("ignored"));
    QCOMPARE(group.messages(), QStringList { gga });
    QCOMPARE(group.port(), Serial_2);
    QCOMPARE(group.messageType(), StandardSentence);
    QVERIFY(group.sourceSfi().isEmpty());
}

QTEST_GUILESS_MAIN(tst_ExternalNmeaController)
#include "tst_externalnmeacontroller.moc"
