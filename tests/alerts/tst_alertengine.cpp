#include "AlarmPorts.h"
#include "ParsedSentence.h"
#include "SentenceExchange.h"

#include "alerts/AlertConditionEvaluator.h"
#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/AlfController.h"
#include "alerts/AlrController.h"
#include "alerts/BasicAlert.h"
#include "alerts/HeartbeatMonitorsList.h"
#include "alerts/SingleAlertTypeController.h"
#include "alerts/SystemAlerts.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"
#include "comms/HeartbeatReceiver.h"
#include "data/ES_Alerts.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/AlertHandlers.h"

#include <QFile>
#include <QMetaClassInfo>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

// The alert engine assembled: ALF or ALR mode, and a whole exchange with a bridge alert system in
// sentences, from the alert definitions to a responsibility transfer whose heartbeats stop.

namespace {

QStringList readLines(const QString &name)
{
    QFile file(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_alertengine_data/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList productDefinitions()
{
    const QMetaObject &meta = ES_Alerts::staticMetaObject;
    return QString::fromLatin1(meta.classInfo(meta.indexOfClassInfo("AlertsDescriptor")).value())
        .split(QLatin1Char('\n'));
}

} // namespace

class tst_AlertEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void assembly();
    void alfMode();
    void alrMode();
    void nothingBeforeMode();
    void connectionsNeedConnectPending();
    void bridgeExchange();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void tst_AlertEngine::initTestCase()
{
    // The engine belongs to the stations that own alerts; this display build never starts it.
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
    SentenceExchange::registerTypes();
}

void tst_AlertEngine::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_AlertEngine::cleanup()
{
    SignalExtender::instance()->connectPending();
}

void tst_AlertEngine::assembly()
{
    SystemAlerts engine(productDefinitions());
    QVERIFY(!engine.alfMode());
    QCOMPARE(engine.alertsController()->count(), 6);
    QCOMPARE(engine.alertsController()->parent(), &engine);
    QCOMPARE(engine.alfController()->parent(), &engine);
    QCOMPARE(engine.alrController()->parent(), &engine);
    QVERIFY(!engine.alfController()->alfEnabled());
    QVERIFY(!engine.alrController()->alrEnabled());
    SignalExtender *registry = SignalExtender::instance();
    QCOMPARE(registry->findObject("AlertsController"), engine.alertsController());
    QCOMPARE(registry->findObject("AlfController"), engine.alfController());
    QCOMPARE(registry->findObject("AlrController"), engine.alrController());
    QCOMPARE(registry->findObject("AlarmShallow"), engine.alertsController()->controllerAt(0));

    engine.setAlfMode(true);
    QVERIFY(engine.alfMode());
    QVERIFY(engine.alfController()->alfEnabled());
    QVERIFY(!engine.alrController()->alrEnabled());
    engine.setAlfMode(false);
    QVERIFY(!engine.alfController()->alfEnabled());
    QVERIFY(engine.alrController()->alrEnabled());
}

void tst_AlertEngine::alfMode()
{
    SystemAlerts engine(productDefinitions());
    engine.setAlfMode(true);
    SignalExtender::instance()->connectPending();
    QSignalSpy alf(engine.alfController(), &AlfController::alfSentenceContents);
    QSignalSpy alc(engine.alfController(), &AlfController::alcSentenceContents);
    QSignalSpy alr(engine.alrController(), &AlrController::alrSentenceContents);

    engine.alertsController()->findByName("AlarmShallow")->raiseAlert("Sensor");
    QCOMPARE(alf.count(), 1);
    QCOMPARE(alf.at(0).at(0).toString(), QStringLiteral(",1,1,0,,A,A,V,,230,1,1,0,Shallow Water"));
    QCOMPARE(alr.count(), 0);

    connect(engine.alfController(), &AlfController::alcSentenceContents, this,
        [&] { engine.alfController()->setAlcInterval(30000); });
    engine.alfController()->setAlcInterval(10);
    QTRY_COMPARE(alc.count(), 1);
    QCOMPARE(alc.at(0).at(0).toString(), QStringLiteral(",01,01,00,1,,230,1,1"));

    // An ACK is ALR-mode input: ignored here.
    engine.alrController()->handleAck("230", "II0001");
    engine.alrController()->handleAck(230);
    QCOMPARE(engine.alertsController()->findByName("AlarmShallow")->alert()->alertState(),
        int(AlertState::ActiveUnacknowledged));
}

void tst_AlertEngine::alrMode()
{
    SystemAlerts engine(productDefinitions());
    engine.setAlfMode(true);
    SignalExtender::instance()->connectPending();
    engine.alertsController()->findByName("AlarmShallow")->raiseAlert("Sensor");

    engine.setAlfMode(false);
    QSignalSpy alc(engine.alfController(), &AlfController::alcSentenceContents);
    QSignalSpy lists(engine.alrController(), &AlrController::alrListContents);
    QSignalSpy alr(engine.alrController(), &AlrController::alrSentenceContents);
    QSignalSpy alf(engine.alfController(), &AlfController::alfSentenceContents);
    engine.alfController()->setAlcInterval(10);
    connect(engine.alrController(), &AlrController::alrListContents, this,
        [&] { engine.alrController()->setAlrListInterval(60000); });
    engine.alrController()->setAlrListInterval(50);
    QTRY_COMPARE(lists.count(), 1);
    QCOMPARE(lists.at(0).at(0).value<QList<QString>>(), QList<QString> { ",,230,A,V,Shallow Water" });
    // The ALF producer is off: its faster ALC period gave nothing in the meantime.
    QCOMPARE(alc.count(), 0);

    // ACN is ALF-mode input: ignored. An ACK acknowledges a category B alert.
    engine.alfController()->handleAcm(ParsedSentence::complete("IIACN,,,230,1,S,C"), "II0001");
    SingleAlertTypeController *deep = engine.alertsController()->findByName("AlertDeep");
    deep->raiseAlert("Sensor");
    engine.alrController()->handleAck("10456", "II0001");
    QCOMPARE(deep->alert()->alertState(), int(AlertState::ActiveAcknowledged));
    QCOMPARE(engine.alertsController()->findByName("AlarmShallow")->alert()->alertState(),
        int(AlertState::ActiveUnacknowledged));
    QCOMPARE(alf.count(), 0);
    const QStringList expected { ",,10456,A,V,Deep Water", ",,10456,A,A,Deep Water" };
    QCOMPARE(alr.count(), 2);
    QCOMPARE(alr.at(0).at(0).toString(), expected.at(0));
    QCOMPARE(alr.at(1).at(0).toString(), expected.at(1));
}

void tst_AlertEngine::nothingBeforeMode()
{
    SystemAlerts engine(productDefinitions());
    SignalExtender::instance()->connectPending();
    QSignalSpy alf(engine.alfController(), &AlfController::alfSentenceContents);
    QSignalSpy alc(engine.alfController(), &AlfController::alcSentenceContents);
    QSignalSpy alr(engine.alrController(), &AlrController::alrSentenceContents);
    QSignalSpy lists(engine.alrController(), &AlrController::alrListContents);
    engine.alfController()->setAlcInterval(10);
    engine.alrController()->setAlrListInterval(10);
    SingleAlertTypeController *deep = engine.alertsController()->findByName("AlertDeep");
    deep->raiseAlert("Sensor");
    deep->clearAlert("Sensor");
    // A witness timer well past several periods of both producers.
    bool passed = false;
    QTimer::singleShot(200, this, [&] { passed = true; });
    QTRY_VERIFY(passed);
    QCOMPARE(alf.count() + alc.count() + alr.count() + lists.count(), 0);
}

void tst_AlertEngine::connectionsNeedConnectPending()
{
    SystemAlerts engine(productDefinitions());
    engine.setAlfMode(true);
    QSignalSpy alf(engine.alfController(), &AlfController::alfSentenceContents);
    QSignalSpy alc(engine.alfController(), &AlfController::alcSentenceContents);
    engine.alertsController()->findByName("AlarmShallow")->raiseAlert("Sensor");
    QCOMPARE(alf.count(), 0);
    // The periodic list runs regardless, and lists the raised alert.
    connect(engine.alfController(), &AlfController::alcSentenceContents, this,
        [&] { engine.alfController()->setAlcInterval(30000); });
    engine.alfController()->setAlcInterval(10);
    QTRY_COMPARE(alc.count(), 1);
    QCOMPARE(alc.at(0).at(0).toString(), QStringLiteral(",01,01,00,1,,230,1,1"));
}

// A junction box with its alert engine in ALF mode and a bridge alert system on the network: what the
// bridge receives, in sentences, and what it sends back.
void tst_AlertEngine::bridgeExchange()
{
    const QStringList definitions = readLines("definitions.txt");
    const QStringList commands = readLines("bridge_commands.txt");
    const QStringList expected = readLines("expected_sentences.txt");
    QCOMPARE(definitions.size(), 6);
    QCOMPARE(commands.size(), 5);

    AlarmPorts ports({ UDP });
    NmeaHandlerContainer handlers;
    NmeaHandler *alfHandler = handlers.handler("GN", "ALF");
    NmeaHandler *alcHandler = handlers.handler("GN", "ALC");
    NmeaHandler *arcHandler = handlers.handler("GN", "ARC");
    NmeaHandler *acnHandler = handlers.handler("II", "ACN");
    QVERIFY(alfHandler && alcHandler && arcHandler && acnHandler);

    SystemAlerts engine(definitions);
    // The bridge's transfer lasts 2 s without a heartbeat here (120 s in the unit).
    engine.alertsController()->heartbeatMonitors()->setHeartbeatTimeout(QStringLiteral("AlertDeep"), 2);
    AlfController *alf = engine.alfController();
    engine.setAlfMode(true);
    // The owner's wiring: contents to the sentence handlers, received ACNs to the engine.
    connect(alf, &AlfController::alfSentenceContents, alfHandler,
        [&](const QString &content) { alfHandler->sendAlertMessageContents({ content }, QString()); });
    connect(alf, &AlfController::alcSentenceContents, alcHandler,
        [&](const QString &content) { alcHandler->sendAlertMessageContents({ content }, QString()); });
    connect(alf, &AlfController::arcSentenceContents, arcHandler,
        [&](const QString &content) { arcHandler->sendAlertMessageContents({ content }, QString()); });
    connect(acnHandler, &NmeaHandler::forwardMessage, alf,
        QOverload<QString, QString>::of(&AlfController::handleAcm));

    // The measured depth drives the deep-water alert; the shallow-water alarm is raised by its owner
    // through the registry.
    ExceedingConditionEvaluator deepWater("AlertDeep", "DepthSensor", true, true);
    deepWater.setConditionLimit(100.0f);
    SignalExtender::instance()->connectPending();
    SentenceExchange::Recorder bridge;

    deepWater.evaluateCondition(80.0f);
    QCOMPARE(bridge.total(), 0);
    deepWater.evaluateCondition(120.0f);
    QVERIFY(QMetaObject::invokeMethod(SignalExtender::instance()->findObject("AlarmShallow"), "raiseAlert",
        Q_ARG(QString, QStringLiteral("KeelSensor"))));

    // One cyclic alert list, then back to the long period.
    connect(alf, &AlfController::alcSentenceContents, this, [alf] { alf->setAlcInterval(30000); });
    alf->setAlcInterval(10);
    QTRY_COMPARE(bridge.groupCount(), 3);

    // The bridge silences and acknowledges the deep-water alert, sends a malformed command, tries to
    // acknowledge the category A alarm and takes over the deep-water alert.
    for (const QString &command : commands) {
        std::unique_ptr<NmeaMessage> message = ParsedSentence::parse(
            command + QStringLiteral("\r\n"), QStringLiteral("UDP"), QStringLiteral("II0001"));
        QVERIFY2(message, qPrintable(command));
        acnHandler->handleReceivedMessage(message.get());
    }
    QCOMPARE(alf->invalidCommandCount(), 1);
    SingleAlertTypeController *deep = engine.alertsController()->findByName("AlertDeep");
    QCOMPARE(deep->alert()->alertState(), int(AlertState::ActiveResponsibilityTransferred));
    QVERIFY(engine.alertsController()->heartbeatMonitors()->monitor("AlertDeep"));

    // The bridge's heartbeats hold the transfer.
    int sequence = 0;
    QTimer heartbeats;
    connect(&heartbeats, &QTimer::timeout, this, [&] {
        std::unique_ptr<NmeaMessage> hbt = ParsedSentence::parse(
            ParsedSentence::complete(QStringLiteral("IIHBT,30,A,%1").arg(sequence % 10)), "UDP", "II0001");
        // What the receiving path does with every HBT it accepts.
        HeartbeatReceiver::instance()->heartbeatReceived(hbt->talker(), hbt->sourceSfi());
        ++sequence;
    });
    heartbeats.start(300);
    QTRY_VERIFY_WITH_TIMEOUT(sequence >= 10, 10000);
    QCOMPARE(deep->alert()->alertState(), int(AlertState::ActiveResponsibilityTransferred));
    QCOMPARE(bridge.groupCount(), 7);

    // The bridge falls silent: the alert is raised again and its supervision ends.
    heartbeats.stop();
    QTRY_COMPARE_WITH_TIMEOUT(bridge.groupCount(), 8, 5000);
    QCOMPARE(deep->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(engine.alertsController()->heartbeatMonitors()->count(), 0);

    // The depth comes back within the limit less the hysteresis.
    deepWater.evaluateCondition(99.0f);
    QCOMPARE(bridge.groupCount(), 8);
    deepWater.evaluateCondition(97.0f);

    QCOMPARE(bridge.groups(), expected);
    QCOMPARE(
        bridge.groupTypes(), (QStringList { "ALF", "ALF", "ALC", "ALF", "ALF", "ARC", "ALF", "ALF", "ALF" }));
    QCOMPARE(bridge.singleCount() + bridge.byTypeCount(), 0);
}

QTEST_GUILESS_MAIN(tst_AlertEngine)
#include "tst_alertengine.moc"
