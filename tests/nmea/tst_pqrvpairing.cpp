// The pairing and identity exchange of the display with its junction box: PAIR with its repetitions,
// SFIACK, SFICHANGE and DEVSTART in the display role.

#include "SentenceExchange.h"

#include "common/SignalEmitter.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/sentences/PqrvPairingHandlers.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace SentenceExchange;

class TestPqrvPairing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void firstPairingHasNoUnpairing();
    void unacknowledgedSeriesRunsTenTimes();
    void acknowledgementStopsOnlyItsKind();
    void acknowledgementsNotForThisUnitAreIgnored_data();
    void acknowledgementsNotForThisUnitAreIgnored();
    void resendIsOneExtraPair();
    void sfiChangeIsSentFiveTimes();
    void devStartFromPartnerPairsAgain();
    void devStartIsSentWithLocalSfi();
    void receivedPairChangesNothingOnDisplay();
    void sfiChangeIsFollowed();

private:
    int countOf(const Recorder &recorder, const QString &entry) const
    {
        return recorder.singles().count(entry);
    }
    void acknowledgeAll();

    CU_R207_Setup *m_display = nullptr;
    NmeaHandlerContainer *m_container = nullptr;
    HandlerPqrvPair *m_pair = nullptr;
};

void TestPqrvPairing::initTestCase()
{
    registerTypes();
    m_display = ESDataClass::instance()->localSetup()->DisplaySetup();
    // The list of SFIs exists before anything pairs, as at start-up.
    QCOMPARE(ListOfSfisOnNetwork::instance()->externalLocalSfi(), QString("GN1000"));
    m_container = NmeaHandlerContainer::instance();
    m_pair = qobject_cast<HandlerPqrvPair *>(m_container->handler("PQRV", "PAIR"));
    QVERIFY(m_pair);
    QCOMPARE(m_display->LocalSFI(), QString("GN1000"));
    QCOMPARE(m_display->PairedSFI(), QString("GN1001"));
}

// Both series are acknowledged, so that nothing of one test runs into the next.
void TestPqrvPairing::acknowledgeAll()
{
    const QString partner = m_display->PairedSFI();
    const QString previous = m_display->previousPairedSFI();
    receive(m_container, sentence("PQRVSFIACK," + partner + ",GN1000,PAIR,P"));
    receive(m_container, sentence("PQRVSFIACK," + previous + ",GN1000,PAIR,U"));
}

void TestPqrvPairing::cleanup()
{
    acknowledgeAll();
}

// Before PairedSFI first changes there is no previous partner: only the "P" goes out.
void TestPqrvPairing::firstPairingHasNoUnpairing()
{
    QCOMPARE(m_display->previousPairedSFI(), QString());
    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVDEVSTART,GN1001*37\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVPAIR,GN1000,GN1001,P*72" });
}

void TestPqrvPairing::unacknowledgedSeriesRunsTenTimes()
{
    Recorder recorder;
    QSignalSpy aboutToSend(m_pair, &HandlerPqrvPair::aboutToSendPairMsg);
    QElapsedTimer clock;
    QList<qint64> pairTimes;
    QObject context;
    connect(m_pair, &HandlerPqrvPair::aboutToSendPairMsg, &context, [&] { pairTimes << clock.elapsed(); });
    clock.start();

    m_display->setPairedSFI("GN2002");
    // The "U" to the previous partner goes first, then the "P" to the new one.
    QCOMPARE(recorder.singles(),
        QStringList({ "3:$PQRVPAIR,GN1000,GN1001,U*77", "3:$PQRVPAIR,GN1000,GN2002,P*72" }));

    QTRY_COMPARE_WITH_TIMEOUT(countOf(recorder, "3:$PQRVPAIR,GN1000,GN2002,P*72"), 10, 12000);
    QTRY_COMPARE_WITH_TIMEOUT(countOf(recorder, "3:$PQRVPAIR,GN1000,GN1001,U*77"), 10, 2000);
    QCOMPARE(aboutToSend.count(), 10);
    QCOMPARE(pairTimes.size(), 10);
    // Qt's coarse timers may fire up to 5 % early.
    for (int i = 1; i < pairTimes.size(); ++i)
        QVERIFY2(pairTimes.at(i) - pairTimes.at(i - 1) >= 900, qPrintable(QString::number(pairTimes.at(i))));

    // The series has ended: while another repetition (SFICHANGE) sends three times, no PAIR follows.
    auto *change = qobject_cast<HandlerPqrvSfiChange *>(m_container->handler("PQRV", "SFICHANGE"));
    change->sendSfiChange("GN1000", "GN1000");
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singles().filter("SFICHANGE").size(), 3, 4000);
    QCOMPARE(recorder.singles().filter("PAIR").size(), 20);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singles().filter("SFICHANGE").size(), 5, 4000);
}

void TestPqrvPairing::acknowledgementStopsOnlyItsKind()
{
    Recorder recorder;
    m_display->setPairedSFI("GN3003");
    QTRY_COMPARE_WITH_TIMEOUT(countOf(recorder, "3:$PQRVPAIR,GN1000,GN3003,P*72"), 3, 4000);
    QCOMPARE(receive(m_container, "$PQRVSFIACK,GN3003,GN1000,PAIR,P*4B\r\n"), Handled);
    QCOMPARE(m_pair->pairSendCount(), 0);

    // The "U" goes on and no fourth "P" follows.
    QTRY_COMPARE_WITH_TIMEOUT(countOf(recorder, "3:$PQRVPAIR,GN1000,GN2002,U*77"), 6, 5000);
    QCOMPARE(countOf(recorder, "3:$PQRVPAIR,GN1000,GN3003,P*72"), 3);

    QCOMPARE(receive(m_container, "$PQRVSFIACK,GN2002,GN1000,PAIR,U*4E\r\n"), Handled);
    QCOMPARE(m_pair->unpairSendCount(), 0);
}

