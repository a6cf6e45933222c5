#include "alerts/AlertWords.h"
#include "alerts/BasicAlert.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

// The alert state machine: every transition of the request table, the counters, and the silence and
// escalation timers. Timed cases build their alert from a definition line with short times, the input
// through which a station gives them.

namespace {

int value(AlertState state)
{
    return static_cast<int>(state);
}

// One request by its word.
void apply(BasicAlert &alert, const QString &request)
{
    if (request == QLatin1String("raise"))
        alert.raiseAlert();
    else if (request == QLatin1String("clear"))
        alert.clearAlert();
    else if (request == QLatin1String("ack"))
        alert.acknowledgeAlert();
    else if (request == QLatin1String("silence"))
        alert.silenceAlert();
    else if (request == QLatin1String("transfer"))
        alert.transferResponsibility();
    else if (request == QLatin1String("test"))
        alert.testAlert();
    else
        QFAIL(qPrintable(QStringLiteral("unknown request ") + request));
}

std::unique_ptr<SingleAlertTypeController> controllerFromLine(const QString &line)
{
    return std::unique_ptr<SingleAlertTypeController>(
        new SingleAlertTypeController(line.split(QLatin1Char(','), Qt::KeepEmptyParts)));
}

// The state words of every stateChanged of an alert, in order.
class StateLog : public QObject
{
public:
    explicit StateLog(BasicAlert *alert)
    {
        connect(alert, &BasicAlert::stateChanged, this,
            [this](int, AlertState state) { words << alertStateName(static_cast<int>(state)); });
    }
    QStringList words;
};

} // namespace

class tst_BasicAlert : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void construction();
    void firstRaise();
    void transitions_data();
    void transitions();
    void revisionCounterWraps();
    void instanceWraps();
    void identifierZero();
    void deactivated();
    void directMoves();

    void throughEveryState();
    void silenceEndsAfterSilenceTime();
    void laterSilenceNotCutShort();
    void escalation_data();
    void escalation();
    void escalationCounterWraps();
    void escalationDeferredOnceAfterSilence();
    void noEscalationOnceAcknowledged();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void tst_BasicAlert::initTestCase()
{
    // The alert engine runs on stations that own alerts, the junction box among them.
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
}

void tst_BasicAlert::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_BasicAlert::cleanup()
{
    // Queued connections of the alerts built here point to producers that do not exist; they are
    // resolved (and dropped) now rather than by a later test.
    SignalExtender::instance()->connectPending();
}

void tst_BasicAlert::construction()
{
    BasicAlert alert(nullptr, 230, 0, 0, 3, 7, false, 15);
    QCOMPARE(alert.alertIdentifier(), 230);
    QCOMPARE(alert.alertPriority(), 0);
    QCOMPARE(alert.defaultPriority(), 0);
    QCOMPARE(alert.alertCategory(), 0);
    QCOMPARE(alert.escalationType(), 3);
    QCOMPARE(alert.alertInstance(), 7);
    QVERIFY(!alert.ackWhenRectified());
    QCOMPARE(alert.escalationCounter(), 0);
    QCOMPARE(alert.revisionCounter(), 1);
    QCOMPARE(alert.alertState(), value(AlertState::Normal));
    QCOMPARE(alert.previousState(), value(AlertState::Normal));
    QVERIFY(alert.isNormal());
    QVERIFY(!alert.alrChangePresent());
    QVERIFY(!alert.newChangePresent());
    QVERIFY(!alert.silencedInPeriod());
    QVERIFY(!alert.silenceDeferralUsed());
    QVERIFY(!alert.alertDeactivated());
    QCOMPARE(alert.silenceTime(), 30000);
    // The escalation time is shared and taken from the last construction; one that is no positive
    // number leaves it as it was.
    QCOMPARE(BasicAlert::escalationMinutes(), 15.0);
    BasicAlert other(nullptr, 1, 1, 1, 1, 0, true, 0);
    QCOMPARE(BasicAlert::escalationMinutes(), 15.0);
    other.setEscaltionTime(42);
    QCOMPARE(BasicAlert::escalationMinutes(), 42.0);
    other.setEscaltionTime(-1);
    QCOMPARE(BasicAlert::escalationMinutes(), 42.0);
}

