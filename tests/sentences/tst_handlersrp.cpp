// SRP: the announcements of the unit's MAC and IP address and the reception of others'.

#include "SentenceExchange.h"

#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/HandlerSrp.h"

#include <QtTest>

#include <memory>

using namespace SentenceExchange;

class TestHandlerSrp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void filledFromDisplaySetup_data();
    void filledFromDisplaySetup();
    void startsOncePerProcess();
    void receivedAnnouncements_data();
    void receivedAnnouncements();

private:
    CU_R207_Setup *m_display = nullptr;
    HandlerSrp *m_srp = nullptr;
};

void TestHandlerSrp::initTestCase()
{
    registerTypes();
    m_display = ESDataClass::instance()->localSetup()->DisplaySetup();
    m_srp = qobject_cast<HandlerSrp *>(NmeaHandlerContainer::instance()->handler("GN", "SRP"));
    QVERIFY(m_srp);
}

void TestHandlerSrp::filledFromDisplaySetup_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("expected");
    QTest::newRow("addresses") << "00:1A:2B:3C:4D:5E"
                               << "192.168.1.20"
                               << "$GNSRP,0,00:1A:2B:3C:4D:5E,192.168.1.20*16";
    // The pattern of the field judges received sentences only: what the settings hold is sent.
    QTest::newRow("placeholders") << "-/-"
                                  << ""
                                  << "$GNSRP,0,-/-,*6B";
}

void TestHandlerSrp::filledFromDisplaySetup()
{
    QFETCH(QString, mac);
    QFETCH(QString, ip);
    QFETCH(QString, expected);
    m_display->setMacAddress(mac);
    m_display->setIP(ip);
    // The NMEA controller builds the sentence from a fresh message that the handler fills.
    std::unique_ptr<NmeaMessage> message(NmeaMessage::create("GN", "SRP"));
    message->deserializeParamaters("7,11:22:33:44:55:66,1.2.3.4");
    message->setParameters(QString());
    m_srp->fillOutgoingMessage(message.get());
    QCOMPARE(message->toSentence(), expected + "\r\n");
}

void TestHandlerSrp::startsOncePerProcess()
{
    Recorder recorder;
    QCOMPARE(HandlerSrp::scheduledAnnouncementCount(), 0);
    m_srp->startSending();
    QCOMPARE(recorder.byType(), QStringList { "3:build GNSRP" });
    // The follow-up 60 s later is scheduled.
    QCOMPARE(HandlerSrp::scheduledAnnouncementCount(), 1);

    m_srp->startSending();
    QCOMPARE(recorder.byTypeCount(), 1);
    QCOMPARE(HandlerSrp::scheduledAnnouncementCount(), 1);

    // Every change of either address is announced at once, once.
    m_display->setIP("192.168.1.21");
    QCOMPARE(recorder.byTypeCount(), 2);
    m_display->setMacAddress("00:1A:2B:3C:4D:5F");
    QCOMPARE(recorder.byTypeCount(), 3);
    QCOMPARE(recorder.singleCount() + recorder.groupCount(), 0);
}

void TestHandlerSrp::receivedAnnouncements_data()
{
    QTest::addColumn<QString>("srp");
    QTest::addColumn<int>("outcome");
    QTest::newRow("valid") << "$IISRP,1,00-1A-2B-3C-4D-5E,10.0.0.1*0F" << int(Handled);
    QTest::newRow("lower-case mac") << "$IISRP,1,00-1a-2b-3c-4d-5e,10.0.0.1*2F" << int(NotParsed);
    QTest::newRow("no mac") << "$IISRP,1,,10.0.0.1*52" << int(NotParsed);
}

void TestHandlerSrp::receivedAnnouncements()
{
    QFETCH(QString, srp);
    QFETCH(int, outcome);
    const QString macBefore = m_display->MacAddress();
    Recorder recorder;
    QCOMPARE(int(receive(NmeaHandlerContainer::instance(), srp + "\r\n")), outcome);
    QCOMPARE(recorder.total(), 0);
    QCOMPARE(m_display->MacAddress(), macBefore);
}

QTEST_GUILESS_MAIN(TestHandlerSrp)
#include "tst_handlersrp.moc"
