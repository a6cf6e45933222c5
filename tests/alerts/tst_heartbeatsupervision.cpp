#include "alerts/AlertConditionEvaluator.h"
#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/BasicAlert.h"
#include "alerts/HeartbeatMonitorsList.h"
#include "alerts/ResponsibilityOwnerHeartbeatMonitor.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"
#include "comms/HeartbeatReceiver.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

// Supervision of the station that took over the responsibility for an alert: its heartbeats keep the
// transfer, and when they stop the alert is raised again. The alerts here are given a heartbeat timeout
// of 2 ticks (seconds in the unit) by the test, the owner of their list (the product's time is 120); the
// shared timer of the timeouts ticks every 100 ms here.

namespace {

const int tickMs = 100;

const int timeoutTicks = 2;

const QStringList definitions { "Watched,Deep Water,10456,Alert,CatB,WarningToWarning,0,true,60",
    "Witness,Witness,10457,Alert,CatB,WarningToWarning,0,true,60" };

void heartbeat(const QString &talker, const QString &sfi)
{
    HeartbeatReceiver::instance()->heartbeatReceived(talker, sfi);
}

} // namespace

class tst_HeartbeatSupervision : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void monitorConstruction();
    void matchingHeartbeats_data();
    void matchingHeartbeats();
    void missingHeartbeatRaisesAgain();
    void heartbeatsHoldTransfer();
    void secondTransferReplacesMonitor();
    void clearEndsSupervision();
    void listDestroyedWithMonitors();

private:
    // Raises and transfers the alert, and starts the supervision of the new owner.
    void transfer(const char *name, const QString &talker, const QString &sfi);
    SingleAlertTypeController *controller(const char *name) const { return m_list->findByName(name); }

    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
    std::unique_ptr<AlertsController> m_list;
};

void tst_HeartbeatSupervision::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
}

void tst_HeartbeatSupervision::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_HeartbeatSupervision::init()
{
    TimeoutConditionEvaluator::sharedTimeoutTimer()->setInterval(tickMs);
    m_list.reset(new AlertsController(definitions));
    QCOMPARE(m_list->heartbeatMonitors()->heartbeatTimeout("Watched"), 120);
    for (const char *name : { "Watched", "Witness" })
        m_list->heartbeatMonitors()->setHeartbeatTimeout(name, timeoutTicks);
    SignalExtender::instance()->connectPending();
}

void tst_HeartbeatSupervision::cleanup()
{
    m_list.reset();
    TimeoutConditionEvaluator::sharedTimeoutTimer()->setInterval(1000);
}

void tst_HeartbeatSupervision::transfer(const char *name, const QString &talker, const QString &sfi)
{
    SingleAlertTypeController *c = controller(name);
    c->raiseAlert("Sensor");
    c->transferResponsibility(sfi);
    QCOMPARE(c->alert()->alertState(), int(AlertState::ActiveResponsibilityTransferred));
    emit c->addMonitor(c->alertName(), talker, sfi);
}

void tst_HeartbeatSupervision::monitorConstruction()
{
    HeartbeatMonitorsList *monitors = m_list->heartbeatMonitors();
    QCOMPARE(monitors->heartbeatTimeout("Watched"), 2);
    QCOMPARE(monitors->heartbeatTimeout("Unknown"), 120);
    monitors->addMonitor("Watched", "II");
    ResponsibilityOwnerHeartbeatMonitor *monitor = monitors->monitor("Watched");
    QVERIFY(monitor);
    QCOMPARE(monitors->count(), 1);
    QCOMPARE(monitor->alertName(), QStringLiteral("Watched"));
    QCOMPARE(monitor->sourceTalker(), QStringLiteral("II"));
    QCOMPARE(monitor->sourceSfi(), QString());
    TimeoutConditionEvaluator *evaluator = monitor->timeoutEvaluator();
    QCOMPARE(evaluator->evaluatorName(), QStringLiteral("Watched"));
    QCOMPARE(evaluator->sourceText(), QStringLiteral("HeartbeatMissing"));
    QVERIFY(evaluator->suppressClear());
    QVERIFY(evaluator->useSharedTimer());
    QCOMPARE(evaluator->timeoutCountLimit(), 2);
    QCOMPARE(evaluator->timeoutWarningLimit(), 5);
    QVERIFY(!evaluator->enableInternalWarning());
    QCOMPARE(SignalExtender::instance()->findObject("ConditionEvaluatorWatched"), evaluator);
    QVERIFY(TimeoutConditionEvaluator::sharedTimeoutTimer()->isActive());

    // Without an entry of its own an alert's monitor waits the default 120 s.
    ResponsibilityOwnerHeartbeatMonitor standalone("Elsewhere", "II", "II0001");
    QCOMPARE(standalone.timeoutEvaluator()->timeoutCountLimit(), 120);
    monitors->setHeartbeatTimeout("Watched", 0);
    QCOMPARE(monitors->heartbeatTimeout("Watched"), 2);

    monitors->removeMonitor("Watched");
    monitors->removeMonitor("Watched");
    QCOMPARE(monitors->count(), 0);
}