void tst_BasicAlert::firstRaise()
{
    BasicAlert alert(nullptr, 230, 0, 0, 3, 4, true, 60);
    QSignalSpy states(&alert, &BasicAlert::stateChanged);
    QSignalSpy alrStates(&alert, &BasicAlert::alrStateChanged);
    alert.raiseAlert();
    QCOMPARE(alert.alertInstance(), 5);
    QCOMPARE(alert.revisionCounter(), 1);
    QCOMPARE(alert.escalationCounter(), 0);
    QCOMPARE(alert.alertState(), value(AlertState::ActiveUnacknowledged));
    QCOMPARE(alert.previousState(), value(AlertState::Normal));
    QVERIFY(alert.newChangePresent());
    QVERIFY(alert.alrChangePresent());
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).toInt(), 230);
    QCOMPARE(states.at(0).at(1).value<AlertState>(), AlertState::ActiveUnacknowledged);
    QCOMPARE(alrStates.count(), 1);
    QCOMPARE(alrStates.at(0).at(1).value<AlertState>(), AlertState::ActiveUnacknowledged);

    // The producers clear the flags once they reported the change.
    alert.clearNewChangePresentFlags();
    QVERIFY(!alert.newChangePresent());
    QVERIFY(!alert.alrChangePresent());
}

