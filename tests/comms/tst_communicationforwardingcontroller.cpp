// Communication forwarding: the monitor gates of the display and the junction box, the monitor entries
// and their text "CommsData", the CU-port texts, and the forwarding table.

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "comms/CommunicationForwardingController.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESCommunicationsSetup.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
const QString hdt = QStringLiteral("$GPHDT,123.4,T*36\r\n");
const QString vtg = QStringLiteral("$GPVTG,,T,,M,5.2,N,9.6,K,A*1D\r\n");
const QString gga = QStringLiteral("$GPGGA,080509,5430.1,N,01020.2,E,1,08,0.9,12.0,M,,M,,*4A\r\n");
} // namespace

class tst_CommunicationForwardingController : public QObject
{
    Q_OBJECT

private slots:
    void gates_data();
    void gates();
    void monitorEntries_data();
    void monitorEntries();
    void listOfEntriesFlushesOnce();
    void unflushedEntriesAreBounded();
    void decodeMonitorText_data();
    void decodeMonitorText();
    void junctionBoxSendsMonitorText();
    void cuPortTextRoundTrip();
    void cuPortSentencesThatCannotTravel();
    void receivedCuPortTexts_data();
    void receivedCuPortTexts();
    void forwardingTable();
    void portInputEnabled();
};

void tst_CommunicationForwardingController::gates_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("output");
    QTest::addColumn<bool>("input");

    QTest::newRow("display output port 0 is channel 4") << "CU"
                                                        << "MIR_LOX1000" << 1 << 0 << 4 << 0 << true << false;
    QTest::newRow("display network port never watched")
        << "CU"
        << "MIR_LOX1000" << 1 << 0 << 3 << 3 << false << false;
    QTest::newRow("display input closed on this product")
        << "CU"
        << "MIR_LOX1000" << 1 << 1 << 4 << 0 << false << false;
    QTest::newRow("display input on another product") << "CU"
                                                      << "TVR200" << 1 << 1 << 5 << 1 << false << true;
    QTest::newRow("display other channel") << "CU"
                                           << "TVR200" << 1 << 0 << 5 << 0 << false << false;
    QTest::newRow("display TVR100 output closed") << "CU"
                                                  << "TVR100" << 1 << 0 << 4 << 0 << false << false;
    QTest::newRow("monitor off") << "CU"
                                 << "TVR200" << 0 << 0 << 4 << 0 << false << false;
    QTest::newRow("display port above 2") << "CU"
                                          << "TVR200" << 1 << 0 << 7 << 3 << false << false;
    QTest::newRow("display negative port") << "CU"
                                           << "TVR200" << 1 << 0 << 3 << -1 << false << false;
    QTest::newRow("junction box input on network port") << "JB"
                                                        << "TVR200" << 1 << 1 << 3 << 3 << false << true;
    QTest::newRow("junction box output on port 1") << "JB"
                                                   << "TVR200" << 1 << 0 << 1 << 1 << true << false;
    QTest::newRow("junction box port above 3") << "JB"
                                               << "TVR200" << 1 << 0 << 4 << 4 << false << false;
    QTest::newRow("junction box negative port") << "JB"
                                                << "TVR200" << 1 << 1 << 0 << -4 << false << false;
}

void tst_CommunicationForwardingController::gates()
{
    QFETCH(QString, kind);
    QFETCH(QString, product);
    QFETCH(int, on);
    QFETCH(int, direction);
    QFETCH(int, channel);
    QFETCH(int, port);
    QFETCH(bool, output);
    QFETCH(bool, input);

    BuildConfiguration::TestOverride configuration(kind, "LINUX", product);
    ESCommunicationInformation information;
    information.setCommsInfoOn(on);
    information.setDataDirection(direction);
    information.setChannelNumber(channel);
    CommunicationForwardingController controller;
    QVERIFY(!controller.isOutputMonitored(port));
    controller.setCommunicationInformation(&information);
    QCOMPARE(controller.isOutputMonitored(port), output);
    QCOMPARE(controller.isInputMonitored(port), input);
}

void tst_CommunicationForwardingController::monitorEntries_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("entry");

    QTest::newRow("header") << 0 << hdt << "$GPHDT";
    QTest::newRow("full message") << 1 << hdt << "$GPHDT,123.4,T*36";
    QTest::newRow("header of a text without comma") << 0 << "$PQRVX*00\r\n"
                                                    << "$PQRVX*00\r\n";
    QTest::newRow("full message without line end") << 1 << "$GPHDT,123.4,T*36"
                                                   << "$GPHDT,123.4,T*36";
}

