#include "common/BuildConfiguration.h"
#include "comms/LoopTest.h"
#include "comms/NmeaPorts.h"
#include "comms/NmeaPortsCommunicationController.h"
#include "comms/SerialReader.h"

#include "DebugCapture.h"
#include "PseudoTerminal.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString zda = QStringLiteral("$GPZDA,120000.00,01,02,2024,00,00*6A\r\n");
const QString vtg = QStringLiteral("$GPVTG,45.0,T,,M,10.0,N,18.5,K,A*1E\r\n");
const QString gga = QStringLiteral("$GPGGA,120000,5400.000,N,01000.000,E,1,08,0.9,10.0,M,,M,,*4C\r\n");
const QString testSentence = QStringLiteral("$PQRVTEST,0,1,2,3,4,5,6,7,8,9\r\n");

// The serial devices of a junction box (ttyS3, ttyS1, ttyS2 for ports 0 to 2) as pseudo-terminals,
// with the port set opened on them under the given configuration.
struct Unit
{
    QTemporaryDir folder;
    PseudoTerminal far[3];
    std::unique_ptr<BuildConfiguration::TestOverride> configuration;
    std::unique_ptr<NmeaPorts> ports;

    bool open(const QString &device, const QString &platform, const QString &product)
    {
        if (!folder.isValid())
            return false;
        const char *names[3] = { "ttyS3", "ttyS1", "ttyS2" };
        for (int i = 0; i < 3; ++i) {
            if (!far[i].isValid() || !far[i].linkAs(folder.filePath(QLatin1String(names[i]))))
                return false;
        }
        SerialReader::setDeviceFolder(folder.path() + QLatin1Char('/'));
        configuration = std::make_unique<BuildConfiguration::TestOverride>(device, platform, product);
        ports = std::make_unique<NmeaPorts>();
        return ports->openPorts() || ports->portCount() == 0;
    }

    ~Unit()
    {
        ports.reset();
        configuration.reset();
    }
};

} // namespace

class tst_NmeaPortsCommunicationController : public QObject
{
    Q_OBJECT

private slots:
    void receivedLineBecomesGroup_data();
    void receivedLineBecomesGroup();
    void groupIsWrittenInOrder();
    void groupForAPortWithoutReader_data();
    void groupForAPortWithoutReader();
    void inertOnWindows();
    void loopTest_data();
    void loopTest();
    void loopTestHoldsTraffic();
    void withoutLoopTest_data();
    void withoutLoopTest();
};

void tst_NmeaPortsCommunicationController::receivedLineBecomesGroup_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("port");

    for (const char *product : { "MIR_LOX1000", "TVR200" }) {
        for (int port = 0; port < 3; ++port)
            QTest::addRow("%s port %d", product, port) << QString::fromLatin1(product) << port;
    }
}

void tst_NmeaPortsCommunicationController::receivedLineBecomesGroup()
{
    QFETCH(QString, product);
    QFETCH(int, port);

    Unit unit;
    QVERIFY(unit.open(QStringLiteral("JB"), QStringLiteral("LINUX"), product));
    NmeaPortsCommunicationController controller(unit.ports.get());
    QSignalSpy groups(&controller, &NmeaPortsCommunicationController::receivedNmeaListFromSerial);

    unit.far[port].write(("xx" + zda + vtg).toLatin1());
    QTRY_COMPARE(groups.count(), 2);
    const QStringList expected { zda, vtg };
    for (int i = 0; i < 2; ++i) {
        const auto group = groups.at(i).at(0).value<NmeaGroupInfo>();
        QCOMPARE(group.messages(), QStringList { expected.at(i) });
        QCOMPARE(group.port(), Port(port));
        QVERIFY(group.sourceSfi().isEmpty());
        QVERIFY(group.destinationSfis().isEmpty());
        QCOMPARE(group.messageType(), StandardSentence);
    }
}

void tst_NmeaPortsCommunicationController::groupIsWrittenInOrder()
{
    Unit unit;
    QVERIFY(unit.open(QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000")));
    NmeaPortsCommunicationController controller(unit.ports.get());

    controller.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ zda, vtg, gga }, Serial_2));
    QTRY_COMPARE(unit.far[1].received(), (zda + vtg + gga).toLatin1());
    controller.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ gga }, Serial_3));
    QTRY_COMPARE(unit.far[2].received(), gga.toLatin1());
    QVERIFY(unit.far[0].received().isEmpty());
}

