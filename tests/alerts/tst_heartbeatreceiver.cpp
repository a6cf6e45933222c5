#include "ParsedSentence.h"

#include "comms/HeartbeatReceiver.h"
#include "nmea/NmeaMessage.h"

#include <QSignalSpy>
#include <QtTest>

// The process-wide heartbeat receiver: every heartbeat announced once, unchanged; texts that cannot be
// a sender's talker or SFI are counted and dropped.

class tst_HeartbeatReceiver : public QObject
{
    Q_OBJECT

private slots:
    void processWide();
    void announced_data();
    void announced();
    void refused_data();
    void refused();
    void receivedSentence();
};

void tst_HeartbeatReceiver::processWide()
{
    HeartbeatReceiver *receiver = HeartbeatReceiver::instance();
    QVERIFY(receiver);
    QCOMPARE(HeartbeatReceiver::instance(), receiver);
    QVERIFY(!receiver->parent());
    // Without a listener a heartbeat is still taken.
    const int invalid = receiver->invalidHeartbeatCount();
    receiver->heartbeatReceived("II", "II0001");
    QCOMPARE(receiver->invalidHeartbeatCount(), invalid);

    // Other receivers are independent of the process-wide one.
    QObject owner;
    HeartbeatReceiver own(&owner);
    QSignalSpy ownBeats(&own, &HeartbeatReceiver::signalHeartbeatReceived);
    QSignalSpy processBeats(receiver, &HeartbeatReceiver::signalHeartbeatReceived);
    own.heartbeatReceived("VD", QString());
    QCOMPARE(ownBeats.count(), 1);
    QCOMPARE(processBeats.count(), 0);
}

void tst_HeartbeatReceiver::announced_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("sfi");

    QTest::newRow("network") << "II"
                             << "II0001";
    QTest::newRow("serial, no SFI") << "VD" << QString();
    QTest::newRow("lower case kept") << "ii"
                                     << "ii0001";
}

void tst_HeartbeatReceiver::announced()
{
    QFETCH(QString, talker);
    QFETCH(QString, sfi);

    QSignalSpy beats(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived);
    HeartbeatReceiver::instance()->heartbeatReceived(talker, sfi);
    QCOMPARE(beats.count(), 1);
    QCOMPARE(beats.at(0).at(0).toString(), talker);
    QCOMPARE(beats.at(0).at(1).toString(), sfi);
}

void tst_HeartbeatReceiver::refused_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("sfi");

    QTest::newRow("no talker") << QString() << "II0001";
    QTest::newRow("talker of one") << "I"
                                   << "II0001";
    QTest::newRow("talker of three") << "IIX"
                                     << "II0001";
    QTest::newRow("talker of 100000") << QString(100000, QLatin1Char('I')) << "II0001";
    QTest::newRow("SFI of five") << "II"
                                 << "II001";
    QTest::newRow("SFI of seven") << "II"
                                  << "II00001";
    QTest::newRow("SFI of 100000") << "II" << QString(100000, QLatin1Char('9'));
}

void tst_HeartbeatReceiver::refused()
{
    QFETCH(QString, talker);
    QFETCH(QString, sfi);

    HeartbeatReceiver *receiver = HeartbeatReceiver::instance();
    const int invalid = receiver->invalidHeartbeatCount();
    QSignalSpy beats(receiver, &HeartbeatReceiver::signalHeartbeatReceived);
    receiver->heartbeatReceived(talker, sfi);
    QCOMPARE(beats.count(), 0);
    QCOMPARE(receiver->invalidHeartbeatCount(), invalid + 1);
}

// What the receiving path hands over for a received HBT: the sentence's talker and its sender's SFI.
void tst_HeartbeatReceiver::receivedSentence()
{
    std::unique_ptr<NmeaMessage> message
        = ParsedSentence::parse(ParsedSentence::complete("IIHBT,30,A,4"), "UDP", "II0042");
    QVERIFY(message);
    QSignalSpy beats(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived);
    HeartbeatReceiver::instance()->heartbeatReceived(message->talker(), message->sourceSfi());
    QCOMPARE(beats.count(), 1);
    QCOMPARE(beats.at(0).at(0).toString(), QStringLiteral("II"));
    QCOMPARE(beats.at(0).at(1).toString(), QStringLiteral("II0042"));
}

QTEST_GUILESS_MAIN(tst_HeartbeatReceiver)
#include "tst_heartbeatreceiver.moc"