void TestPqrvPairing::acknowledgementsNotForThisUnitAreIgnored_data()
{
    QTest::addColumn<QString>("ack");
    QTest::newRow("lower-case p") << "$PQRVSFIACK,GN3003,GN1000,PAIR,p*6B\r\n";
    QTest::newRow("lower-case pair") << "$PQRVSFIACK,GN3003,GN1000,pair,P*4B\r\n";
    QTest::newRow("other destination") << "$PQRVSFIACK,GN3003,GN9999,PAIR,P*4A\r\n";
}

void TestPqrvPairing::acknowledgementsNotForThisUnitAreIgnored()
{
    QFETCH(QString, ack);
    // A new partner restarts both series.
    m_display->setPairedSFI(m_display->PairedSFI() == "GN3003" ? "GN2002" : "GN3003");
    const QString partner = m_display->PairedSFI();
    Recorder recorder;
    QCOMPARE(receive(m_container, ack.replace("GN3003", partner)), Handled);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singles().filter(",P*").size(), 1, 2000);
    QCOMPARE(m_pair->pairSendCount(), 2);
}

void TestPqrvPairing::resendIsOneExtraPair()
{
    Recorder recorder;
    QSignalSpy aboutToSend(m_pair, &HandlerPqrvPair::aboutToSendPairMsg);
    const int before = m_pair->pairSendCount();
    m_pair->resendPairMessage();
    QCOMPARE(recorder.singles(),
        QStringList {
            sentence("PQRVPAIR,GN1000," + m_display->PairedSFI() + ",P").prepend("3:").chopped(2) });
    QCOMPARE(aboutToSend.count(), 1);
    QCOMPARE(m_pair->pairSendCount(), before);
}

void TestPqrvPairing::sfiChangeIsSentFiveTimes()
{
    auto *change = qobject_cast<HandlerPqrvSfiChange *>(m_container->handler("PQRV", "SFICHANGE"));
    QVERIFY(change);
    Recorder recorder;
    change->sendSfiChange("GN1005", "GN1000");
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVSFICHANGE,GN1005,GN1000*5A" });
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singleCount(), 5, 6000);
    QCOMPARE(recorder.singles().count("3:$PQRVSFICHANGE,GN1005,GN1000*5A"), 5);

    // No sixth: a pairing series started now sends three times meanwhile.
    m_display->setPairedSFI("GN4004");
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singles().filter(",GN4004,P").size(), 3, 4000);
    QCOMPARE(recorder.singles().filter("SFICHANGE").size(), 5);
}

void TestPqrvPairing::devStartFromPartnerPairsAgain()
{
    m_display->setPairedSFI("GN1001");
    acknowledgeAll();
    QCOMPARE(m_display->previousPairedSFI(), QString("GN4004"));
    QSignalSpy changed(m_display, &CU_R207_Setup::PairedSFIChanged);

    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVDEVSTART,GN7777*37\r\n"), Handled);
    QCOMPARE(recorder.total(), 0);
    QCOMPARE(changed.count(), 0);

    QCOMPARE(receive(m_container, "$PQRVDEVSTART,GN1001*37\r\n"), Handled);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QString("GN1001"));
    QCOMPARE(m_display->PairedSFI(), QString("GN1001"));
    QCOMPARE(recorder.singles(),
        QStringList({ sentence("PQRVPAIR,GN1000,GN4004,U").prepend("3:").chopped(2),
            "3:$PQRVPAIR,GN1000,GN1001,P*72" }));
}

void TestPqrvPairing::devStartIsSentWithLocalSfi()
{
    NmeaHandler *devStart = m_container->handler("PQRV", "DEVSTART");
    QVERIFY(devStart);
    Recorder recorder;
    devStart->sendOnEnabledPorts();
    QCOMPARE(recorder.byType(), QStringList { "3:build PQRVDEVSTART" });

    // What the NMEA controller then builds: a fresh message filled by the handler.
    std::unique_ptr<NmeaMessage> message(NmeaMessage::create("PQRV", "DEVSTART"));
    devStart->fillOutgoingMessage(message.get());
    QCOMPARE(message->toSentence(), QString("$PQRVDEVSTART,GN1000*36\r\n"));
}

void TestPqrvPairing::receivedPairChangesNothingOnDisplay()
{
    Recorder recorder;
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalSerializedSetupAndDestinationSfis);
    QCOMPARE(receive(m_container, "$PQRVPAIR,GN1000,GN1001,P*72\r\n"), Handled);
    QCOMPARE(recorder.total(), 0);
    QCOMPARE(texts.count(), 0);
}

// A received SFICHANGE renames the SFI in the list of SFIs on the network, whoever sent it.
void TestPqrvPairing::sfiChangeIsFollowed()
{
    ListOfSfisOnNetwork *list = ListOfSfisOnNetwork::instance();
    QCOMPARE(list->connectedSfis(), QStringList { m_display->PairedSFI() });
    const QString partner = m_display->PairedSFI();
    Recorder recorder;
    QCOMPARE(receive(m_container, sentence("PQRVSFICHANGE,GN5005," + partner)), Handled);
    QCOMPARE(list->connectedSfis(), QStringList { "GN5005" });
    QVERIFY(list->sfisOnNetwork()->contains("GN5005"));
    QVERIFY(!list->sfisOnNetwork()->contains(partner));
    QCOMPARE(recorder.total(), 0);
}

QTEST_GUILESS_MAIN(TestPqrvPairing)
#include "tst_pqrvpairing.moc"
