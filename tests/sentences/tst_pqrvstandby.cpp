// The standby and restart sentences: SLP and ICM switch the operating mode of "TQ55Setup" and send it
// to the partner; REBOOT requests and replies with their repetitions. Every case has settings and handlers
// of its own; the repetitions run at tens of milliseconds except in the case that checks the protocol's
// intervals.

#include "FreshStores.h"
#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "data/CU_R207_Setup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"
#include "sentences/PqrvStandbyHandlers.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <optional>

using namespace SentenceExchange;

namespace {

const int fastRequestMs = 20;
const int fastReplyMs = 40;

} // namespace

class TestPqrvStandby : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sleepCommand_data();
    void sleepCommand();
    void junctionBoxSleepCommand();
    void leaveStandbyCommand_data();
    void leaveStandbyCommand();
    void rebootAtProtocolIntervals();
    void rebootRequestRunsElevenTimes();
    void rebootFromOthersIsIgnored();
    void rebootFromPartnerIsAnswered();

private:
    // The single changes of the operating mode sent to the partner.
    static QStringList modeChanges(const QSignalSpy &texts);

    ESTQ55Setup *m_box = nullptr;
    CU_R207_Setup *m_display = nullptr;
    NmeaHandlerContainer *m_container = nullptr;
    HandlerPqrvReboot *m_reboot = nullptr;
    std::optional<FreshStores> m_stores;
};

void TestPqrvStandby::initTestCase()
{
    registerTypes();
}

void TestPqrvStandby::init()
{
    m_stores.emplace();
    m_box = ESDataClass::instance()->setup()->TQ55Setup();
    m_display = ESDataClass::instance()->localSetup()->DisplaySetup();
    m_container = NmeaHandlerContainer::instance();
    m_reboot = qobject_cast<HandlerPqrvReboot *>(m_container->handler("PQRV", "REBOOT"));
    QVERIFY(m_reboot);
    m_reboot->setRepeatIntervals(fastRequestMs, fastReplyMs);
    QCOMPARE(m_display->LocalSFI(), QString("GN1000"));
    QCOMPARE(m_display->PairedSFI(), QString("GN1001"));
}

void TestPqrvStandby::cleanup()
{
    m_stores.reset();
}

QStringList TestPqrvStandby::modeChanges(const QSignalSpy &texts)
{
    QStringList changes;
    for (const QList<QVariant> &text : texts) {
        const QString item = text.at(0).toString().section(',', -1);
        if (item.startsWith("SystemInNormalOrStandbyMode="))
            changes << item;
    }
    return changes;
}

void TestPqrvStandby::sleepCommand_data()
{
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<QString>("slp");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<QStringList>("sent");

    // On a display the SLP is addressed to its junction box, the partner.
    QTest::newRow("sleep") << 0 << "$PQRVSLP,GN1001,1*72" << int(Handled) << 1 << 1
                           << QStringList { "SystemInNormalOrStandbyMode=1" };
    QTest::newRow("sleep again") << 1 << "$PQRVSLP,GN1001,1*72" << int(Handled) << 1 << 0
                                 << QStringList { "SystemInNormalOrStandbyMode=1" };
    QTest::newRow("wake") << 1 << "$PQRVSLP,GN1001,0*73" << int(Handled) << 0 << 1
                          << QStringList { "SystemInNormalOrStandbyMode=0" };
    QTest::newRow("empty means wake") << 1 << "$PQRVSLP,GN1001,*43" << int(Handled) << 0 << 1
                                      << QStringList { "SystemInNormalOrStandbyMode=0" };
    QTest::newRow("own sfi") << 0 << "$PQRVSLP,GN1000,1*73" << int(Handled) << 0 << 0 << QStringList();
    QTest::newRow("no target") << 0 << "$PQRVSLP,,1*7B" << int(Handled) << 0 << 0 << QStringList();
    QTest::newRow("out of range") << 0 << "$PQRVSLP,GN1001,2*71" << int(NotParsed) << 0 << 0 << QStringList();
}

void TestPqrvStandby::sleepCommand()
{
    QFETCH(int, modeBefore);
    QFETCH(QString, slp);
    QFETCH(int, outcome);
    QFETCH(int, modeAfter);
    QFETCH(int, signalCount);
    QFETCH(QStringList, sent);

    m_box->setSystemInNormalOrStandbyMode(modeBefore);
    QSignalSpy changed(m_box, &ESTQ55Setup::SystemInNormalOrStandbyModeChanged);
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    Recorder recorder;
    QCOMPARE(int(receive(m_container, slp + "\r\n")), outcome);
    QCOMPARE(m_box->SystemInNormalOrStandbyMode(), modeAfter);
    QCOMPARE(changed.count(), signalCount);
    QCOMPARE(modeChanges(texts), sent);
    QCOMPARE(recorder.total(), 0);
}

