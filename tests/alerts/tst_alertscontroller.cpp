#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/AlfController.h"
#include "alerts/AlrController.h"
#include "alerts/BasicAlert.h"
#include "alerts/HeartbeatMonitorsList.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"
#include "data/ES_Alerts.h"

#include <QMetaClassInfo>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The alert list: alerts built from definition lines, lookups, bulk requests, and the requests of one
// alert type controller.

namespace {

// The product's own definition lines, as the alert state store describes them.
QStringList productDefinitions()
{
    const QMetaObject &meta = ES_Alerts::staticMetaObject;
    const int index = meta.indexOfClassInfo("AlertsDescriptor");
    return QString::fromLatin1(meta.classInfo(index).value()).split(QLatin1Char('\n'));
}

} // namespace

class tst_AlertsController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void definitionLine_data();
    void definitionLine();
    void shortLinesRefused();
    void productLines();
    void registration();
    void repeatedRecordsConnectOnce();
    void lookups();
    void bulkRequests();
    void ackAlertByText();
    void setEscalationTime();
    void monitorRequests();
    void alertText();
    void valueConstruction();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void tst_AlertsController::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
}

void tst_AlertsController::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_AlertsController::cleanup()
{
    SignalExtender::instance()->connectPending();
}

void tst_AlertsController::definitionLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("identifier");
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("escalation");
    QTest::addColumn<int>("instance");
    QTest::addColumn<bool>("ackWhenRectified");
    QTest::addColumn<double>("escalationMinutes");

    // clang-format off
    QTest::newRow("three fields") << "Name,Some text,17" << "Name" << "Some text" << 17 << 1 << 1 << 1 << 0 << true << 60.0;
    QTest::newRow("product line") << "AlarmShallow,Shallow Water,230,Alarm,CatA,AlarmToAlarm" << "AlarmShallow" << "Shallow Water" << 230 << 0 << 0 << 3 << 0 << true << 60.0;
    QTest::newRow("instance, no ack") << "A,T,5,Caution,CatC,None,5,false" << "A" << "T" << 5 << 2 << 2 << 0 << 5 << false << 60.0;
    QTest::newRow("True is not true") << "A,T,5,EmergencyAlarm,CatB,WarningToAlarm,0,True" << "A" << "T" << 5 << 3 << 1 << 2 << 0 << false << 60.0;
    QTest::newRow("empty priority field") << "A,T,5,,CatA" << "A" << "T" << 5 << 4 << 0 << 1 << 0 << true << 60.0;
    QTest::newRow("unknown words") << "A,T,5,alarm, CatB,Up" << "A" << "T" << 5 << 4 << 3 << 4 << 0 << true << 60.0;
    QTest::newRow("identifier no number") << "A,T,x12" << "A" << "T" << 0 << 1 << 1 << 1 << 0 << true << 60.0;
    QTest::newRow("escalation time") << "A,T,5,Alert,CatB,WarningToWarning,0,true,5" << "A" << "T" << 5 << 1 << 1 << 1 << 0 << true << 5.0;
    QTest::newRow("short escalation time") << "A,T,5,Alert,CatB,WarningToWarning,0,true,0.01" << "A" << "T" << 5 << 1 << 1 << 1 << 0 << true << 0.01;
    QTest::newRow("unusable escalation time") << "A,T,5,Alert,CatB,WarningToWarning,0,true,0" << "A" << "T" << 5 << 1 << 1 << 1 << 0 << true << 60.0;
    QTest::newRow("instance out of range") << "A,T,5,Alert,CatB,None,1000000" << "A" << "T" << 5 << 1 << 1 << 0 << 0 << true << 60.0;
    // A silence time and a heartbeat timeout after the escalation time change nothing: both are the
    // same for every alert.
    QTest::newRow("further fields ignored") << "A,T,5,Alert,CatB,None,3,true,2,1,9,extra" << "A" << "T" << 5 << 1 << 1 << 0 << 3 << true << 2.0;
    QTest::newRow("unusable further fields") << "A,T,5,Alert,CatB,None,3,true,2,-3,x" << "A" << "T" << 5 << 1 << 1 << 0 << 3 << true << 2.0;
    // clang-format on
}

