#include "ParsedSentence.h"
#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/AlertHandlers.h"
#include "sentences/AlertSentences.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using ParsedSentence::complete;
using ParsedSentence::parse;

// The alert handlers run in the default handler set (ALC, ALF, ALR and ARC only there); the test runs as an
// echo-sounder display.

class TestAlertHandlers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void forwarding_data();
    void forwarding();
    void heartbeatSequence();
    void heartbeatRequestedOnUdp();
    void receivedHeartbeatStoresNothing();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_echoSounder;
};

void TestAlertHandlers::initTestCase()
{
    m_echoSounder.reset(new BuildConfiguration::TestOverride("CU", "WINDOWS", "TVR200"));
    SentenceExchange::registerTypes();
}

void TestAlertHandlers::cleanupTestCase()
{
    m_echoSounder.reset();
}

void TestAlertHandlers::forwarding_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("sfi");
    QTest::addColumn<QString>("forwarded");
    QTest::addColumn<QString>("source");

    // An ACN goes on whole, addressed by its sender's SFI; the others as their fields with the port.
    const QString acn = complete("IIACN,123456.00,KOR,3015,1,A,C");
    QTest::newRow("ACN") << acn << "UDP"
                         << "II0001" << acn << "II0001";
    QTest::newRow("ACN from a serial port") << acn << "Serial_1" << QString() << acn << QString();
    QTest::newRow("ACK") << complete("IIACK,123") << "Serial_1" << QString() << "123"
                         << "Serial_1";
    QTest::newRow("ALC") << complete("IIALC,01,01,03,1,KOR,3015,1,2") << "UDP"
                         << "II0001"
                         << "01,01,03,1,KOR,3015,1,2"
                         << "UDP";
    QTest::newRow("ALF") << complete("IIALF,1,1,0,124304.50,A,W,A,,192,1,1,0,LOST TARGET") << "UDP"
                         << "II0001"
                         << "1,1,0,124304.50,A,W,A,,192,1,1,0,LOST TARGET"
                         << "UDP";
    QTest::newRow("ALR") << complete("IIALR,124304.50,001,A,V,Depth alarm") << "Serial_3" << QString()
                         << "124304.50,001,A,V,Depth alarm"
                         << "Serial_3";
    QTest::newRow("ARC") << complete("IIARC,124304.50,KOR,3015,1,A") << "Serial_2" << QString()
                         << "124304.50,KOR,3015,1,A"
                         << "Serial_2";
}

void TestAlertHandlers::forwarding()
{
    QFETCH(QString, sentence);
    QFETCH(QString, port);
    QFETCH(QString, sfi);
    QFETCH(QString, forwarded);
    QFETCH(QString, source);

    std::unique_ptr<NmeaMessage> message = parse(sentence, port, sfi);
    QVERIFY(message);
    const QString formatter = message->formatter();
    std::unique_ptr<NmeaHandler> handler;
    if (formatter == QLatin1String("ACK"))
        handler.reset(new HandlerAck);
    else if (formatter == QLatin1String("ACN"))
        handler.reset(new HandlerAcn);
    else if (formatter == QLatin1String("ALC"))
        handler.reset(new HandlerAlc);
    else if (formatter == QLatin1String("ALF"))
        handler.reset(new HandlerAlf);
    else if (formatter == QLatin1String("ALR"))
        handler.reset(new HandlerAlr);
    else
        handler.reset(new HandlerArc);
    QVERIFY(handler->isForwarding());
    QVERIFY(!handler->isPeriodic());
    QVERIFY(!handler->dataObject());

    QSignalSpy forwards(handler.get(), &NmeaHandler::forwardMessage);
    handler->handleReceivedMessage(message.get());
    QCOMPARE(forwards.count(), 1);
    QCOMPARE(forwards.at(0).at(0).toString(), forwarded);
    QCOMPARE(forwards.at(0).at(1).toString(), source);
    QVERIFY(handler->isLastMessageValid());
}

// The heartbeat identifier runs 9, 0, 1, ..., 9: the first heartbeat carries 9.
void TestAlertHandlers::heartbeatSequence()
{
    HandlerHbt handler;
    QCOMPARE(handler.sendInterval(), 30);
    QVERIFY(handler.isPeriodic());
    QStringList sentences;
    for (int i = 0; i < 11; ++i)
        sentences += handler.outgoingSentences();
    QStringList expected;
    for (int identifier : { 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 })
        expected << complete(QStringLiteral("GNHBT,30,A,%1").arg(identifier));
    QCOMPARE(sentences, expected);

    // A fresh message filled by the controller's road takes the next identifier.
    MsgHbt fresh(QStringLiteral("GN"));
    handler.fillOutgoingMessage(&fresh);
    QCOMPARE(fresh.SentenceIdentifier()->value(), 0);
    QVERIFY(fresh.Status()->isValid());
}

void TestAlertHandlers::heartbeatRequestedOnUdp()
{
    HandlerHbt handler;
    QCOMPARE(handler.extraPorts(), QList<int> { UDP });
    SentenceExchange::Recorder recorder;
    handler.sendOnEnabledPorts();
    QCOMPARE(recorder.byType(), QStringList { "3:build GNHBT" });
}

void TestAlertHandlers::receivedHeartbeatStoresNothing()
{
    HandlerHbt handler;
    std::unique_ptr<NmeaMessage> message = parse(complete("IIHBT,30,A,4"));
    handler.handleReceivedMessage(message.get());
    QVERIFY(handler.isLastMessageValid());
    // A received heartbeat does not move the unit's own sequence.
    QCOMPARE(handler.outgoingSentences(), QStringList { complete("GNHBT,30,A,9") });
}

QTEST_GUILESS_MAIN(TestAlertHandlers)
#include "tst_alerthandlers.moc"