void tst_BasicAlert::transitions_data()
{
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("ackWhenRectified");
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<bool>("alr");

    const int alarm = 0, alert = 1, caution = 2, emergency = 3;
    const int catA = 0, catB = 1, catC = 2;
    const QStringList none;
    const QStringList raised { "raise" };
    const QStringList silenced { "raise", "silence" };
    const QStringList acknowledged { "raise", "ack" };
    const QStringList transferred { "raise", "transfer" };
    const QStringList rectified { "raise", "clear" };
    const QStringList normalAgain { "raise", "ack", "clear" };

    // clang-format off
    QTest::newRow("raise Normal") << alert << catB << true << none << "raise" << "ActiveUnacknowledged" << true << true;
    QTest::newRow("raise transferred") << alert << catB << true << transferred << "raise" << "ActiveUnacknowledged" << true << false;
    QTest::newRow("raise active") << alert << catB << true << raised << "raise" << "ActiveUnacknowledged" << false << false;
    QTest::newRow("raise silenced") << alert << catB << true << silenced << "raise" << "ActiveSilenced" << false << false;
    QTest::newRow("raise acknowledged") << alert << catB << true << acknowledged << "raise" << "ActiveAcknowledged" << false << false;
    QTest::newRow("raise rectified") << alert << catB << true << rectified << "raise" << "ActiveUnacknowledged" << true << true;
    QTest::newRow("test transferred") << alert << catB << true << transferred << "test" << "ActiveUnacknowledged" << true << false;
    QTest::newRow("test Normal") << caution << catB << true << normalAgain << "test" << "ActiveUnacknowledged" << true << true;

    QTest::newRow("clear Caution active") << caution << catB << true << raised << "clear" << "Normal" << true << true;
    QTest::newRow("clear EmergencyAlarm active") << emergency << catA << true << raised << "clear" << "Normal" << true << true;
    QTest::newRow("clear Alert active") << alert << catB << true << raised << "clear" << "RectifiedUnacknowledged" << true << true;
    QTest::newRow("clear Alarm active, no ack") << alarm << catA << false << raised << "clear" << "Normal" << true << true;
    QTest::newRow("clear silenced") << alert << catB << true << silenced << "clear" << "RectifiedUnacknowledged" << true << true;
    QTest::newRow("clear silenced, no ack") << alert << catB << false << silenced << "clear" << "Normal" << true << true;
    QTest::newRow("clear acknowledged") << alarm << catA << true << acknowledged << "clear" << "Normal" << true << true;
    QTest::newRow("clear transferred") << alert << catC << true << transferred << "clear" << "Normal" << true << true;
    QTest::newRow("clear rectified") << alert << catB << true << rectified << "clear" << "RectifiedUnacknowledged" << false << false;
    QTest::newRow("clear Normal") << alert << catB << true << none << "clear" << "Normal" << false << false;

    QTest::newRow("ack active") << alarm << catA << true << raised << "ack" << "ActiveAcknowledged" << true << true;
    QTest::newRow("ack silenced") << alert << catB << true << silenced << "ack" << "ActiveAcknowledged" << true << true;
    QTest::newRow("ack rectified") << alert << catB << true << rectified << "ack" << "Normal" << true << true;
    QTest::newRow("ack acknowledged") << alert << catB << true << acknowledged << "ack" << "ActiveAcknowledged" << false << false;
    QTest::newRow("ack Caution") << caution << catB << true << raised << "ack" << "ActiveUnacknowledged" << false << false;
    QTest::newRow("ack EmergencyAlarm") << emergency << catB << true << raised << "ack" << "ActiveUnacknowledged" << false << false;
    QTest::newRow("ack unknown priority") << 4 << catB << true << raised << "ack" << "ActiveUnacknowledged" << false << false;

    QTest::newRow("silence active") << alert << catB << true << raised << "silence" << "ActiveSilenced" << true << false;
    QTest::newRow("silence acknowledged") << alert << catB << true << acknowledged << "silence" << "ActiveAcknowledged" << false << false;
    QTest::newRow("silence Caution") << caution << catB << true << raised << "silence" << "ActiveUnacknowledged" << false << false;

    QTest::newRow("transfer CatB active") << alert << catB << true << raised << "transfer" << "ActiveResponsibilityTransferred" << true << false;
    QTest::newRow("transfer CatC silenced") << alert << catC << true << silenced << "transfer" << "ActiveResponsibilityTransferred" << true << false;
    QTest::newRow("transfer CatB acknowledged") << alarm << catB << true << acknowledged << "transfer" << "ActiveResponsibilityTransferred" << true << false;
    QTest::newRow("transfer CatB rectified") << alert << catB << true << rectified << "transfer" << "Normal" << true << true;
    QTest::newRow("transfer CatA") << alarm << catA << true << raised << "transfer" << "ActiveUnacknowledged" << false << false;
    QTest::newRow("transfer Caution") << caution << catB << true << raised << "transfer" << "ActiveUnacknowledged" << false << false;
    QTest::newRow("transfer unknown category") << alert << 3 << true << raised << "transfer" << "ActiveResponsibilityTransferred" << true << false;
    QTest::newRow("transfer Normal") << alert << catB << true << none << "transfer" << "Normal" << false << false;
    // clang-format on
}

void tst_BasicAlert::transitions()
{
    QFETCH(int, priority);
    QFETCH(int, category);
    QFETCH(bool, ackWhenRectified);
    QFETCH(QStringList, setup);
    QFETCH(QString, request);
    QFETCH(QString, expected);
    QFETCH(bool, announced);
    QFETCH(bool, alr);

    BasicAlert alert(nullptr, 10456, priority, category, 1, 0, ackWhenRectified, 60);
    for (const QString &step : qAsConst(setup))
        apply(alert, step);
    // As a producer would after reporting: only the request's own change is flagged from here on.
    alert.clearNewChangePresentFlags();
    const int before = alert.alertState();
    const int revision = alert.revisionCounter();

    QSignalSpy states(&alert, &BasicAlert::stateChanged);
    QSignalSpy alrStates(&alert, &BasicAlert::alrStateChanged);
    apply(alert, request);

    QCOMPARE(alertStateName(alert.alertState()), expected);
    QCOMPARE(states.count(), announced ? 1 : 0);
    QCOMPARE(alrStates.count(), alr ? 1 : 0);
    QCOMPARE(alert.newChangePresent(), announced);
    QCOMPARE(alert.alrChangePresent(), alr);
    if (announced) {
        QCOMPARE(states.at(0).at(1).value<AlertState>(), static_cast<AlertState>(alert.alertState()));
        QCOMPARE(alert.previousState(), before);
        // A new occurrence starts the revisions again at 1; any other change counts on.
        const bool newOccurrence
            = (before == value(AlertState::Normal) || before == value(AlertState::RectifiedUnacknowledged))
            && alert.alertState() == value(AlertState::ActiveUnacknowledged);
        QCOMPARE(alert.revisionCounter(), newOccurrence ? 1 : revision + 1);
    } else {
        QCOMPARE(alert.revisionCounter(), revision);
    }
}

