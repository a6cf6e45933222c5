// The periodic sender: which handlers are due in which cycle, and how their sentences are grouped.

#include "SentenceExchange.h"

#include "nmea/NmeaHandler.h"
#include "nmea/NmeaPeriodicalSender.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace SentenceExchange;

namespace {

// A handler whose own sentences are fixed texts.
class FixedHandler : public NmeaHandler
{
public:
    FixedHandler(const QString &formatter, bool periodic, const QStringList &sentences, bool multi = false,
        bool proprietary = false)
        : NmeaHandler(nullptr, formatter, periodic, nullptr, proprietary)
        , m_sentences(sentences)
    {
        m_multiSentence = multi;
    }

    QStringList outgoingSentences() override
    {
        ++outgoingCalls;
        return m_multiSentence ? QStringList { "wrong" } : m_sentences;
    }
    QStringList storedSentences() override { return m_sentences; }

    int outgoingCalls = 0;

private:
    QStringList m_sentences;
};

} // namespace

class TestNmeaPeriodicalSender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerTypes(); }

    void dueEveryIntervalCycles();
    void heartbeatAndDepthGoAlone();
    void multiSentenceHandlerSendsStoredGroup();
    void rearmedAfterEachCycle();
};

void TestNmeaPeriodicalSender::dueEveryIntervalCycles()
{
    FixedHandler clock("AAA", true, { "$GNAAA,1*00" });
    clock.addExtraPort(3);
    FixedHandler third("BBB", true, { "$GNBBB,3*00" });
    third.setSendInterval(3);
    third.addExtraPort(3);
    FixedHandler noPort("CCC", true, { "$GNCCC*00" });
    FixedHandler notPeriodic("DDD", false, { "$GNDDD*00" });
    notPeriodic.addExtraPort(3);
    FixedHandler otherPort("EEE", true, { "$GNEEE*00" });
    otherPort.addExtraPort(5);

    NmeaPeriodicalSender sender({ &clock, &third, &noPort, &notPeriodic, &otherPort });
    sender.setInterval(20);
    Recorder recorder;
    sender.start(nullptr);
    QVERIFY(sender.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(recorder.groups().count("3:$GNAAA,1*00") >= 7, 5000);
    sender.setInterval(100000);
    sender.restartTimer();

    const int cycles = recorder.groups().count("3:$GNAAA,1*00");
    QCOMPARE(recorder.groups().count("3:$GNBBB,3*00"), cycles / 3);
    // Sent in the 3rd, 6th, ... cycle: together with the clock of that cycle, in handler order.
    QCOMPARE(recorder.groups().mid(0, 4),
        QStringList({ "3:$GNAAA,1*00", "3:$GNAAA,1*00", "3:$GNAAA,1*00", "3:$GNBBB,3*00" }));
    QCOMPARE(recorder.groupSizes().mid(0, 3), QList<int>({ 1, 1, 2 }));
    QCOMPARE(recorder.groupTypes().at(2), QString("AAA"));
    // A periodic handler without extra ports never counts; neither does one that is not periodic.
    QCOMPARE(noPort.sendCounter(), 0);
    QCOMPARE(noPort.outgoingCalls, 0);
    QCOMPARE(notPeriodic.outgoingCalls, 0);
    QCOMPARE(otherPort.outgoingCalls, 0);
    QVERIFY(recorder.groups().filter(QRegularExpression("^[012]:")).isEmpty());
}

void TestNmeaPeriodicalSender::heartbeatAndDepthGoAlone()
{
    FixedHandler first("VTG", true, { "$GNVTG,1*00" });
    FixedHandler heartbeat("HBT", true, { "$GNHBT,30,A,1*00" });
    FixedHandler depth("DPT", true, { "$PQRVDPT,1.0*00" }, false, true);
    FixedHandler last("GGA", true, { "$GNGGA,1*00" });
    for (NmeaHandler *handler : QList<NmeaHandler *> { &first, &heartbeat, &depth, &last })
        handler->addExtraPort(3);
    heartbeat.addExtraPort(0);

    NmeaPeriodicalSender sender({ &first, &heartbeat, &depth, &last });
    Recorder recorder;
    sender.sendPeriodicalMessages(0);
    // Port 0 first, then port 3: each HBT and DPT alone in list order, then the rest as one group.
    QCOMPARE(recorder.groupSizes(), QList<int>({ 1, 1, 1, 2 }));
    QCOMPARE(recorder.groupTypes(), QStringList({ "HBT", "HBT", "PQRVDPT", "VTG" }));
    QCOMPARE(recorder.groups(),
        QStringList({ "0:$GNHBT,30,A,1*00", "3:$GNHBT,30,A,1*00", "3:$PQRVDPT,1.0*00", "3:$GNVTG,1*00",
            "3:$GNGGA,1*00" }));
}

void TestNmeaPeriodicalSender::multiSentenceHandlerSendsStoredGroup()
{
    FixedHandler satellites("GSV", true, { "$GNGSV,2,1*00", "$GNGSV,2,2*00" }, true);
    satellites.addExtraPort(3);
    NmeaPeriodicalSender sender(QList<NmeaHandler *> { &satellites });
    Recorder recorder;
    sender.sendPeriodicalMessages(0);
    QCOMPARE(recorder.groups(), QStringList({ "3:$GNGSV,2,1*00", "3:$GNGSV,2,2*00" }));
    QCOMPARE(satellites.outgoingCalls, 0);
}

// A cycle run with an id other than 0 waits twice the interval for the next.
void TestNmeaPeriodicalSender::rearmedAfterEachCycle()
{
    FixedHandler clock("AAA", true, { "$GNAAA*00" });
    clock.addExtraPort(3);
    NmeaPeriodicalSender sender(QList<NmeaHandler *> { &clock });
    sender.setInterval(300);
    QVERIFY(!sender.isRunning());
    Recorder recorder;
    QElapsedTimer elapsed;
    elapsed.start();
    sender.sendPeriodicalMessages(1);
    QVERIFY(sender.isRunning());
    QCOMPARE(recorder.groupCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.groupCount(), 2, 2000);
    QVERIFY(elapsed.elapsed() >= 540);
    elapsed.restart();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.groupCount(), 3, 2000);
    // Only a loose lower bound: a loaded machine fires timers late, Qt's coarse timers may fire up to 5 %
    // early, and each wait above notices a send up to one poll late.
    QVERIFY(elapsed.elapsed() >= 220);
}

QTEST_GUILESS_MAIN(TestNmeaPeriodicalSender)
#include "tst_nmeaperiodicalsender.moc"