void tst_HeartbeatSupervision::matchingHeartbeats_data()
{
    QTest::addColumn<QString>("monitorSfi");
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("sfi");
    QTest::addColumn<bool>("counts");

    QTest::newRow("talker and SFI") << "II0001"
                                    << "II"
                                    << "II0001" << true;
    QTest::newRow("other SFI") << "II0001"
                               << "II"
                               << "II0002" << false;
    QTest::newRow("no SFI given") << "II0001"
                                  << "II" << QString() << false;
    QTest::newRow("any SFI") << QString() << "II"
                             << "II0002" << true;
    QTest::newRow("any SFI, serial") << QString() << "II" << QString() << true;
    QTest::newRow("other talker") << QString() << "VD"
                                  << "II0001" << false;
    QTest::newRow("talker case") << "II0001"
                                 << "ii"
                                 << "II0001" << false;
}

void tst_HeartbeatSupervision::matchingHeartbeats()
{
    QFETCH(QString, monitorSfi);
    QFETCH(QString, talker);
    QFETCH(QString, sfi);
    QFETCH(bool, counts);

    transfer("Watched", "II", monitorSfi);
    TimeoutConditionEvaluator *evaluator
        = m_list->heartbeatMonitors()->monitor("Watched")->timeoutEvaluator();
    QTRY_VERIFY(evaluator->timeoutCount() >= 1);
    const int before = evaluator->timeoutCount();
    QSignalSpy states(controller("Watched")->alert(), &BasicAlert::stateChanged);
    heartbeat(talker, sfi);
    QCOMPARE(evaluator->timeoutCount(), counts ? 0 : before);
    // A heartbeat changes nothing in the alert.
    QCOMPARE(states.count(), 0);
}

void tst_HeartbeatSupervision::missingHeartbeatRaisesAgain()
{
    transfer("Watched", "II", "II0001");
    QPointer<ResponsibilityOwnerHeartbeatMonitor> monitor = m_list->heartbeatMonitors()->monitor("Watched");
    BasicAlert *alert = controller("Watched")->alert();
    QTRY_COMPARE(alert->alertState(), int(AlertState::ActiveUnacknowledged));
    // The same occurrence, raised again by the supervision, which then ends.
    QCOMPARE(alert->alertInstance(), 1);
    QCOMPARE(alert->previousState(), int(AlertState::ActiveResponsibilityTransferred));
    QCOMPARE(controller("Watched")->actionSource(), QStringLiteral("HeartbeatMissing"));
    QCOMPARE(m_list->heartbeatMonitors()->count(), 0);
    QTRY_VERIFY(monitor.isNull());
}

void tst_HeartbeatSupervision::heartbeatsHoldTransfer()
{
    transfer("Watched", "II", "II0001");
    BasicAlert *alert = controller("Watched")->alert();
    QSignalSpy states(alert, &BasicAlert::stateChanged);
    int sent = 0;
    QTimer beat;
    connect(&beat, &QTimer::timeout, this, [&] {
        heartbeat("II", "II0001");
        ++sent;
    });
    beat.start(tickMs * 3 / 10);
    // Ten heartbeats span three ticks, longer than the timeout of two.
    QTRY_VERIFY(sent >= 10);
    QCOMPARE(states.count(), 0);
    QCOMPARE(alert->alertState(), int(AlertState::ActiveResponsibilityTransferred));
    beat.stop();
    QTRY_COMPARE(alert->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(states.count(), 1);
}

void tst_HeartbeatSupervision::secondTransferReplacesMonitor()
{
    transfer("Watched", "II", "II0001");
    QPointer<ResponsibilityOwnerHeartbeatMonitor> first = m_list->heartbeatMonitors()->monitor("Watched");
    // Responsibility passes on to another station.
    emit controller("Watched")->addMonitor("Watched", "VD", "VD0002");
    QCOMPARE(m_list->heartbeatMonitors()->count(), 1);
    QCOMPARE(m_list->heartbeatMonitors()->monitor("Watched")->sourceTalker(), QStringLiteral("VD"));
    QTRY_VERIFY(first.isNull());

    // The first station's heartbeats no longer count.
    QTimer beat;
    connect(&beat, &QTimer::timeout, this, [] { heartbeat("II", "II0001"); });
    beat.start(tickMs / 5);
    BasicAlert *alert = controller("Watched")->alert();
    QTRY_COMPARE(alert->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(m_list->heartbeatMonitors()->count(), 0);
}

// Clearing the alert ends its supervision: when the old owner's heartbeat would have gone missing (as
// the witness's, supervised from the same moment, does), nothing happens to it.
void tst_HeartbeatSupervision::clearEndsSupervision()
{
    transfer("Watched", "II", "II0001");
    transfer("Witness", "II", "II0001");
    controller("Watched")->clearAlert("Sensor");
    QCOMPARE(m_list->heartbeatMonitors()->count(), 1);
    BasicAlert *alert = controller("Watched")->alert();
    QVERIFY(alert->isNormal());
    QSignalSpy states(alert, &BasicAlert::stateChanged);
    QTRY_COMPARE(controller("Witness")->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(states.count(), 0);
    QVERIFY(alert->isNormal());
}

void tst_HeartbeatSupervision::listDestroyedWithMonitors()
{
    transfer("Watched", "II", "II0001");
    transfer("Witness", "VD", QString());
    QPointer<ResponsibilityOwnerHeartbeatMonitor> monitor = m_list->heartbeatMonitors()->monitor("Watched");
    m_list.reset();
    QVERIFY(monitor.isNull());
    // Heartbeats and ticks after the end reach nobody.
    heartbeat("II", "II0001");
    m_list.reset(new AlertsController(definitions));
    QTRY_VERIFY(TimeoutConditionEvaluator::sharedTimeoutTimer()->isActive());
}

QTEST_GUILESS_MAIN(tst_HeartbeatSupervision)
#include "tst_heartbeatsupervision.moc"