void tst_BasicAlert::revisionCounterWraps()
{
    BasicAlert alert(nullptr, 10456, 1, 1, 1, 0, true, 60);
    QList<int> revisions;
    connect(&alert, &BasicAlert::stateChanged, this, [&] { revisions << alert.revisionCounter(); });
    // Each silence and acknowledge pair and each new occurrence are announced changes.
    alert.raiseAlert();
    while (revisions.size() < 101) {
        alert.acknowledgeAlert();
        alert.clearAlert();
        alert.raiseAlert();
    }
    // A new occurrence starts again at 1; in between the counter runs up to 99 and on to 1.
    QVERIFY(!revisions.contains(0));
    QVERIFY(!revisions.contains(100));
    QCOMPARE(revisions.first(), 1);
    QCOMPARE(revisions.at(1), 2); // acknowledged
    QCOMPARE(revisions.at(2), 3); // cleared
    QCOMPARE(revisions.at(3), 1); // raised anew

    BasicAlert counted(nullptr, 10457, 1, 1, 1, 0, true, 60);
    counted.raiseAlert();
    QList<int> seen;
    connect(&counted, &BasicAlert::stateChanged, this, [&] { seen << counted.revisionCounter(); });
    for (int i = 0; i < 100; ++i)
        counted.reannounceState();
    QCOMPARE(seen.at(96), 98);
    QCOMPARE(seen.at(97), 99);
    QCOMPARE(seen.at(98), 1);
    QCOMPARE(seen.at(99), 2);
    QCOMPARE(counted.alertState(), value(AlertState::ActiveUnacknowledged));
}

void tst_BasicAlert::instanceWraps()
{
    BasicAlert alert(nullptr, 10456, 1, 1, 1, 999998, false, 60);
    alert.raiseAlert();
    QCOMPARE(alert.alertInstance(), 999999);
    alert.clearAlert();
    alert.raiseAlert();
    QCOMPARE(alert.alertInstance(), 1);
    alert.clearAlert();
    alert.raiseAlert();
    QCOMPARE(alert.alertInstance(), 2);
}

void tst_BasicAlert::identifierZero()
{
    BasicAlert alert(nullptr, 0, 1, 1, 1, 0, true, 60);
    QSignalSpy states(&alert, &BasicAlert::stateChanged);
    alert.raiseAlert();
    QCOMPARE(states.count(), 0);
    QVERIFY(alert.isNormal());
    alert.testAlert();
    QCOMPARE(alert.alertState(), value(AlertState::ActiveUnacknowledged));

    // Taking the identifier away ends an active alert of priority Alert in Normal.
    BasicAlert active(nullptr, 500, 1, 1, 1, 0, true, 60);
    active.raiseAlert();
    active.setAlertIdentifier(0);
    QCOMPARE(active.alertIdentifier(), 0);
    QVERIFY(active.isNormal());
    active.raiseAlert();
    QVERIFY(active.isNormal());
    active.setAlertIdentifier(501);
    active.raiseAlert();
    QCOMPARE(active.alertState(), value(AlertState::ActiveUnacknowledged));
}