void tst_AlertsController::definitionLine()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, identifier);
    QFETCH(int, priority);
    QFETCH(int, category);
    QFETCH(int, escalation);
    QFETCH(int, instance);
    QFETCH(bool, ackWhenRectified);
    QFETCH(double, escalationMinutes);

    // Another escalation time first: the line must set its own (or the default).
    AlertsController other({ "Other,Other,1,Alert,CatB,None,0,true,7" });
    QCOMPARE(BasicAlert::escalationMinutes(), 7.0);

    AlertsController list({ line });
    QCOMPARE(list.count(), 1);
    SingleAlertTypeController *controller = list.controllerAt(0);
    BasicAlert *alert = controller->alert();
    QCOMPARE(controller->alertName(), name);
    QCOMPARE(controller->alertText(), text);
    QCOMPARE(controller->manufacturerCode(), QString());
    QCOMPARE(controller->actionSource(), QString());
    QCOMPARE(alert->alertIdentifier(), identifier);
    QCOMPARE(alert->alertPriority(), priority);
    QCOMPARE(alert->defaultPriority(), priority);
    QCOMPARE(alert->alertCategory(), category);
    QCOMPARE(alert->escalationType(), escalation);
    QCOMPARE(alert->alertInstance(), instance);
    QCOMPARE(alert->ackWhenRectified(), ackWhenRectified);
    QCOMPARE(BasicAlert::escalationMinutes(), escalationMinutes);
    QCOMPARE(alert->silenceTime(), 30000);
    QCOMPARE(list.heartbeatMonitors()->heartbeatTimeout(name), 120);
    QVERIFY(alert->isNormal());
    QCOMPARE(alert->parent(), controller);
    QCOMPARE(controller->parent(), &list);

    // The first raise reports the next instance.
    alert->testAlert();
    QCOMPARE(alert->alertInstance(), instance + 1);
}

void tst_AlertsController::shortLinesRefused()
{
    AlertsController list({ "", "OnlyName", "Name,Text", "Good,Good text,12" });
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.controllerAt(0)->alertName(), QStringLiteral("Good"));
    // The controller itself does not read past the fields there are.
    SingleAlertTypeController bare(QStringList { "X" });
    QCOMPARE(bare.alertName(), QStringLiteral("X"));
    QCOMPARE(bare.alertText(), QString());
    QCOMPARE(bare.alert()->alertIdentifier(), 0);
}

void tst_AlertsController::productLines()
{
    AlertsController list(productDefinitions());
    QCOMPARE(list.count(), 6);
    const QStringList names { "AlarmShallow", "AlertDeep", "AlertBottomLost", "AlertSystemError",
        "AlarmPowerFailure", "AlertDisplayError" };
    const QList<int> identifiers { 230, 10456, 32345, 10457, 10458, 10459 };
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(list.controllerAt(i)->alertName(), names.at(i));
        QCOMPARE(list.controllerAt(i)->alert()->alertIdentifier(), identifiers.at(i));
        QCOMPARE(list.controllerAt(i)->alert()->alertInstance(), 0);
        QVERIFY(list.controllerAt(i)->alert()->ackWhenRectified());
    }
    QCOMPARE(list.findByName("AlertDisplayError")->alertText(), QStringLiteral("TQ55 Comms Fail"));
    QCOMPARE(list.findByName("AlarmPowerFailure")->alert()->escalationType(), 1);
    QCOMPARE(BasicAlert::escalationMinutes(), 60.0);
}