// A junction box is addressed by its own LocalSFI ("GN1001" by default), not by the display's partner.
void TestPqrvStandby::junctionBoxSleepCommand()
{
    BuildConfiguration::TestOverride junctionBox("JB", "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    m_box->setLocalSFI("GN1001");
    m_display->setPairedSFI("GN3003");
    auto *pair = qobject_cast<HandlerPqrvPair *>(m_container->handler("PQRV", "PAIR"));
    pair->pairAcknowledged();
    pair->unpairAcknowledged();

    m_box->setSystemInNormalOrStandbyMode(1);
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QCOMPARE(receive(&container, "$PQRVSLP,GN1001,*43\r\n"), Handled);
    QCOMPARE(m_box->SystemInNormalOrStandbyMode(), 0);
    QCOMPARE(modeChanges(texts), QStringList { "SystemInNormalOrStandbyMode=0" });
}

void TestPqrvStandby::leaveStandbyCommand_data()
{
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<QString>("icm");
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("in standby") << 1 << "$PQRVICM,0,98,*5F" << 1
                                << QStringList { "SystemInNormalOrStandbyMode=0" };
    QTest::newRow("already normal") << 0 << "$PQRVICM,0,98,*5F" << 0
                                    << QStringList { "SystemInNormalOrStandbyMode=0" };
    QTest::newRow("other version") << 1 << "$PQRVICM,1,98,*5E" << 0 << QStringList();
    QTest::newRow("other command") << 1 << "$PQRVICM,0,97,x*28" << 0 << QStringList();
}

void TestPqrvStandby::leaveStandbyCommand()
{
    QFETCH(int, modeBefore);
    QFETCH(QString, icm);
    QFETCH(int, signalCount);
    QFETCH(QStringList, sent);
    m_box->setSystemInNormalOrStandbyMode(modeBefore);
    QSignalSpy changed(m_box, &ESTQ55Setup::SystemInNormalOrStandbyModeChanged);
    QSignalSpy texts(serializableSignalEmitter(), &SignalEmitter::signalEmitString);
    QCOMPARE(receive(m_container, icm + "\r\n"), Handled);
    QCOMPARE(changed.count(), signalCount);
    QCOMPARE(modeChanges(texts), sent);
    QCOMPARE(m_box->SystemInNormalOrStandbyMode(), sent.isEmpty() ? modeBefore : 0);
}

// The cadence of a request series, then of the series after a reply to the partner.
void TestPqrvStandby::rebootAtProtocolIntervals()
{
    NmeaHandlerContainer fresh;
    QCOMPARE(qobject_cast<HandlerPqrvReboot *>(fresh.handler("PQRV", "REBOOT"))->repeatInterval(), 1000);
    m_reboot->setRepeatIntervals(
        HandlerPqrvReboot::defaultRequestInterval, HandlerPqrvReboot::defaultReplyInterval);

    Recorder recorder;
    QElapsedTimer clock;
    clock.start();
    m_reboot->sendReboot("C");
    // A repeating timer keeps its cadence: one late tick makes the next gap shorter, so the bound is on
    // the time since the first send (coarse timers may fire up to 5 % early).
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singleCount(), 3, 4000);
    QVERIFY(clock.elapsed() >= 2 * 950);

    // The partner's REBOOT is answered at once; the next request follows one longer interval later.
    QCOMPARE(receive(m_container, "$PQRVREBOOT,GN1001,R*5F\r\n"), Handled);
    QCOMPARE(recorder.singles().last(), QString("3:$PQRVREBOOT,GN1000,R*5E"));
    QCOMPARE(m_reboot->repeatInterval(), 2000);
    clock.restart();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.singleCount(), 5, 3000);
    QVERIFY(clock.elapsed() >= 1900);
    QCOMPARE(recorder.singles().last(), QString("3:$PQRVREBOOT,GN1000,C*4F"));
}

void TestPqrvStandby::rebootRequestRunsElevenTimes()
{
    Recorder recorder;
    m_reboot->sendReboot("C");
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVREBOOT,GN1000,C*4F" });
    QTRY_COMPARE(recorder.singleCount(), 11);
    QCOMPARE(recorder.singles().count("3:$PQRVREBOOT,GN1000,C*4F"), 11);
    // The timer stops at the 11th expiry, which sends nothing.
    QTRY_VERIFY(!m_reboot->isRepeating());
    QCOMPARE(recorder.singleCount(), 11);
}

void TestPqrvStandby::rebootFromOthersIsIgnored()
{
    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVREBOOT,GN7777,C*4E\r\n"), Handled);
    // The display's own SFI is not the partner either.
    QCOMPARE(receive(m_container, "$PQRVREBOOT,GN1000,C*4F\r\n"), Handled);
    QCOMPARE(recorder.total(), 0);
    QCOMPARE(m_reboot->repeatInterval(), fastRequestMs);
}

// A reply sets the longer interval for the rest of the handler's life.
void TestPqrvStandby::rebootFromPartnerIsAnswered()
{
    Recorder recorder;
    m_reboot->sendReboot("C");
    QCOMPARE(recorder.singleCount(), 1);

    // Cuts the running request series; a reply "R" is answered like a request.
    QCOMPARE(receive(m_container, "$PQRVREBOOT,GN1001,R*5F\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList({ "3:$PQRVREBOOT,GN1000,C*4F", "3:$PQRVREBOOT,GN1000,R*5E" }));
    QCOMPARE(m_reboot->repeatInterval(), fastReplyMs);

    // One longer interval later a new series of requests begins.
    QTRY_VERIFY(recorder.singleCount() >= 4);
    QCOMPARE(recorder.singles().mid(2, 2),
        QStringList({ "3:$PQRVREBOOT,GN1000,C*4F", "3:$PQRVREBOOT,GN1000,C*4F" }));

    // A restart by the user repeats at the longer interval too.
    m_reboot->sendReboot("C");
    QCOMPARE(m_reboot->repeatInterval(), fastReplyMs);
}

QTEST_GUILESS_MAIN(TestPqrvStandby)
#include "tst_pqrvstandby.moc"