void tst_BasicAlert::deactivated()
{
    BasicAlert alert(nullptr, 500, 1, 1, 1, 0, true, 60);
    alert.raiseAlert();
    alert.setAlertDeactivated(true);
    QVERIFY(alert.alertDeactivated());
    QVERIFY(alert.isNormal());
    alert.raiseAlert();
    QVERIFY(alert.isNormal());
    alert.testAlert();
    QCOMPARE(alert.alertState(), value(AlertState::ActiveUnacknowledged));
    alert.clearAlert();
    alert.acknowledgeAlert();
    alert.setAlertDeactivated(false);
    alert.raiseAlert();
    QCOMPARE(alert.alertState(), value(AlertState::ActiveUnacknowledged));

    // A Caution cannot be acknowledged: deactivating clears it to Normal directly.
    BasicAlert caution(nullptr, 501, 2, 1, 1, 0, true, 60);
    caution.raiseAlert();
    caution.setAlertDeactivated(true);
    QVERIFY(caution.isNormal());
}

void tst_BasicAlert::directMoves()
{
    BasicAlert alert(nullptr, 500, 1, 1, 1, 0, true, 60);
    QSignalSpy alrStates(&alert, &BasicAlert::alrStateChanged);
    alert.setActiveResponsibilityTransferred();
    QCOMPARE(alert.alertState(), value(AlertState::ActiveResponsibilityTransferred));
    QCOMPARE(alrStates.count(), 0);
    alert.setActiveAcknowledged();
    QCOMPARE(alert.previousState(), value(AlertState::ActiveResponsibilityTransferred));
    QCOMPARE(alrStates.count(), 1);
    alert.setRectifiedUnacknowledged();
    alert.setNormal();
    QCOMPARE(alrStates.count(), 3);
    QVERIFY(alert.isNormal());

    // The setters change the field only.
    QSignalSpy states(&alert, &BasicAlert::stateChanged);
    alert.setAlertPriority(2);
    alert.setDefaultPriority(3);
    alert.setEscalationType(0);
    alert.setAlertCategory(AlertCategory::CatC);
    QCOMPARE(alert.alertCategory(), 2);
    alert.setAlertCategory(0);
    QCOMPARE(alert.alertCategory(), 0);
    QCOMPARE(states.count(), 0);
    alert.raiseAlert();
    QCOMPARE(alert.alertPriority(), 3);
}

// One alert through all six states, moved by requests and by its own timers.
void tst_BasicAlert::throughEveryState()
{
    // Escalation after 0.005 min (300 ms), silence of 0.1 s.
    auto controller
        = controllerFromLine("AlertDeep,Deep Water,10456,Alert,CatB,WarningToWarning,0,true,0.005");
    BasicAlert *alert = controller->alert();
    alert->setSilenceTime(100);
    StateLog log(alert);

    controller->raiseAlert("Sensor");
    controller->silenceAlert("II0001");
    QCOMPARE(alert->alertState(), value(AlertState::ActiveSilenced));
    // The silence ends by itself.
    QTRY_COMPARE(alert->alertState(), value(AlertState::ActiveUnacknowledged));
    QCOMPARE(alert->previousState(), value(AlertState::ActiveSilenced));
    // The first escalation after a silence is put off once by a silence period, then it comes.
    QTRY_COMPARE(alert->escalationCounter(), 1);
    QCOMPARE(alert->alertState(), value(AlertState::ActiveUnacknowledged));
    controller->transferResponsibility("II0001");
    QCOMPARE(alert->alertState(), value(AlertState::ActiveResponsibilityTransferred));
    controller->raiseAlert("HeartbeatMissing");
    controller->acknowledgeAlert("II0001");
    controller->clearAlert("Sensor");
    controller->raiseAlert("Sensor");
    controller->clearAlert("Sensor");
    controller->acknowledgeAlert("II0001");

    const QStringList expected { "ActiveUnacknowledged", "ActiveSilenced", "ActiveUnacknowledged",
        "ActiveUnacknowledged", "ActiveResponsibilityTransferred", "ActiveUnacknowledged",
        "ActiveAcknowledged", "Normal", "ActiveUnacknowledged", "RectifiedUnacknowledged", "Normal" };
    QCOMPARE(log.words, expected);
    QCOMPARE(alert->alertInstance(), 2);
    QCOMPARE(controller->actionSource(), QStringLiteral("II0001"));
}

