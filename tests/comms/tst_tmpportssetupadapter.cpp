// Per-port sentence selection: which sentences a port sends (the switches of its setup) and which
// received sentences a port takes in (the fixed tables of the speed log on LINUX).

#include "common/BuildConfiguration.h"
#include "data/ESCommunicationsSetup.h"
#include "nmea/TmpPortsSetupAdapter.h"

#include <QtTest>

#include <memory>

class tst_TmpPortsSetupAdapter : public QObject
{
    Q_OBJECT

private slots:
    void portClasses();
    void sentenceEnabledOnPort_data();
    void sentenceEnabledOnPort();
    void inputSentenceAllowed_data();
    void inputSentenceAllowed();
};

void tst_TmpPortsSetupAdapter::portClasses()
{
    QCOMPARE(TmpPortsSetupAdapter::numberOfPorts(), 4);
    const QList<int> ports { -1, 0, 1, 2, 3, 4, 6, 7 };
    QList<int> valid, serial, udp, sending;
    for (int port : ports) {
        if (TmpPortsSetupAdapter::isValidPort(port))
            valid << port;
        if (TmpPortsSetupAdapter::isSerialPort(port))
            serial << port;
        if (TmpPortsSetupAdapter::isUdpPort(port))
            udp << port;
        if (TmpPortsSetupAdapter::isSendingPort(port))
            sending << port;
    }
    QCOMPARE(valid, QList<int>({ 0, 1, 2, 3 }));
    QCOMPARE(serial, QList<int>({ 0, 1, 2 }));
    QCOMPARE(udp, QList<int>({ 3 }));
    QCOMPARE(sending, QList<int>({ 0, 2, 3 }));
}

void tst_TmpPortsSetupAdapter::sentenceEnabledOnPort_data()
{
    QTest::addColumn<QString>("portSetup");
    QTest::addColumn<QString>("switchName");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("port 1 GGA on") << "NmeaPort1Setup"
                                   << "GGA" << 0 << "GGA" << 0 << true;
    QTest::newRow("port 1 GGA off") << "NmeaPort1Setup"
                                    << "GGA" << 1 << "GGA" << 0 << false;
    QTest::newRow("port 2 never sends") << "NmeaPort2Setup"
                                        << "GGA" << 0 << "GGA" << 1 << false;
    QTest::newRow("port 3 VTG on") << "NmeaPort3Setup"
                                   << "VTG" << 0 << "VTG" << 2 << true;
    QTest::newRow("UDP HDT on") << "UdpPortSetup"
                                << "HDT" << 0 << "HDT" << 3 << true;
    QTest::newRow("UDP THS off") << "UdpPortSetup"
                                 << "THS" << 1 << "THS" << 3 << false;
    QTest::newRow("additional port never sends") << "AdditionalNmeaPort1Setup"
                                                 << "GGA" << 0 << "GGA" << 4 << false;
    QTest::newRow("no switch for DPT") << "NmeaPort1Setup"
                                       << "GGA" << 0 << "DPT" << 0 << false;
    QTest::newRow("no switch for alerts") << "UdpPortSetup"
                                          << "GGA" << 0 << "Alarm" << 3 << false;
    QTest::newRow("names are exact") << "NmeaPort1Setup"
                                     << "GGA" << 0 << "gga" << 0 << false;
    QTest::newRow("not a switch") << "NmeaPort1Setup"
                                  << "GGA" << 0 << "objectName" << 0 << false;
    QTest::newRow("port outside the list") << "NmeaPort1Setup"
                                           << "GGA" << 0 << "GGA" << 42 << false;
}

void tst_TmpPortsSetupAdapter::sentenceEnabledOnPort()
{
    QFETCH(QString, portSetup);
    QFETCH(QString, switchName);
    QFETCH(int, value);
    QFETCH(QString, sentence);
    QFETCH(int, port);
    QFETCH(bool, enabled);

    ESCommunicationsSetup setup(nullptr, QStringLiteral("CommunicationsSetup"));
    QObject *target = setup.findChild<QObject *>(portSetup);
    QVERIFY(target);
    QVERIFY(target->setProperty(switchName.toLatin1().constData(), value));
    TmpPortsSetupAdapter adapter(&setup);
    QCOMPARE(adapter.isSentenceEnabledOnPort(sentence, Port(port)), enabled);

    // The setup is read at every call.
    QVERIFY(target->setProperty(switchName.toLatin1().constData(), 1 - value));
    if (enabled)
        QVERIFY(!adapter.isSentenceEnabledOnPort(sentence, Port(port)));
}

void tst_TmpPortsSetupAdapter::inputSentenceAllowed_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QList<int>>("acceptingPorts");

    const QList<int> none;
    const QList<int> all { -1, 0, 1, 2, 3, 4, 5, 6, 99 };
    QTest::newRow("speed log, GGA") << "LINUX"
                                    << "MIR_LOX1000"
                                    << "GGA" << QList<int> { 2 };
    QTest::newRow("speed log, DPT") << "LINUX"
                                    << "MIR_LOX1000"
                                    << "DPT" << QList<int> { 0, 1, 3 };
    QTest::newRow("speed log, MTW") << "LINUX"
                                    << "MIR_LOX2000"
                                    << "MTW" << QList<int> { 0, 1 };
    QTest::newRow("speed log, proprietary sensor") << "LINUX"
                                                   << "MIR_LOX1000"
                                                   << "PQRVSTTL" << QList<int> { 0, 1 };
    QTest::newRow("speed log, RMC") << "LINUX"
                                    << "MIR_LOX1000"
                                    << "RMC" << none;
    QTest::newRow("speed log, names are exact") << "LINUX"
                                                << "MIR_LOX1000"
                                                << "gga" << none;
    QTest::newRow("speed log on WINDOWS") << "WINDOWS"
                                          << "MIR_LOX1000"
                                          << "RMC" << all;
    QTest::newRow("TVR100 on LINUX") << "LINUX"
                                     << "TVR100"
                                     << "RMC" << all;
}

void tst_TmpPortsSetupAdapter::inputSentenceAllowed()
{
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QString, sentence);
    QFETCH(QList<int>, acceptingPorts);

    BuildConfiguration::TestOverride configuration(QStringLiteral("JB"), platform, product);
    ESCommunicationsSetup setup(nullptr, QStringLiteral("CommunicationsSetup"));
    TmpPortsSetupAdapter adapter(&setup);
    QList<int> accepting;
    for (int port : { -1, 0, 1, 2, 3, 4, 5, 6, 99 }) {
        if (adapter.isInputSentenceAllowed(sentence, Port(port)))
            accepting << port;
    }
    QCOMPARE(accepting, acceptingPorts);
}

QTEST_GUILESS_MAIN(tst_TmpPortsSetupAdapter)
#include "tst_tmpportssetupadapter.moc"
