// Text from outside in the debug log: every receiving path that writes what a peer sent into a debug line
// writes at most 80 characters of it, however long the text was. Each row hands a 10 000-character text
// of one marker character to one path and checks that the path wrote its line and that no line holds
// more than 80 of the marker.

#include "DebugCapture.h"
#include "common/LogText.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/NmeaGroupInfo.h"
#include "comms/NmeaParserClass.h"
#include "comms/iec450/BinaryTransmissionController.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/UdpDatagramRecord.h"
#include "data/CU_R207_Setup.h"
#include "data/DataSingleton.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/MarkClass.h"
#include "data/SerializationController.h"
#include "sentences/PqrvProtocolSupport.h"

#include <QtTest>

#include <functional>

namespace {

const QChar marker = QLatin1Char('Q');
const QString longText(10000, marker);

struct Path
{
    const char *name;
    // What the line written says, to show that the path was taken.
    const char *logged;
    std::function<void()> receive;
};

const QList<Path> &paths()
{
    static const QList<Path> list = {
        { "single change for another tree", "Single change not applied",
            [] {
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_Setup,SingleProperty,") + longText + QStringLiteral(",x=1"));
            } },
        { "single change without a value", "Single change not applied, no value",
            [] {
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,") + longText);
            } },
        { "single change of an unknown setting", "has no property",
            [] {
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,") + longText
                    + QStringLiteral("=1"));
            } },
        { "settings value of the wrong kind", "Settings value not applied",
            [] {
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,Group=") + longText);
            } },
        { "settings value refused by its validator", "Settings value not applied",
            [] {
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemName=") + longText);
            } },
        { "settings file item without a value", "item without value skipped",
            [] { ESDataClass::instance()->setup()->TQ55Setup()->applyFileText(longText, QStringList()); } },
        { "event mark that cannot be decoded", "Event mark dropped",
            [] {
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_Mark,Date=01-02-2020,Time=10-11-12,Depth=3,MarkData=") + longText);
            } },
        { "value received in a sentence", "Received value not applied",
            [] {
                PqrvProtocol::applyReceivedValue(ESDataClass::instance()->localSetup()->DisplaySetup(),
                    QStringLiteral("SystemName"), longText);
            } },
        { "SFI change to a text that is no SFI", "not an SFI",
            [] {
                ListOfSfisOnNetwork list;
                list.deviceOnNetworkChangedLocalSfi(longText, QStringLiteral("AB0001"));
            } },
        { "text for the display's own ports", "Not a CU port sentence",
            [] {
                CommunicationForwardingController forwarding;
                forwarding.setCommunicationInformation(ESDataClass::instance()->communicationInformation());
                SerializationController::instance()->deserializeData(
                    QStringLiteral("Type_SetupCommsInfo,SingleProperty,ComminicationInformation,CuPort1Out=")
                    + longText);
            } },
        { "data group with a sentence of another kind", "is not a data sentence",
            [] {
                NmeaParserClass parser;
                parser.nmeaListToData(NmeaGroupInfo(QString(), QStringList(),
                    { QStringLiteral("$PQRVMMM,a=1*00\r\n"), QLatin1Char('$') + longText }, UDP,
                    InternalData));
            } },
        { "sentence datagram that is malformed", "Malformed sentence datagram dropped",
            [] {
                NmeaOverUdpController controller(56, 5, 10);
                controller.processReceivedDatagram(
                    QByteArray("UdPbC\0", 6) + longText.left(1400).toLatin1(), false, false);
            } },
        { "sentence datagram with a wrong tag checksum", "Corrupt Header!",
            [] {
                UdpDatagramRecord record(QByteArray("UdPbC\0\\s:AB0001,n:1*00\\$", 25)
                    + longText.left(1400).toLatin1() + QByteArray("*00\r\n"));
                record.sentences();
            } },
        { "image datagram with a wrong header", "Wrong HEADER of binary datagram",
            [] {
                BinaryTransmissionController images;
                images.processRecievedBinaryDatagram(longText.left(1400).toLatin1());
            } },
    };
    return list;
}

} // namespace

class TestPeerTextLogging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void peerTextIsCut_data();
    void peerTextIsCut();
};

void TestPeerTextLogging::initTestCase()
{
    DataSingleton::instance()->selectDataClass(QStringLiteral("ES"));
    QVERIFY(DataSingleton::instance()->dataClass());
}

void TestPeerTextLogging::peerTextIsCut_data()
{
    QTest::addColumn<int>("path");
    for (int i = 0; i < paths().size(); ++i)
        QTest::newRow(paths().at(i).name) << i;
}

void TestPeerTextLogging::peerTextIsCut()
{
    QFETCH(int, path);
    const Path &tried = paths().at(path);
    const QString tooMuch(maxLoggedTextLength + 1, marker);

    DebugCapture capture;
    tried.receive();
    QVERIFY2(capture.count(QLatin1String(tried.logged)) > 0, tried.logged);
    for (const QString &line : capture.messages())
        QVERIFY2(!line.contains(tooMuch), qPrintable(line.left(200)));
}

QTEST_GUILESS_MAIN(TestPeerTextLogging)
#include "tst_peertextlogging.moc"