void tst_CommunicationForwardingController::monitorEntries()
{
    QFETCH(int, format);
    QFETCH(QString, sentence);
    QFETCH(QString, entry);

    ESCommunicationInformation information;
    information.setDataFormat(format);
    CommunicationForwardingController controller;
    controller.setCommunicationInformation(&information);
    QSignalSpy batches(&controller, &CommunicationForwardingController::comsInformationReceived);

    controller.addCommunicationInformation(sentence, 3);
    QCOMPARE(batches.count(), 0);
    QCOMPARE(controller.monitorEntries(), QList<QString> { entry });
    controller.addCommunicationInformation(sentence, 1, true);
    QCOMPARE(batches.count(), 1);
    QCOMPARE(batches.at(0).at(0).value<QList<QString>>(), (QList<QString> { entry, entry }));
    QCOMPARE(batches.at(0).at(1).value<QList<int>>(), (QList<int> { 3, 1 }));
    QVERIFY(controller.monitorEntries().isEmpty());
    QVERIFY(controller.monitorStatuses().isEmpty());
    // Nothing buffered: nothing handed on.
    controller.flushInformationBuffer();
    QCOMPARE(batches.count(), 1);
}

void tst_CommunicationForwardingController::listOfEntriesFlushesOnce()
{
    ESCommunicationInformation information;
    CommunicationForwardingController controller;
    controller.setCommunicationInformation(&information);
    QSignalSpy batches(&controller, &CommunicationForwardingController::comsInformationReceived);
    controller.addCommunicationInformation(QList<QString> { hdt, vtg, gga }, 2, true);
    QCOMPARE(batches.count(), 1);
    QCOMPARE(batches.at(0).at(0).value<QList<QString>>(), (QList<QString> { "$GPHDT", "$GPVTG", "$GPGGA" }));
    QCOMPARE(batches.at(0).at(1).value<QList<int>>(), (QList<int> { 2, 2, 2 }));
}

void tst_CommunicationForwardingController::unflushedEntriesAreBounded()
{
    CommunicationForwardingController controller;
    for (int i = 0; i < CommunicationForwardingController::maxTextEntries + 10; ++i)
        controller.addCommunicationInformation(QStringLiteral("$GP%1,1*00\r\n").arg(i), i % 4);
    QCOMPARE(controller.monitorEntries().size(), CommunicationForwardingController::maxTextEntries);
    QCOMPARE(controller.monitorStatuses().size(), CommunicationForwardingController::maxTextEntries);
    QCOMPARE(controller.monitorEntries().first(), QString("$GP10"));
    QCOMPARE(controller.monitorStatuses().first(), 10 % 4);
}

void tst_CommunicationForwardingController::decodeMonitorText_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<QList<int>>("statuses");

    QTest::newRow("two headers") << 0 << "GPHDT0|GPGGA2" << QStringList { "$GPHDT", "$GPGGA" }
                                 << QList<int> { 0, 2 };
    QTest::newRow("leading separator")
        << 0 << "|GPHDT0|GPGGA2" << QStringList { "$GPHDT", "$GPGGA" } << QList<int> { 0, 2 };
    QTest::newRow("empty parts between")
        << 0 << "GPHDT1||GPVTG3|" << QStringList { "$GPHDT", "$GPVTG" } << QList<int> { 1, 3 };
    QTest::newRow("status not a digit") << 0 << "GPHDTx" << QStringList { "$GPHDT" } << QList<int> { 0 };
    QTest::newRow("full message") << 1 << "GPHDT<123.4<T360|GPVTG<<T<<M<5.2<N<9.6<K<A1D1"
                                  << QStringList { "$GPHDT,123.4,T*36", "$GPVTG,,T,,M,5.2,N,9.6,K,A*1D" }
                                  << QList<int> { 0, 1 };
    QTest::newRow("status alone is dropped")
        << 0 << "5|GPHDT0" << QStringList { "$GPHDT" } << QList<int> { 0 };
    QTest::newRow("full message too short")
        << 1 << "GP0|GPHDT<1<T362" << QStringList { "$GPHDT,1,T*36" } << QList<int> { 2 };
    QTest::newRow("empty text") << 0 << "" << QStringList() << QList<int>();
    QTest::newRow("only separators") << 0 << "|||" << QStringList() << QList<int>();
}