void tst_BasicAlert::silenceEndsAfterSilenceTime()
{
    auto controller = controllerFromLine("AlertDeep,Deep Water,10456,Alert,CatB,WarningToWarning,0,true,60");
    BasicAlert *alert = controller->alert();
    alert->setSilenceTime(250);
    QCOMPARE(alert->silenceTime(), 250);
    alert->raiseAlert();
    QElapsedTimer clock;
    clock.start();
    alert->silenceAlert();
    QVERIFY(alert->silencedInPeriod());
    QTRY_COMPARE(alert->alertState(), value(AlertState::ActiveUnacknowledged));
    QVERIFY2(clock.elapsed() >= 220, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(alert->escalationCounter(), 0);
    QCOMPARE(alert->alertInstance(), 1);
}

// A silence restarts the alert's one silence timer: a silence that ended early (here by a clear) cannot
// end a later silence before its time.
void tst_BasicAlert::laterSilenceNotCutShort()
{
    auto controller = controllerFromLine("AlertDeep,Deep Water,10456,Alert,CatB,WarningToWarning,0,true,60");
    BasicAlert *alert = controller->alert();
    alert->setSilenceTime(400);
    alert->raiseAlert();
    alert->silenceAlert();

    QElapsedTimer sinceSecondSilence;
    QTimer::singleShot(200, this, [&] {
        alert->clearAlert();
        alert->raiseAlert();
        alert->silenceAlert();
        sinceSecondSilence.start();
    });
    QTRY_VERIFY(sinceSecondSilence.isValid());
    QCOMPARE(alert->alertState(), value(AlertState::ActiveSilenced));
    QTRY_COMPARE(alert->alertState(), value(AlertState::ActiveUnacknowledged));
    // The first silence's timer would have ended it about 200 ms after the second silence.
    QVERIFY2(sinceSecondSilence.elapsed() >= 340, qPrintable(QString::number(sinceSecondSilence.elapsed())));
}

void tst_BasicAlert::escalation_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("priorityAfter");
    QTest::addColumn<bool>("alarmEscalated");

    QTest::newRow("WarningToWarning")
        << "AlertX,Warning,300,Alert,CatB,WarningToWarning,0,true,0.005" << 1 << false;
    QTest::newRow("WarningToAlarm") << "AlertX,Warning,300,Alert,CatB,WarningToAlarm,0,true,0.005" << 0
                                    << false;
    QTest::newRow("AlarmToAlarm") << "AlarmX,Alarm,300,Alarm,CatA,AlarmToAlarm,0,true,0.005" << 0 << true;
}

