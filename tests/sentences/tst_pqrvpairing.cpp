// The pairing and identity exchange of the display with its junction box: PAIR with its repetitions,
// SFIACK, SFICHANGE and DEVSTART in the display role. Every case starts from the default settings with
// handlers and an SFI list of its own; the repetitions run at tens of milliseconds except in the two cases
// that check the protocol's interval.

#include "FreshStores.h"
#include "SentenceExchange.h"

#include "common/SignalEmitter.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <optional>

using namespace SentenceExchange;

namespace {

const int fastRepeatMs = 30;

// The times of the sentences on the handler hub whose text contains `part`, from the clock's start.
class SendTimes
{
public:
    explicit SendTimes(const QString &part)
    {
        m_clock.start();
        QObject::connect(nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort,
            &m_context, [this, part](const QString &, const QString &sentence) {
                if (sentence.contains(part))
                    m_times << m_clock.elapsed();
            });
    }
    const QList<qint64> &times() const { return m_times; }
    // Qt's coarse timers may fire up to 5 % early.
    bool apartAtLeast(int msec) const
    {
        for (int i = 1; i < m_times.size(); ++i) {
            if (m_times.at(i) - m_times.at(i - 1) < msec * 95 / 100)
                return false;
        }
        return true;
    }

private:
    QElapsedTimer m_clock;
    QObject m_context;
    QList<qint64> m_times;
};

} // namespace

class TestPqrvPairing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstPairingHasNoUnpairing();
    void pairRepeatsAtProtocolInterval();
    void unacknowledgedSeriesRunsTenTimes();
    void acknowledgementStopsOnlyItsKind();
    void acknowledgementsNotForThisUnitAreIgnored_data();
    void acknowledgementsNotForThisUnitAreIgnored();
    void resendIsOneExtraPair();
    void sfiChangeRepeatsAtProtocolInterval();
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
    HandlerPqrvSfiChange *m_change = nullptr;
    std::optional<FreshStores> m_stores;
};

void TestPqrvPairing::initTestCase()
{
    registerTypes();
}

void TestPqrvPairing::init()
{
    m_stores.emplace();
    m_display = ESDataClass::instance()->localSetup()->DisplaySetup();
    // The list of SFIs exists before anything pairs, as at start-up.
    QCOMPARE(ListOfSfisOnNetwork::instance()->externalLocalSfi(), QString("GN1000"));
    m_container = NmeaHandlerContainer::instance();
    m_pair = qobject_cast<HandlerPqrvPair *>(m_container->handler("PQRV", "PAIR"));
    QVERIFY(m_pair);
    m_change = qobject_cast<HandlerPqrvSfiChange *>(m_container->handler("PQRV", "SFICHANGE"));
    QVERIFY(m_change);
    m_pair->setRepeatInterval(fastRepeatMs);
    m_change->setRepeatInterval(fastRepeatMs);
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
    m_stores.reset();
}

// Before PairedSFI first changes there is no previous partner: only the "P" goes out.
void TestPqrvPairing::firstPairingHasNoUnpairing()
{
    QCOMPARE(m_display->previousPairedSFI(), QString());
    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVDEVSTART,GN1001*37\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVPAIR,GN1000,GN1001,P*72" });
}

void TestPqrvPairing::pairRepeatsAtProtocolInterval()
{
    {
        const HandlerPqrvPair untouched;
        QCOMPARE(untouched.repeatInterval(), 1000);
    }
    m_pair->setRepeatInterval(HandlerPqrvPair::defaultRepeatInterval);

    SendTimes pairs("GN2002,P");
    SendTimes unpairs("GN1001,U");
    m_display->setPairedSFI("GN2002");
    QTRY_COMPARE_WITH_TIMEOUT(pairs.times().size(), 3, 4000);
    QTRY_COMPARE_WITH_TIMEOUT(unpairs.times().size(), 3, 2000);
    QVERIFY(pairs.apartAtLeast(1000));
    QVERIFY(unpairs.apartAtLeast(1000));
}

