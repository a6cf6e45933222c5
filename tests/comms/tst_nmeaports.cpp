#include "common/BuildConfiguration.h"
#include "comms/EchosounderSerialReader.h"
#include "comms/NmeaPorts.h"
#include "comms/SerialReader.h"

#include "PseudoTerminal.h"

#include <QtTest>

#include <memory>

namespace {

const QString zda = QStringLiteral("$GPZDA,120000.00,01,02,2024,00,00*6A\r\n");

// The three serial devices of a junction box as links to pseudo-terminals in a folder of their own.
struct SerialDevices
{
    QTemporaryDir folder;
    PseudoTerminal ttyS3; // port 0
    PseudoTerminal ttyS1; // port 1
    PseudoTerminal ttyS2; // port 2

    bool link(bool withTtyS2 = true)
    {
        if (!folder.isValid() || !ttyS3.isValid() || !ttyS1.isValid() || !ttyS2.isValid())
            return false;
        SerialReader::setDeviceFolder(folder.path() + QLatin1Char('/'));
        return ttyS3.linkAs(folder.filePath("ttyS3")) && ttyS1.linkAs(folder.filePath("ttyS1"))
            && (!withTtyS2 || ttyS2.linkAs(folder.filePath("ttyS2")));
    }
};

} // namespace

class tst_NmeaPorts : public QObject
{
    Q_OBJECT

private slots:
    void display_data();
    void display();
    void junctionBox_data();
    void junctionBox();
    void deviceMissing();
};

void tst_NmeaPorts::display_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");

    QTest::newRow("MIR_LOX1000 on WINDOWS") << "WINDOWS"
                                            << "MIR_LOX1000";
    QTest::newRow("MIR_LOX1000 on LINUX") << "LINUX"
                                          << "MIR_LOX1000";
    QTest::newRow("TVR100 on LINUX") << "LINUX"
                                     << "TVR100";
}

// The display's readers exist but are neither listed nor opened.
void tst_NmeaPorts::display()
{
    QFETCH(QString, platform);
    QFETCH(QString, product);
    BuildConfiguration::TestOverride configuration(QStringLiteral("CU"), platform, product);

    NmeaPorts ports;
    QVERIFY(!ports.serialReader1());
    QVERIFY(ports.openPorts());
    QCOMPARE(ports.portCount(), 0);
    QTest::ignoreMessage(QtDebugMsg, "Wrong index/name of NMEA port!!!");
    QVERIFY(!ports.port(0));

    const QList<SerialReader *> readers { ports.serialReader1(), ports.serialReader2(),
        ports.serialReader3() };
    for (int i = 0; i < 3; ++i) {
        QVERIFY(readers.at(i));
        QCOMPARE(readers.at(i)->portNumber(), i);
        QVERIFY(readers.at(i)->portName().isEmpty());
        QVERIFY(!readers.at(i)->isOpen());
        QCOMPARE(readers.at(i)->baudRate(), 4800);
        QCOMPARE(readers.at(i)->sendMessage(zda), -1);
    }
    // A rate change on a line that was never opened only keeps the rate.
    QVERIFY(!readers.at(0)->setBaudRate(38400));
    QCOMPARE(readers.at(0)->baudRate(), 38400);
}

void tst_NmeaPorts::junctionBox_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("port1AccessMode");
    QTest::addColumn<bool>("port2Transceiver");
    QTest::addColumn<int>("port2Baud");
    QTest::addColumn<int>("port2ConnectionType");

    QTest::newRow("MIR_LOX1000") << "MIR_LOX1000" << 2 << false << 4800 << int(Qt::DirectConnection);
    QTest::newRow("TVR100") << "TVR100" << 2 << true << 115200 << int(Qt::QueuedConnection);
    QTest::newRow("TVR200") << "TVR200" << 0 << false << 4800 << int(Qt::QueuedConnection);
    QTest::newRow("MIR_LOX2000") << "MIR_LOX2000" << 0 << false << 4800 << int(Qt::QueuedConnection);
}

void tst_NmeaPorts::junctionBox()
{
    QFETCH(QString, product);
    QFETCH(int, port1AccessMode);
    QFETCH(bool, port2Transceiver);
    QFETCH(int, port2Baud);
    QFETCH(int, port2ConnectionType);

    SerialDevices devices;
    QVERIFY(devices.link());
    BuildConfiguration::TestOverride configuration(QStringLiteral("JB"), QStringLiteral("LINUX"), product);

    auto ports = std::make_unique<NmeaPorts>();
    QVERIFY(ports->openPorts());
    QCOMPARE(ports->portCount(), 3);
    const QStringList names { "ttyS3", "ttyS1", "ttyS2" };
    const QList<SerialReader *> readers { ports->serialReader1(), ports->serialReader2(),
        ports->serialReader3() };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ports->port(i), readers.at(i));
        QCOMPARE(readers.at(i)->portName(), names.at(i));
        QCOMPARE(readers.at(i)->portNumber(), i);
        QVERIFY(readers.at(i)->isOpen());
    }
    QTest::ignoreMessage(QtDebugMsg, "Wrong index/name of NMEA port!!!");
    QVERIFY(!ports->port(3));
    QTest::ignoreMessage(QtDebugMsg, "Wrong index/name of NMEA port!!!");
    QVERIFY(!ports->port(-1));

    QCOMPARE(readers.at(1)->accessMode(), port1AccessMode);
    QCOMPARE(readers.at(1)->sendMessage(zda), port1AccessMode == 0 ? -1 : zda.size());
    QCOMPARE(readers.at(0)->sendMessage(zda), zda.size());
    QTRY_COMPARE(devices.ttyS3.received(), zda.toLatin1());

    auto *transceiver = qobject_cast<EchosounderSerialReader *>(readers.at(2));
    QCOMPARE(transceiver != nullptr, port2Transceiver);
    QCOMPARE(readers.at(2)->isRouted(), !port2Transceiver);
    QCOMPARE(readers.at(2)->baudRate(), port2Baud);
    QCOMPARE(readers.at(2)->connectionType(), port2ConnectionType);
    QCOMPARE(devices.ttyS2.inputSpeed(), port2Baud == 115200 ? speed_t(B115200) : speed_t(B4800));

    // Opening again keeps the readers.
    QVERIFY(ports->openPorts());
    QCOMPARE(ports->serialReader1(), readers.at(0));

    // The readers go with the port set: their lines are closed and free for the next owner.
    ports.reset();
    SerialReader again(QStringLiteral("ttyS3"), 0, 2, 4800);
    QVERIFY(again.openPort());
}

void tst_NmeaPorts::deviceMissing()
{
    SerialDevices devices;
    QVERIFY(devices.link(false));
    BuildConfiguration::TestOverride configuration(
        QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX1000"));

    NmeaPorts ports;
    QTest::ignoreMessage(QtDebugMsg, "Error opening port: ttyS2");
    QVERIFY(!ports.openPorts());
    // All three stay listed; the others are open and work.
    QCOMPARE(ports.portCount(), 3);
    QVERIFY(ports.port(0)->isOpen());
    QVERIFY(ports.port(1)->isOpen());
    QVERIFY(!ports.port(2)->isOpen());
    QCOMPARE(ports.port(2)->sendMessage(zda), -1);
    QCOMPARE(ports.port(1)->sendMessage(zda), zda.size());
    QTRY_COMPARE(devices.ttyS1.received(), zda.toLatin1());
}

QTEST_GUILESS_MAIN(tst_NmeaPorts)
#include "tst_nmeaports.moc"