void tst_CommunicationForwardingController::decodeMonitorText()
{
    QFETCH(int, format);
    QFETCH(QString, text);
    QFETCH(QStringList, sentences);
    QFETCH(QList<int>, statuses);

    ESCommunicationInformation information;
    information.setDataFormat(format);
    CommunicationForwardingController controller;
    controller.setCommunicationInformation(&information);
    QSignalSpy batches(&controller, &CommunicationForwardingController::comsInformationReceived);
    information.setCommsData(text);
    if (sentences.isEmpty()) {
        QCOMPARE(batches.count(), 0);
        return;
    }
    QCOMPARE(batches.count(), 1);
    QCOMPARE(QStringList(batches.at(0).at(0).value<QList<QString>>()), sentences);
    QCOMPARE(batches.at(0).at(1).value<QList<int>>(), statuses);
}

void tst_CommunicationForwardingController::junctionBoxSendsMonitorText()
{
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QString text;
    {
        BuildConfiguration::TestOverride junctionBox("JB", "LINUX", "TVR200");
        ESCommunicationInformation information;
        information.setDataFormat(1);
        CommunicationForwardingController controller;
        controller.setCommunicationInformation(&information);
        QSignalSpy batches(&controller, &CommunicationForwardingController::comsInformationReceived);
        controller.addCommunicationInformation(hdt, 0);
        controller.addCommunicationInformation(vtg, 2, true);
        QCOMPARE(batches.count(), 0);
        text = information.CommsData();
        QCOMPARE(text, QString("GPHDT<123.4<T360|GPVTG<<T<<M<5.2<N<9.6<K<A1D2"));
        QVERIFY(controller.monitorEntries().isEmpty());
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).toString(),
            information.type() + "NoAck,SingleProperty,ComminicationInformation,CommsData=" + text);
        // Nothing buffered: nothing sent.
        controller.flushInformationBuffer();
        QCOMPARE(sent.count(), 1);
    }

    // The display decodes the text into the entries the junction box had.
    ESCommunicationInformation display;
    display.setDataFormat(1);
    CommunicationForwardingController controller;
    controller.setCommunicationInformation(&display);
    QSignalSpy batches(&controller, &CommunicationForwardingController::comsInformationReceived);
    display.setCommsData(text);
    QCOMPARE(batches.count(), 1);
    QCOMPARE(batches.at(0).at(0).value<QList<QString>>(),
        (QList<QString> { "$GPHDT,123.4,T*36", "$GPVTG,,T,,M,5.2,N,9.6,K,A*1D" }));
    QCOMPARE(batches.at(0).at(1).value<QList<int>>(), (QList<int> { 0, 2 }));
}

void tst_CommunicationForwardingController::cuPortTextRoundTrip()
{
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    ESCommunicationInformation information;
    CommunicationForwardingController controller;
    controller.setCommunicationInformation(&information);

    controller.addCuPortMessage(hdt, 0);
    controller.addCuPortMessage(hdt, 3);
    controller.addCuPortMessage(vtg, 2, true);
    const QString text = "GPHDT<123.4<T36|GPVTG<<T<<M<5.2<N<9.6<K<A1D";
    QCOMPARE(information.CuPortsIn(), text);
    QCOMPARE(controller.cuPortText(), QString());
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).toString(),
        information.type() + "NoAck,SingleProperty,ComminicationInformation,CuPortsIn=" + text);

    // The display puts out what arrives for its ports 0 and 2.
    QSignalSpy out(&controller, &CommunicationForwardingController::cuPortOutMessagesToSend);
    information.setCuPort1Out(text);
    information.setCuPort3Out("GPGGA<080509<5430.1<N<01020.2<E<1<08<0.9<12.0<M<<M<<4A");
    QCOMPARE(out.count(), 2);
    QCOMPARE(out.at(0).at(0).toStringList(), (QStringList { hdt, vtg }));
    QCOMPARE(out.at(0).at(1).toInt(), 0);
    QCOMPARE(out.at(1).at(0).toStringList(), QStringList { gga });
    QCOMPARE(out.at(1).at(1).toInt(), 2);

    // The junction box hears "CuPortsIn" instead, for no particular port.
    BuildConfiguration::TestOverride junctionBox("JB", "LINUX", "TVR200");
    ESCommunicationInformation boxInformation;
    CommunicationForwardingController box;
    box.setCommunicationInformation(&boxInformation);
    QSignalSpy boxOut(&box, &CommunicationForwardingController::cuPortOutMessagesToSend);
    boxInformation.setCuPort1Out(text);
    QCOMPARE(boxOut.count(), 0);
    boxInformation.setCuPortsIn(text);
    QCOMPARE(boxOut.count(), 1);
    QCOMPARE(boxOut.at(0).at(0).toStringList(), (QStringList { hdt, vtg }));
    QCOMPARE(boxOut.at(0).at(1).toInt(), -1);
}