void TestPqrvPairing::unacknowledgedSeriesRunsTenTimes()
{
    Recorder recorder;
    QSignalSpy aboutToSend(m_pair, &HandlerPqrvPair::aboutToSendPairMsg);
    SendTimes pairTimes("GN2002,P");

    m_display->setPairedSFI("GN2002");
    // The "U" to the previous partner goes first, then the "P" to the new one.
    QCOMPARE(recorder.singles(),
        QStringList({ "3:$PQRVPAIR,GN1000,GN1001,U*77", "3:$PQRVPAIR,GN1000,GN2002,P*72" }));

    QTRY_COMPARE(countOf(recorder, "3:$PQRVPAIR,GN1000,GN2002,P*72"), 10);
    QTRY_COMPARE(countOf(recorder, "3:$PQRVPAIR,GN1000,GN1001,U*77"), 10);
    QCOMPARE(aboutToSend.count(), 10);
    QVERIFY(pairTimes.apartAtLeast(fastRepeatMs));

    // The series has ended: while another repetition (SFICHANGE, at the same interval) sends five times,
    // no PAIR follows.
    m_change->sendSfiChange("GN1000", "GN1000");
    QTRY_COMPARE(recorder.singles().filter("SFICHANGE").size(), 5);
    QCOMPARE(recorder.singles().filter("PAIR").size(), 20);
}

void TestPqrvPairing::acknowledgementStopsOnlyItsKind()
{
    Recorder recorder;
    m_display->setPairedSFI("GN3003");
    QTRY_VERIFY(countOf(recorder, "3:$PQRVPAIR,GN1000,GN3003,P*72") >= 3);
    QCOMPARE(receive(m_container, "$PQRVSFIACK,GN3003,GN1000,PAIR,P*4B\r\n"), Handled);
    QCOMPARE(m_pair->pairSendCount(), 0);
    const int pairs = countOf(recorder, "3:$PQRVPAIR,GN1000,GN3003,P*72");

    // The "U" to the previous partner goes on to the end of its series; no further "P" follows.
    QTRY_COMPARE(countOf(recorder, "3:$PQRVPAIR,GN1000,GN1001,U*77"), 10);
    QCOMPARE(countOf(recorder, "3:$PQRVPAIR,GN1000,GN3003,P*72"), pairs);
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
    // The series runs to its end: the nine repetitions after the first "P".
    QTRY_COMPARE(recorder.singles().filter(",P*").size(), 9);
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

void TestPqrvPairing::sfiChangeRepeatsAtProtocolInterval()
{
    {
        const HandlerPqrvSfiChange untouched;
        QCOMPARE(untouched.repeatInterval(), 1000);
    }
    m_change->setRepeatInterval(HandlerPqrvSfiChange::defaultRepeatInterval);

    SendTimes changes("SFICHANGE");
    m_change->sendSfiChange("GN1005", "GN1000");
    QTRY_COMPARE_WITH_TIMEOUT(changes.times().size(), 3, 4000);
    QVERIFY(changes.apartAtLeast(1000));
}

void TestPqrvPairing::sfiChangeIsSentFiveTimes()
{
    Recorder recorder;
    m_change->sendSfiChange("GN1005", "GN1000");
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVSFICHANGE,GN1005,GN1000*5A" });
    QTRY_COMPARE(recorder.singleCount(), 5);
    QCOMPARE(recorder.singles().count("3:$PQRVSFICHANGE,GN1005,GN1000*5A"), 5);

    // No sixth: a pairing series at the same interval, started now, runs to its end meanwhile.
    m_display->setPairedSFI("GN4004");
    QTRY_COMPARE(recorder.singles().filter(",GN4004,P").size(), 10);
    QCOMPARE(recorder.singles().filter("SFICHANGE").size(), 5);
}

void TestPqrvPairing::devStartFromPartnerPairsAgain()
{
    // The partner was GN4004 before it became GN1001 again.
    m_display->setPairedSFI("GN4004");
    acknowledgeAll();
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
    // A new partner is connected.
    m_display->setPairedSFI("GN2002");
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
