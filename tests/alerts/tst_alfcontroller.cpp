#include "AlarmPorts.h"
#include "ParsedSentence.h"
#include "SentenceExchange.h"
#include "SpyTexts.h"

#include "alerts/AcmRecord.h"
#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/AlfController.h"
#include "alerts/BasicAlert.h"
#include "alerts/HeartbeatMonitorsList.h"
#include "alerts/ResponsibilityOwnerHeartbeatMonitor.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"
#include "sentences/AlertHandlers.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using ParsedSentence::complete;

// The ALF producer: ALF, ALC and ARC contents, and the ACN commands of other stations.

namespace {

const QStringList definitions { "AlarmShallow,Shallow Water,230,Alarm,CatA,AlarmToAlarm",
    "AlertDeep,Deep Water,10456,Alert,CatB,WarningToAlarm", "CautionLow,Low Voltage,10460,Caution,CatB,None",
    "AlertInfo,Info,10461,Alert,CatC,None" };

} // namespace

class tst_AlfController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void construction();
    void alfContents();
    void alfSequenceWraps();
    void alcContents();
    void alcSequenceWraps();
    void arcContents_data();
    void arcContents();
    void commands_data();
    void commands();
    void commandTwice();
    void invalidCommands_data();
    void invalidCommands();
    void malformedCommandRunsNothingEarlier();
    void disabled();
    void framedSentences();

private:
    void request(const QString &alert, const QString &what);

    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
    std::unique_ptr<AlertsController> m_list;
    std::unique_ptr<AlfController> m_alf;
};

void tst_AlfController::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
    SentenceExchange::registerTypes();
}

void tst_AlfController::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_AlfController::init()
{
    m_list.reset(new AlertsController(definitions));
    m_alf.reset(new AlfController(m_list.get()));
    m_alf->setAlfEnabled(true);
    SignalExtender::instance()->connectPending();
}

void tst_AlfController::cleanup()
{
    m_alf.reset();
    m_list.reset();
}

void tst_AlfController::request(const QString &alert, const QString &what)
{
    SingleAlertTypeController *controller = m_list->findByName(alert);
    QVERIFY(controller);
    if (what == QLatin1String("raise"))
        controller->raiseAlert("Sensor");
    else if (what == QLatin1String("clear"))
        controller->clearAlert("Sensor");
    else if (what == QLatin1String("ack"))
        controller->acknowledgeAlert("Bridge");
    else if (what == QLatin1String("silence"))
        controller->silenceAlert("Bridge");
    else if (what == QLatin1String("transfer"))
        controller->transferResponsibility("Bridge");
    else
        QFAIL("unknown request");
}

void tst_AlfController::construction()
{
    AlfController fresh(m_list.get());
    QVERIFY(!fresh.alfEnabled());
    QCOMPARE(fresh.alcInterval(), 30000);
    QCOMPARE(SignalExtender::instance()->findObject("AlfController"), &fresh);
    const AcmRecord *record = fresh.acmRecord();
    QVERIFY(record->handled());
    QCOMPARE(record->alertIdentifier(), 0);
    QCOMPARE(record->alertInstance(), -1);
    QVERIFY(record->alertCommand().isEmpty());
    QCOMPARE(fresh.invalidCommandCount(), 0);
    fresh.setAlcInterval(0);
    QCOMPARE(fresh.alcInterval(), 30000);
}