void tst_AlertsController::registration()
{
    AlertsController list({ "RegAlert,Registered,77" });
    SignalExtender *registry = SignalExtender::instance();
    QCOMPARE(registry->findObject("RegAlert"), list.controllerAt(0));
    QCOMPARE(registry->findObject("RegAlert_basic_alert"), list.controllerAt(0)->alert());
    QCOMPARE(registry->findObject("AlertsController"), &list);

    // The alert's changes reach the producers registered under "AlfController" and "AlrController"
    // once the registry makes the queued connections.
    AlfController alf(&list);
    AlrController alr(&list);
    alf.setAlfEnabled(true);
    QSignalSpy alfContents(&alf, &AlfController::alfSentenceContents);
    QSignalSpy alrContents(&alr, &AlrController::alrSentenceContents);
    list.controllerAt(0)->raiseAlert("Sensor");
    QCOMPARE(alfContents.count(), 0);
    registry->connectPending();
    list.controllerAt(0)->acknowledgeAlert("Bridge");
    QCOMPARE(alfContents.count(), 1);
    QCOMPARE(alrContents.count(), 0);

    // The ALF producer clears the alert's flags as it reports; in ALR mode the ALR producer does.
    alf.setAlfEnabled(false);
    alr.setAlrEnabled(true);
    list.controllerAt(0)->clearAlert("Sensor");
    QCOMPARE(alfContents.count(), 1);
    QCOMPARE(alrContents.count(), 1);
}

// Two queued records that meet the same alert and producer make one connection: each change gives one
// content.
void tst_AlertsController::repeatedRecordsConnectOnce()
{
    AlertsController first({ "Twice,Twice,78" });
    AlertsController second({ "Twice,Twice,78" });
    // Both lists queued their records; the registry now names the second list's objects.
    AlfController alf(&second);
    alf.setAlfEnabled(true);
    SignalExtender::instance()->connectPending();
    QSignalSpy alfContents(&alf, &AlfController::alfSentenceContents);
    second.controllerAt(0)->raiseAlert("Sensor");
    QCOMPARE(alfContents.count(), 1);
    first.controllerAt(0)->raiseAlert("Sensor");
    QCOMPARE(alfContents.count(), 1);
}

void tst_AlertsController::lookups()
{
    AlertsController list({ "First,One,100", "Second,Two,200", "Twin,Three,100" });
    QCOMPARE(list.findByIdentifier(100), list.controllerAt(0));
    QCOMPARE(list.findByIdentifier(200), list.controllerAt(1));
    QVERIFY(!list.findByIdentifier(300));
    QCOMPARE(list.findByName("Twin"), list.controllerAt(2));
    QVERIFY(!list.findByName("twin"));
    QVERIFY(!list.controllerAt(-1));
    QVERIFY(!list.controllerAt(3));
    QCOMPARE(list.count(), 3);
}