void tst_CommunicationForwardingController::cuPortSentencesThatCannotTravel()
{
    CommunicationForwardingController controller;
    controller.addCuPortMessages(
        { "", "$", "GPHDT,1*00\r\n", "$GPHDT,1*00", "$GPHDT,1,00\r\n", "$GPHDT,a<b*00\r\n",
            "$GPHDT,a|b*00\r\n", "$GPTXT," + QString(90, 'x') + "*00\r\n", hdt },
        1);
    QCOMPARE(controller.cuPortText(), QString("GPHDT<123.4<T36"));
}

void tst_CommunicationForwardingController::receivedCuPortTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("sentences");

    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("separators only") << "||" << QStringList();
    QTest::newRow("too short") << "1" << QStringList();
    QTest::newRow("checksum not hex") << "GPHDT<1<T3Z" << QStringList();
    QTest::newRow("start character inside") << "GPHDT<$<T36" << QStringList();
    QTest::newRow("line end inside") << "GPHDT<\r\n<T36" << QStringList();
    QTest::newRow("longer than a sentence") << "GPTXT<" + QString(80, 'x') + "00" << QStringList();
    QTest::newRow("good part among bad ones") << "x||GPHDT<123.4<T36|<<" << QStringList { hdt };
}

void tst_CommunicationForwardingController::receivedCuPortTexts()
{
    QFETCH(QString, text);
    QFETCH(QStringList, sentences);

    ESCommunicationInformation information;
    information.setCuPort1Out("placeholder");
    CommunicationForwardingController controller;
    controller.setCommunicationInformation(&information);
    QSignalSpy out(&controller, &CommunicationForwardingController::cuPortOutMessagesToSend);
    information.setCuPort1Out(text);
    if (sentences.isEmpty()) {
        QCOMPARE(out.count(), 0);
        return;
    }
    QCOMPARE(out.count(), 1);
    QCOMPARE(out.at(0).at(0).toStringList(), sentences);
}

void tst_CommunicationForwardingController::forwardingTable()
{
    {
        BuildConfiguration::TestOverride other("JB", "LINUX", "TVR200");
        CommunicationForwardingController controller;
        for (int port = -1; port <= 7; ++port) {
            QVERIFY(!controller.isForwardedPort(port));
            QCOMPARE(controller.forwardingTargetPort(port), -1);
        }
        controller.setForwarding(1, 2, true);
        controller.setForwarding(0, 1, true);
        QVERIFY(controller.isForwardedPort(1));
        QCOMPARE(controller.forwardingTargetPort(1), 2);
        QCOMPARE(controller.forwardingTargetPort(0), 1);
        QVERIFY(!controller.isForwardedPort(2));
        controller.setForwarding(1, 0, true);
        QCOMPARE(controller.forwardingTargetPort(1), 0);
        controller.setForwarding(1, 0, false);
        QVERIFY(!controller.isForwardedPort(1));
        QCOMPARE(controller.forwardingTargetPort(1), -1);
        QCOMPARE(controller.forwardingTargetPort(0), 1);
    }
    // This product forwards every port to port 0 once port 0 is a source.
    BuildConfiguration::TestOverride mirlox("CU", "LINUX", "MIR_LOX1000");
    CommunicationForwardingController controller;
    controller.setForwarding(2, 1, true);
    QVERIFY(!controller.isForwardedPort(2));
    QCOMPARE(controller.forwardingTargetPort(2), -1);
    controller.setForwarding(0, 2, true);
    QVERIFY(controller.isForwardedPort(2));
    QVERIFY(controller.isForwardedPort(5));
    QCOMPARE(controller.forwardingTargetPort(2), 0);
}

void tst_CommunicationForwardingController::portInputEnabled()
{
    CommunicationForwardingController controller;
    QVERIFY(!controller.isPortInputEnabled(0));
    ESCommunicationsSetup setup(nullptr, QStringLiteral("CommunicationsSetup"));
    setup.NmeaPort3Setup()->setInputEnabled(1);
    setup.AdditionalNmeaPort1Setup()->setInputEnabled(1);
    controller.setCommunicationsSetup(&setup);
    const QList<bool> expected { true, true, false, true, false, true, true };
    for (int port = 0; port < expected.size(); ++port)
        QCOMPARE(controller.isPortInputEnabled(port), expected.at(port));
    QVERIFY(!controller.isPortInputEnabled(7));
    QVERIFY(!controller.isPortInputEnabled(-1));
}

QTEST_GUILESS_MAIN(tst_CommunicationForwardingController)
#include "tst_communicationforwardingcontroller.moc"