void tst_AlfController::alfContents()
{
    QSignalSpy alf(m_alf.get(), &AlfController::alfSentenceContents);
    QSignalSpy combined(m_alf.get(), &AlfController::alertSentenceContents);
    request("AlarmShallow", "raise");
    request("AlarmShallow", "ack");
    request("AlertDeep", "raise");
    request("AlertDeep", "silence");
    request("AlertDeep", "transfer");
    request("AlertDeep", "clear");
    m_list->findByName("CautionLow")->setManufacturerCode("KOR");
    request("CautionLow", "raise");
    request("CautionLow", "ack"); // a Caution ignores it: no ALF
    request("CautionLow", "clear");
    m_list->findByName("AlertDeep")->setAlertText("Deeper");
    const QStringList expected {
        ",1,1,0,,A,A,V,,230,1,1,0,Shallow Water",
        ",1,1,1,,A,A,A,,230,1,2,0,Shallow Water",
        ",1,1,2,,B,W,V,,10456,1,1,0,Deep Water",
        ",1,1,3,,B,W,S,,10456,1,2,0,Deep Water",
        ",1,1,4,,B,W,O,,10456,1,3,0,Deep Water",
        // A change to Normal is reported in full once.
        ",1,1,5,,B,W,N,,10456,1,4,0,Deep Water",
        ",1,1,6,,B,C,V,KOR,10460,1,1,0,Low Voltage",
        ",1,1,7,,B,C,N,KOR,10460,1,2,0,Low Voltage",
        ",1,1,8,,B,W,N,,10456,1,5,0,Deeper",
    };
    QCOMPARE(firstArgumentTexts(alf), expected);
    QCOMPARE(combined.count(), 0);
    // Every report clears the alert's change flags.
    QVERIFY(!m_list->findByName("AlertDeep")->alert()->newChangePresent());

    // A Normal alert without a pending change: the content ends after the empty time field.
    alf.clear();
    m_alf->createAlfMessage(10456);
    QCOMPARE(firstArgumentTexts(alf), QStringList { ",1,1,9," });
    m_alf->createAlfMessage(99999); // no such alert
    QCOMPARE(alf.count(), 1);
}