void tst_AlertsController::bulkRequests()
{
    AlertsController list({ "CatAAlarm,A,1,Alarm,CatA", "CatBAlert,B,2,Alert,CatB",
        "CatCAlarm,C,3,Alarm,CatC", "CatBCaution,D,4,Caution,CatB" });
    for (int i = 0; i < list.count(); ++i)
        list.controllerAt(i)->raiseAlert("Sensor");

    list.ackCatB_and_CatC_Alerts("Bridge");
    QCOMPARE(list.controllerAt(0)->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(list.controllerAt(1)->alert()->alertState(), int(AlertState::ActiveAcknowledged));
    QCOMPARE(list.controllerAt(2)->alert()->alertState(), int(AlertState::ActiveAcknowledged));
    // A Caution cannot be acknowledged, but the request still reached it.
    QCOMPARE(list.controllerAt(3)->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(list.controllerAt(3)->actionSource(), QStringLiteral("Bridge"));
    QCOMPARE(list.controllerAt(0)->actionSource(), QStringLiteral("Sensor"));

    list.silenceAllAlerts("Bridge");
    QCOMPARE(list.controllerAt(0)->alert()->alertState(), int(AlertState::ActiveSilenced));
    QCOMPARE(list.controllerAt(1)->alert()->alertState(), int(AlertState::ActiveAcknowledged));
    QCOMPARE(list.controllerAt(3)->alert()->alertState(), int(AlertState::ActiveUnacknowledged));

    list.ackAllAlerts("Bridge");
    QCOMPARE(list.controllerAt(0)->alert()->alertState(), int(AlertState::ActiveAcknowledged));
    QCOMPARE(list.controllerAt(3)->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
}

void tst_AlertsController::ackAlertByText()
{
    AlertsController list({ "First,Same text,1", "Second,Same text,2" });
    list.controllerAt(0)->raiseAlert("S");
    list.controllerAt(1)->raiseAlert("S");
    list.ackAlertByText("Bridge", "Same text");
    QCOMPARE(list.controllerAt(0)->alert()->alertState(), int(AlertState::ActiveAcknowledged));
    QCOMPARE(list.controllerAt(1)->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    list.ackAlertByText("Bridge", "same text");
    QCOMPARE(list.controllerAt(1)->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
}

void tst_AlertsController::setEscalationTime()
{
    AlertsController list({ "First,One,1,Alert,CatB,WarningToWarning,0,true,3" });
    QCOMPARE(BasicAlert::escalationMinutes(), 3.0);
    list.setEscalationTime(9);
    QCOMPARE(BasicAlert::escalationMinutes(), 9.0);
    AlertsController empty({});
    QCOMPARE(empty.count(), 0);
    empty.setEscalationTime(20);
    QCOMPARE(BasicAlert::escalationMinutes(), 9.0);
}

void tst_AlertsController::monitorRequests()
{
    AlertsController list({ "Watched,Watched alert,5,Alert,CatB" });
    SingleAlertTypeController *controller = list.controllerAt(0);
    QSignalSpy removals(controller, &SingleAlertTypeController::removeMonitor);

    controller->raiseAlert("Sensor");
    QCOMPARE(removals.count(), 0);
    controller->transferResponsibility("II0001");
    controller->raiseAlert("HeartbeatMissing");
    QCOMPARE(removals.count(), 1);
    QCOMPARE(removals.at(0).at(0).toString(), QStringLiteral("Watched"));
    QCOMPARE(controller->alert()->alertState(), int(AlertState::ActiveUnacknowledged));

    controller->clearAlert("Sensor");
    controller->acknowledgeAlert("Bridge");
    QVERIFY(controller->alert()->isNormal());
    controller->clearAlert("Sensor"); // already Normal: the supervision still ends
    QCOMPARE(removals.count(), 3);

    // The list's monitors follow the controller's signals.
    emit controller->addMonitor("Watched", "II", "II0001");
    QCOMPARE(list.heartbeatMonitors()->count(), 1);
    controller->clearAlert("Sensor");
    QCOMPARE(list.heartbeatMonitors()->count(), 0);
}

void tst_AlertsController::alertText()
{
    AlertsController list({ "Texted,Old text,5" });
    SingleAlertTypeController *controller = list.controllerAt(0);
    controller->raiseAlert("S");
    QSignalSpy states(controller->alert(), &BasicAlert::stateChanged);
    const int revision = controller->alert()->revisionCounter();
    controller->setAlertText("Old text");
    QCOMPARE(states.count(), 0);
    controller->setAlertText("New text");
    QCOMPARE(states.count(), 1);
    QCOMPARE(controller->alertText(), QStringLiteral("New text"));
    QCOMPARE(controller->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(controller->alert()->previousState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(controller->alert()->revisionCounter(), revision + 1);
}

void tst_AlertsController::valueConstruction()
{
    SingleAlertTypeController controller("ByValue", nullptr, 900, 0, 2, 3, 4, false, 12);
    QCOMPARE(controller.alertText(), QStringLiteral("ByValue"));
    QCOMPARE(controller.alert()->alertIdentifier(), 900);
    QCOMPARE(controller.alert()->alertCategory(), 2);
    QCOMPARE(controller.alert()->alertInstance(), 4);
    QCOMPARE(BasicAlert::escalationMinutes(), 12.0);
    QCOMPARE(SignalExtender::instance()->findObject("ByValue"), &controller);
    controller.setManufacturerCode("KOR");
    QCOMPARE(controller.manufacturerCode(), QStringLiteral("KOR"));
}

QTEST_GUILESS_MAIN(tst_AlertsController)
#include "tst_alertscontroller.moc"