void tst_NmeaPortsCommunicationController::groupForAPortWithoutReader_data()
{
    QTest::addColumn<int>("port");

    QTest::newRow("UDP") << int(UDP);
    QTest::newRow("Add_Serial_1") << int(Add_Serial_1);
    QTest::newRow("Add_Serial_3") << int(Add_Serial_3);
    QTest::newRow("negative") << -1;
    QTest::newRow("far out") << 1000;
}

// Dropped without a message; nothing reaches any line (a marker written after it arrives alone).
void tst_NmeaPortsCommunicationController::groupForAPortWithoutReader()
{
    QFETCH(int, port);

    Unit unit;
    QVERIFY(unit.open(QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000")));
    NmeaPortsCommunicationController controller(unit.ports.get());
    {
        DebugCapture capture;
        controller.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ zda }, Port(port)));
        QVERIFY(capture.messages().isEmpty());
    }
    for (int i = 0; i < 3; ++i)
        controller.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ gga }, Port(i)));
    for (int i = 0; i < 3; ++i)
        QTRY_COMPARE(unit.far[i].received(), gga.toLatin1());
}

void tst_NmeaPortsCommunicationController::inertOnWindows()
{
    Unit unit;
    QVERIFY(unit.open(QStringLiteral("JB"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000")));
    QCOMPARE(unit.ports->portCount(), 3);
    NmeaPortsCommunicationController controller(unit.ports.get());
    QVERIFY(!controller.loopTest());
    QVERIFY(!controller.isLoopTestRunning());
    QSignalSpy groups(&controller, &NmeaPortsCommunicationController::receivedNmeaListFromSerial);

    // The line is read (the reader's own signal shows it) but becomes no group.
    QSignalSpy lines(unit.ports->port(0), &SerialReader::lineReceived);
    unit.far[0].write(zda.toLatin1());
    QTRY_COMPARE(lines.count(), 1);
    QVERIFY(
        QMetaObject::invokeMethod(&controller, "lineReceivedFromSerial", Q_ARG(QString, zda), Q_ARG(int, 0)));
    QCoreApplication::processEvents();
    QCOMPARE(groups.count(), 0);

    controller.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ zda }, Serial_1));
    QVERIFY(unit.far[0].writeFromLine("MARK"));
    QTRY_COMPARE(unit.far[0].received(), QByteArray("MARK"));
}

void tst_NmeaPortsCommunicationController::loopTest_data()
{
    QTest::addColumn<QList<int>>("echoPorts"); // where the plug brings port 0's output back
    QTest::addColumn<QList<bool>>("passed");

    QTest::newRow("plug on all three") << QList<int> { 0, 1, 2 } << QList<bool> { true, true, true };
    QTest::newRow("port 3 not wired") << QList<int> { 0, 1 } << QList<bool> { true, true, false };
    QTest::newRow("no plug") << QList<int> {} << QList<bool> { false, false, false };
}