void tst_BasicAlert::escalation()
{
    QFETCH(QString, line);
    QFETCH(int, priorityAfter);
    QFETCH(bool, alarmEscalated);

    auto controller = controllerFromLine(line);
    BasicAlert *alert = controller->alert();
    QCOMPARE(BasicAlert::escalationMinutes(), 0.005);
    QStringList events;
    connect(alert, &BasicAlert::stateChanged, this,
        [&](int id, AlertState state) { events << QStringLiteral("state %1 %2").arg(id).arg(value(state)); });
    connect(alert, &BasicAlert::alarmEscalated, this,
        [&](int id) { events << QStringLiteral("escalated %1").arg(id); });

    QElapsedTimer clock;
    clock.start();
    alert->raiseAlert();
    alert->clearNewChangePresentFlags();
    QSignalSpy alrStates(alert, &BasicAlert::alrStateChanged);
    QTRY_COMPARE(alert->escalationCounter(), 1);
    QVERIFY2(clock.elapsed() >= 260, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(alert->alertState(), value(AlertState::ActiveUnacknowledged));
    QCOMPARE(alert->alertPriority(), priorityAfter);
    QCOMPARE(alert->revisionCounter(), 2);
    QCOMPARE(alrStates.count(), 0);
    QStringList expected { "state 300 0", "state 300 0" };
    if (alarmEscalated)
        expected << "escalated 300";
    QCOMPARE(events, expected);

    // A new occurrence restores the priority of the definition.
    alert->acknowledgeAlert();
    alert->clearAlert();
    alert->raiseAlert();
    QCOMPARE(alert->alertPriority(), alert->defaultPriority());
    QCOMPARE(alert->escalationCounter(), 0);
}

void tst_BasicAlert::escalationCounterWraps()
{
    auto controller = controllerFromLine("AlertX,Warning,300,Alert,CatB,WarningToWarning,0,true,0.001");
    BasicAlert *alert = controller->alert();
    QList<int> counters;
    connect(alert, &BasicAlert::stateChanged, this, [&] { counters << alert->escalationCounter(); });
    alert->raiseAlert();
    QTRY_VERIFY_WITH_TIMEOUT(counters.size() >= 11, 10000);
    alert->acknowledgeAlert();
    QCOMPARE(counters.mid(0, 11), (QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1 }));
}

void tst_BasicAlert::escalationDeferredOnceAfterSilence()
{
    // Escalation after 600 ms, silence of 500 ms.
    auto controller = controllerFromLine("AlertX,Warning,300,Alert,CatB,WarningToWarning,0,true,0.01");
    BasicAlert *alert = controller->alert();
    alert->setSilenceTime(500);
    QList<qint64> escalatedAt;
    QElapsedTimer clock;
    connect(alert, &BasicAlert::stateChanged, this, [&] {
        if (alert->escalationCounter() > escalatedAt.size())
            escalatedAt << clock.elapsed();
    });
    clock.start();
    alert->raiseAlert();
    alert->silenceAlert();
    // The silence ends at 500 ms with a fresh escalation period (due at 1100 ms), which is put off once
    // by a silence period (1600 ms); the next escalation follows a full period later (2200 ms).
    QTRY_COMPARE_WITH_TIMEOUT(escalatedAt.size(), 2, 10000);
    QVERIFY(alert->silenceDeferralUsed());
    QVERIFY2(escalatedAt.at(0) >= 1500, qPrintable(QString::number(escalatedAt.at(0))));
    QVERIFY2(escalatedAt.at(1) - escalatedAt.at(0) >= 570, qPrintable(QString::number(escalatedAt.at(1))));
    QVERIFY2(escalatedAt.at(1) - escalatedAt.at(0) < 1000, qPrintable(QString::number(escalatedAt.at(1))));
    alert->acknowledgeAlert();
}

// The escalation timer keeps running after an acknowledgement; its firing changes nothing. A second alert
// raised just after, with the same escalation time, shows when the first one's timer has fired.
void tst_BasicAlert::noEscalationOnceAcknowledged()
{
    auto acknowledged = controllerFromLine("AlertA,First,301,Alert,CatB,WarningToWarning,0,true,0.003");
    auto witness = controllerFromLine("AlertB,Second,302,Alert,CatB,WarningToWarning,0,true,0.003");
    BasicAlert *alert = acknowledged->alert();
    alert->raiseAlert();
    alert->acknowledgeAlert();
    QSignalSpy states(alert, &BasicAlert::stateChanged);
    alert->raiseAlert(); // no change while acknowledged
    witness->alert()->raiseAlert();
    QTRY_COMPARE(witness->alert()->escalationCounter(), 1);
    QCOMPARE(states.count(), 0);
    QCOMPARE(alert->escalationCounter(), 0);
    QCOMPARE(alert->alertState(), value(AlertState::ActiveAcknowledged));
    witness->alert()->acknowledgeAlert();
}

QTEST_GUILESS_MAIN(tst_BasicAlert)
#include "tst_basicalert.moc"