void tst_AlfController::alfSequenceWraps()
{
    QSignalSpy alf(m_alf.get(), &AlfController::alfSentenceContents);
    for (int i = 0; i < 11; ++i)
        m_alf->createAlfMessage(230);
    QStringList sequences;
    for (const QString &content : firstArgumentTexts(alf))
        sequences << content.section(QLatin1Char(','), 3, 3);
    QCOMPARE(sequences, (QStringList { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0" }));
}

void tst_AlfController::alcContents()
{
    QSignalSpy alc(m_alf.get(), &AlfController::alcSentenceContents);
    m_alf->createAlcMessage();
    request("AlarmShallow", "raise");
    request("AlertDeep", "raise");
    m_alf->createAlcMessage();
    m_list->findByName("AlarmShallow")->setManufacturerCode("KOR");
    request("AlertDeep", "ack");
    request("AlertDeep", "clear");
    // Cleared to Normal and reported by its ALF: no more in the list.
    m_alf->createAlcMessage();
    const QStringList expected {
        ",01,01,00,0,,,,",
        ",01,01,01,2,,230,1,1,,10456,1,1",
        ",01,01,02,1,KOR,230,1,1",
    };
    QCOMPARE(firstArgumentTexts(alc), expected);

    // A Normal alert whose change is still to be reported is listed; the list clears no flag.
    BasicAlert *deep = m_list->findByName("AlertDeep")->alert();
    m_alf->setAlfEnabled(false);
    request("AlertDeep", "raise");
    request("AlertDeep", "ack");
    request("AlertDeep", "clear");
    m_alf->setAlfEnabled(true);
    QVERIFY(deep->newChangePresent());
    alc.clear();
    m_alf->createAlcMessage();
    QCOMPARE(firstArgumentTexts(alc), QStringList { ",01,01,03,2,KOR,230,1,1,,10456,2,3" });
    QVERIFY(deep->newChangePresent());
}

void tst_AlfController::alcSequenceWraps()
{
    QSignalSpy alc(m_alf.get(), &AlfController::alcSentenceContents);
    m_alf->setAlcInterval(2);
    QCOMPARE(m_alf->alcInterval(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(alc.count() >= 102, 20000);
    m_alf->setAlcInterval(30000);
    QStringList sequences;
    for (const QString &content : firstArgumentTexts(alc).mid(0, 102))
        sequences << content.section(QLatin1Char(','), 3, 3);
    QCOMPARE(sequences.at(0), QStringLiteral("00"));
    QCOMPARE(sequences.at(7), QStringLiteral("07"));
    QCOMPARE(sequences.at(10), QStringLiteral("10"));
    QCOMPARE(sequences.at(99), QStringLiteral("99"));
    QCOMPARE(sequences.at(100), QStringLiteral("00"));
    QCOMPARE(sequences.at(101), QStringLiteral("01"));
    QCOMPARE(firstArgumentTexts(alc).at(7), QStringLiteral(",01,01,07,0,,,,"));
}

void tst_AlfController::arcContents_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("six fields") << "123456.00,KOR,230,1,A,C"
                                << ",,KOR,230,1,A";
    QTest::newRow("empty fields") << ",,230,1,O,C"
                                  << ",,,230,1,O";
    QTest::newRow("three fields") << "a,b,c"
                                  << ",,b";
    QTest::newRow("two fields") << "a,b"
                                << ",";
    QTest::newRow("empty") << QString() << ",";
}

void tst_AlfController::arcContents()
{
    QFETCH(QString, body);
    QFETCH(QString, expected);
    QSignalSpy arc(m_alf.get(), &AlfController::arcSentenceContents);
    m_alf->createArcMessage(body);
    QCOMPARE(firstArgumentTexts(arc), QStringList { expected });
}

void tst_AlfController::commands_data()
{
    QTest::addColumn<QString>("alert");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("alf");
    QTest::addColumn<QStringList>("arc");
    QTest::addColumn<QString>("monitorTalker");

    const QStringList none;
    // Each alert below has been raised once (instance 1) before the command arrives.
    // clang-format off
    QTest::newRow("A CatB") << "AlertDeep" << complete("IIACN,123456.00,,10456,1,A,C") << "ActiveAcknowledged"
        << QStringList { ",1,1,4,,B,W,A,,10456,1,2,0,Deep Water" } << none << QString();
    QTest::newRow("A CatA refused") << "AlarmShallow" << complete("IIACN,,,230,1,A,C") << "ActiveUnacknowledged"
        << none << QStringList { ",,,230,1,A" } << QString();
    QTest::newRow("A CatC refused") << "AlertInfo" << complete("IIACN,,KOR,10461,,A,C") << "ActiveUnacknowledged"
        << none << QStringList { ",,KOR,10461,,A" } << QString();
    QTest::newRow("A Caution ignored") << "CautionLow" << complete("IIACN,,,10460,1,A,C") << "ActiveUnacknowledged"
        << none << none << QString();
    QTest::newRow("Q") << "AlarmShallow" << complete("IIACN,,,230,1,Q,C") << "ActiveUnacknowledged"
        << QStringList { ",1,1,4,,A,A,V,,230,1,1,0,Shallow Water" } << none << QString();
    QTest::newRow("O CatB") << "AlertDeep" << complete("IIACN,,,10456,1,O,C") << "ActiveResponsibilityTransferred"
        << QStringList { ",1,1,4,,B,W,O,,10456,1,2,0,Deep Water" } << none << "II";
    QTest::newRow("O CatA refused") << "AlarmShallow" << complete("IIACN,,,230,1,O,C") << "ActiveUnacknowledged"
        << none << QStringList { ",,,230,1,O" } << QString();
    QTest::newRow("O Caution ignored, monitored") << "CautionLow" << complete("VDACN,,,10460,1,O,C") << "ActiveUnacknowledged"
        << none << none << "VD";
    QTest::newRow("S") << "AlertDeep" << complete("IIACN,,,10456,1,S,C") << "ActiveSilenced"
        << QStringList { ",1,1,4,,B,W,S,,10456,1,2,0,Deep Water" } << none << QString();
    QTest::newRow("S any instance") << "AlarmShallow" << complete("IIACN,,,230,,S,C") << "ActiveSilenced"
        << QStringList { ",1,1,4,,A,A,S,,230,1,2,0,Shallow Water" } << none << QString();
    QTest::newRow("stale instance") << "AlertDeep" << complete("IIACN,,,10456,2,A,C") << "ActiveUnacknowledged"
        << none << none << QString();
    QTest::newRow("no such alert") << "AlertDeep" << complete("IIACN,,,4711,1,A,C") << "ActiveUnacknowledged"
        << none << none << QString();
    QTest::newRow("without checksum") << "AlertDeep" << "$IIACN,,,10456,1,A,C" << "ActiveAcknowledged"
        << QStringList { ",1,1,4,,B,W,A,,10456,1,2,0,Deep Water" } << none << QString();
    // clang-format on
}

void tst_AlfController::commands()
{
    QFETCH(QString, alert);
    QFETCH(QString, sentence);
    QFETCH(QString, state);
    QFETCH(QStringList, alf);
    QFETCH(QStringList, arc);
    QFETCH(QString, monitorTalker);

    for (const char *name : { "AlarmShallow", "AlertDeep", "CautionLow", "AlertInfo" })
        request(name, "raise");
    QSignalSpy alfSpy(m_alf.get(), &AlfController::alfSentenceContents);
    QSignalSpy arcSpy(m_alf.get(), &AlfController::arcSentenceContents);

    m_alf->handleAcm(sentence, "II0001");

    SingleAlertTypeController *controller = m_list->findByName(alert);
    QCOMPARE(alertStateName(controller->alert()->alertState()), state);
    QCOMPARE(firstArgumentTexts(alfSpy), alf);
    QCOMPARE(firstArgumentTexts(arcSpy), arc);
    QVERIFY(m_alf->acmRecord()->handled());
    QCOMPARE(m_alf->invalidCommandCount(), 0);
    QCOMPARE(m_alf->acmRecord()->sourceSfi(), QStringLiteral("II0001"));
    if (!alf.isEmpty() && !sentence.contains(QLatin1String(",Q,")))
        QCOMPARE(controller->actionSource(), QStringLiteral("II0001"));

    ResponsibilityOwnerHeartbeatMonitor *monitor = m_list->heartbeatMonitors()->monitor(alert);
    if (monitorTalker.isEmpty()) {
        QVERIFY(!monitor);
    } else {
        QVERIFY(monitor);
        QCOMPARE(monitor->sourceTalker(), monitorTalker);
        QCOMPARE(monitor->sourceSfi(), QStringLiteral("II0001"));
    }
}

// Each received command runs once; calling the command runner again without a new command does nothing.
void tst_AlfController::commandTwice()
{
    request("AlertDeep", "raise");
    const QString silence = complete("IIACN,,,10456,1,S,C");
    QSignalSpy alf(m_alf.get(), &AlfController::alfSentenceContents);
    m_alf->handleAcm(silence, QString());
    QCOMPARE(alf.count(), 1);
    m_alf->handleAcm();
    QCOMPARE(alf.count(), 1);
    // The silence is over once the alert is active again; the same text silences it again.
    request("AlertDeep", "clear");
    request("AlertDeep", "raise");
    alf.clear();
    const QString silenceAny = complete("IIACN,,,10456,,S,C");
    m_alf->handleAcm(silenceAny, QString());
    m_alf->handleAcm(silenceAny, QString());
    QCOMPARE(m_list->findByName("AlertDeep")->alert()->alertState(), int(AlertState::ActiveSilenced));
    QCOMPARE(alf.count(), 1); // the second silence of a silenced alert changes nothing
    QCOMPARE(m_alf->acmRecord()->talker(), QStringLiteral("II"));
    QCOMPARE(m_alf->acmRecord()->rawBody(), QStringLiteral(",,10456,,S,C"));
}

void tst_AlfController::invalidCommands_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("source");

    // clang-format off
    QTest::newRow("five fields") << complete("IIACN,,,10456,1,A") << "II0001";
    QTest::newRow("seven fields") << complete("IIACN,,,10456,1,A,C,X") << "II0001";
    QTest::newRow("unknown command") << complete("IIACN,,,10456,1,X,C") << "II0001";
    QTest::newRow("command of two letters") << complete("IIACN,,,10456,1,AS,C") << "II0001";
    QTest::newRow("lower-case command") << complete("IIACN,,,10456,1,a,C") << "II0001";
    QTest::newRow("unknown status") << complete("IIACN,,,10456,1,A,D") << "II0001";
    QTest::newRow("empty status") << complete("IIACN,,,10456,1,A,") << "II0001";
    QTest::newRow("identifier too large") << complete("IIACN,,,10000000,1,A,C") << "II0001";
    QTest::newRow("identifier no number") << complete("IIACN,,,104x6,1,A,C") << "II0001";
    QTest::newRow("identifier negative") << complete("IIACN,,,-10456,1,A,C") << "II0001";
    QTest::newRow("identifier empty") << complete("IIACN,,,,1,A,C") << "II0001";
    QTest::newRow("instance too large") << complete("IIACN,,,10456,1000000,A,C") << "II0001";
    QTest::newRow("instance negative") << complete("IIACN,,,10456,-1,A,C") << "II0001";
    QTest::newRow("instance no number") << complete("IIACN,,,10456,one,A,C") << "II0001";
    QTest::newRow("not an ACN") << complete("IIACK,,,10456,1,A,C") << "II0001";
    QTest::newRow("address too long") << complete("IIIACN,,,10456,1,A,C") << "II0001";
    QTest::newRow("no fields") << complete("IIACN") << "II0001";
    QTest::newRow("empty text") << QString() << "II0001";
    QTest::newRow("too long") << complete("IIACN," + QString(70, QLatin1Char('0')) + ",,10456,1,A,C") << "II0001";
    QTest::newRow("SFI too long") << complete("IIACN,,,10456,1,A,C") << "II00010";
    QTest::newRow("SFI too short") << complete("IIACN,,,10456,1,A,C") << "II1";
    // clang-format on
}

void tst_AlfController::invalidCommands()
{
    QFETCH(QString, sentence);
    QFETCH(QString, source);

    request("AlertDeep", "raise");
    QSignalSpy alf(m_alf.get(), &AlfController::alfSentenceContents);
    QSignalSpy arc(m_alf.get(), &AlfController::arcSentenceContents);
    m_alf->handleAcm(sentence, source);
    QCOMPARE(m_alf->invalidCommandCount(), 1);
    QVERIFY(m_alf->acmRecord()->handled());
    QCOMPARE(alf.count(), 0);
    QCOMPARE(arc.count(), 0);
    QCOMPARE(m_list->findByName("AlertDeep")->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(m_list->heartbeatMonitors()->count(), 0);
}

// A command received while the producer was off is never run, neither when the producer is switched on
// nor by a malformed command received afterwards.
void tst_AlfController::malformedCommandRunsNothingEarlier()
{
    request("AlertDeep", "raise");
    m_alf->setAlfEnabled(false);
    m_alf->handleAcm(complete("IIACN,,,10456,1,A,C"), "II0001");
    m_alf->setAlfEnabled(true);
    m_alf->handleAcm();
    m_alf->handleAcm(complete("IIACN,,,10456,1,A"), "II0001");
    m_alf->handleAcm(complete("IIACN,,,10456,1,A,C,,"), "II0001");
    QCOMPARE(m_list->findByName("AlertDeep")->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(m_alf->invalidCommandCount(), 2);

    // Nor does a malformed command re-run a command that was refused with an ARC.
    request("AlarmShallow", "raise");
    QSignalSpy arc(m_alf.get(), &AlfController::arcSentenceContents);
    m_alf->handleAcm(complete("IIACN,,,230,1,A,C"), "II0001");
    m_alf->handleAcm(complete("IIACN,,,230,1,A,C,X"), "II0001");
    m_alf->handleAcm(complete("IIACN,,,230,1"), "II0001");
    QCOMPARE(arc.count(), 1);

    // A record parsed directly: a failed parse marks it handled, whatever it held.
    AcmRecord record;
    QVERIFY(record.parse(",,10456,1,A,C"));
    QVERIFY(!record.handled());
    QVERIFY(!record.parse(",,10456,1,A"));
    QVERIFY(record.handled());
    QCOMPARE(record.alertIdentifier(), 10456);
}

void tst_AlfController::disabled()
{
    request("AlertDeep", "raise");
    m_alf->setAlfEnabled(false);
    QSignalSpy alf(m_alf.get(), &AlfController::alfSentenceContents);
    QSignalSpy alc(m_alf.get(), &AlfController::alcSentenceContents);
    QSignalSpy arc(m_alf.get(), &AlfController::arcSentenceContents);
    m_alf->createAlfMessage(10456);
    m_alf->createAlcMessage();
    m_alf->createArcMessage(",,10456,1,A,C");
    m_alf->handleAcm(complete("IIACN,,,10456,1,A,C"), "II0001");
    m_alf->handleAcm(complete("IIACN,,,10456,1,X,C"), "II0001");
    request("AlertDeep", "silence");
    QCOMPARE(alf.count() + alc.count() + arc.count(), 0);
    QCOMPARE(m_alf->invalidCommandCount(), 0);
    QCOMPARE(m_list->findByName("AlertDeep")->alert()->alertState(), int(AlertState::ActiveSilenced));
    // The sequences did not move: the raise before switching off took ALF sequence 0.
    m_alf->setAlfEnabled(true);
    m_alf->createAlfMessage(10456);
    m_alf->createAlcMessage();
    QCOMPARE(alf.at(0).at(0).toString().section(QLatin1Char(','), 3, 3), QStringLiteral("1"));
    QCOMPARE(alc.at(0).at(0).toString().section(QLatin1Char(','), 3, 3), QStringLiteral("00"));
}

// The contents framed by the alert handlers, as a bridge alert system receives them.
void tst_AlfController::framedSentences()
{
    AlarmPorts ports({ UDP });
    HandlerAlf alfHandler;
    HandlerAlc alcHandler;
    HandlerArc arcHandler;
    connect(m_alf.get(), &AlfController::alfSentenceContents, &alfHandler,
        [&](const QString &content) { alfHandler.sendAlertMessageContents({ content }, QString()); });
    connect(m_alf.get(), &AlfController::alcSentenceContents, &alcHandler,
        [&](const QString &content) { alcHandler.sendAlertMessageContents({ content }, QString()); });
    connect(m_alf.get(), &AlfController::arcSentenceContents, &arcHandler,
        [&](const QString &content) { arcHandler.sendAlertMessageContents({ content }, QString()); });
    SentenceExchange::Recorder recorder;

    request("AlarmShallow", "raise");
    // One ALC soon, then back to the long period as soon as it is out.
    connect(m_alf.get(), &AlfController::alcSentenceContents, this, [this] { m_alf->setAlcInterval(30000); });
    m_alf->setAlcInterval(20);
    QTRY_COMPARE(recorder.groupCount(), 2);
    m_alf->handleAcm(complete("IIACN,,,230,1,A,C"), "II0001");

    QFile golden(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_alfcontroller_data/framed.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList expected
        = QString::fromLatin1(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(recorder.groups(), expected);
    QCOMPARE(recorder.groupTypes(), (QStringList { "ALF", "ALC", "ARC" }));
}

QTEST_GUILESS_MAIN(tst_AlfController)
#include "tst_alfcontroller.moc"