void tst_NmeaPortsCommunicationController::loopTest()
{
    QFETCH(QList<int>, echoPorts);
    QFETCH(QList<bool>, passed);

    Unit unit;
    QVERIFY(unit.open(QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000")));
    NmeaPortsCommunicationController controller(unit.ports.get());
    LoopTest *test = controller.loopTest();
    QVERIFY(test);
    QCOMPARE(test->parent(), &controller);
    QCOMPARE(test->sendPort(), 0);
    QSignalSpy groups(&controller, &NmeaPortsCommunicationController::receivedNmeaListFromSerial);
    QSignalSpy finished(test, &LoopTest::finishedTesting);

    // The far end of port 0 is the plug.
    unit.far[0].onReceived = [&](const QByteArray &bytes) {
        for (int port : echoPorts)
            unit.far[port].write(bytes);
    };

    test->runTest();
    QVERIFY(controller.isLoopTestRunning());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    QVERIFY(!controller.isLoopTestRunning());
    QCOMPARE(unit.far[0].received(), testSentence.toLatin1().repeated(20));
    QCOMPARE((QList<bool> { test->port1Passed(), test->port2Passed(), test->port3Passed() }), passed);
    const QList<int> matched { test->sentencesMatched1(), test->sentencesMatched2(),
        test->sentencesMatched3() };
    for (int port = 0; port < 3; ++port)
        QCOMPARE(matched.at(port), echoPorts.contains(port) ? 20 : 0);
    // Received during the test: given to the test, not routed.
    QCOMPARE(groups.count(), 0);

    // Afterwards the lines are routed again.
    unit.far[0].onReceived = nullptr;
    unit.far[1].write(zda.toLatin1());
    QTRY_COMPARE(groups.count(), 1);
    QCOMPARE(groups.at(0).at(0).value<NmeaGroupInfo>().messages(), QStringList { zda });
}

void tst_NmeaPortsCommunicationController::loopTestHoldsTraffic()
{
    Unit unit;
    QVERIFY(unit.open(QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000")));
    NmeaPortsCommunicationController controller(unit.ports.get());
    QSignalSpy groups(&controller, &NmeaPortsCommunicationController::receivedNmeaListFromSerial);
    LoopTest *test = controller.loopTest();
    QVERIFY(test);

    test->runTest();
    QVERIFY(test->isRunning());
    unit.far[2].write(testSentence.toLatin1() + zda.toLatin1());
    QTRY_COMPARE(test->linesReceived3(), 2);
    QCOMPARE(test->sentencesMatched3(), 1);
    QCOMPARE(groups.count(), 0);

    // A group to send during the test is dropped, not queued.
    controller.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ zda }, Serial_2));
    QTRY_VERIFY(!test->isRunning());
    QVERIFY(unit.far[1].writeFromLine("MARK"));
    QTRY_COMPARE(unit.far[1].received(), QByteArray("MARK"));
}

void tst_NmeaPortsCommunicationController::withoutLoopTest_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("message");

    QTest::newRow("TVR100 display") << "TVR100" << false;
    QTest::newRow("MIR_LOX1000 display") << "MIR_LOX1000" << true;
}

// Where no loop test exists, the routing slots treat that as a test that is not running: lines become
// groups and groups are handed on, nothing crashes.
void tst_NmeaPortsCommunicationController::withoutLoopTest()
{
    QFETCH(QString, product);
    QFETCH(bool, message);

    Unit unit;
    QVERIFY(unit.open(QStringLiteral("CU"), QStringLiteral("LINUX"), product));
    QCOMPARE(unit.ports->portCount(), 0);
    std::unique_ptr<NmeaPortsCommunicationController> controller;
    {
        DebugCapture capture;
        controller = std::make_unique<NmeaPortsCommunicationController>(unit.ports.get());
        QCOMPARE(capture.messages().contains(
                     "Something is wrong, not enough ports available! Loop test will not work!"),
            message);
    }
    QVERIFY(!controller->loopTest());
    QVERIFY(!controller->isLoopTestRunning());

    QSignalSpy groups(controller.get(), &NmeaPortsCommunicationController::receivedNmeaListFromSerial);
    QVERIFY(QMetaObject::invokeMethod(
        controller.get(), "lineReceivedFromSerial", Q_ARG(QString, zda), Q_ARG(int, int(Serial_2))));
    QCOMPARE(groups.count(), 1);
    QCOMPARE(groups.at(0).at(0).value<NmeaGroupInfo>().port(), Serial_2);
    controller->sendNmeaGroupOverSerialPort(NmeaGroupInfo({ zda }, Serial_1));
    QVERIFY(QMetaObject::invokeMethod(
        controller.get(), "sendTestMessageOverSerialPort", Q_ARG(QString, testSentence), Q_ARG(int, 0)));

    // Without a port set at all.
    NmeaPortsCommunicationController bare(nullptr);
    QVERIFY(!bare.loopTest());
    bare.sendNmeaGroupOverSerialPort(NmeaGroupInfo({ zda }, Serial_1));
}

QTEST_GUILESS_MAIN(tst_NmeaPortsCommunicationController)
#include "tst_nmeaportscommunicationcontroller.moc"
