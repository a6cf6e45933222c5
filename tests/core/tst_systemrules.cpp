// The rules of the system object that need no built system: the buzzer pattern chosen from the alert
// states, which paths each build configuration connects, the program's exit status after a programming
// error, and the optional debug-message format.

#include "common/BuildConfiguration.h"
#include "core/CentralBaseClass.h"
#include "data/ES_Alerts.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

namespace {

const int normal = 5;
const int activeUnacknowledged = 0;

QList<int> escalation(int minutes)
{
    return { 400, 400, 400, minutes * 60000 - 1200 };
}

} // namespace

class tst_SystemRules : public QObject
{
    Q_OBJECT

private slots:
    void buzzer_data();
    void buzzer();
    void buzzerSilencedKeepsPattern();

    void paths_data();
    void paths();

    void programmingErrorEndsWithFailureStatus();
    void programmingErrorInsideEventLoop();
    void resultOfOrdinaryRun();

    void logMessageFormat_data();
    void logMessageFormat();
    void logMessageKeepsText();
};

void tst_SystemRules::buzzer_data()
{
    QTest::addColumn<int>("sounder");
    QTest::addColumn<int>("escalationIndex");
    QTest::addColumn<int>("shallowState");
    QTest::addColumn<int>("shallowCategory");
    QTest::addColumn<int>("deepState");
    QTest::addColumn<int>("deepPriority");
    QTest::addColumn<int>("bottomLostState");
    QTest::addColumn<int>("systemState");
    QTest::addColumn<int>("powerState");
    QTest::addColumn<int>("displayState");
    QTest::addColumn<QList<int>>("pattern");
    QTest::addColumn<bool>("sound");

    const QList<int> three = CentralBaseClass::threeBeepsPattern();
    const QList<int> two = CentralBaseClass::twoBeepsPattern();
    QCOMPARE(three, QList<int>({ 400, 400, 400, 400, 400, 8000 }));
    QCOMPARE(two, QList<int>({ 400, 400, 400, 8800 }));

    // clang-format off
    QTest::newRow("nothing active") << 0 << 2 << normal << 0 << normal << 0 << normal << normal << normal << normal << escalation(3) << false;
    QTest::newRow("shallow cat A") << 0 << 2 << 0 << 0 << normal << 0 << normal << normal << normal << normal << three << true;
    QTest::newRow("shallow cat B") << 0 << 2 << 0 << 1 << normal << 0 << normal << normal << normal << normal << two << true;
    QTest::newRow("shallow cat A before all others") << 0 << 2 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << three << true;
    QTest::newRow("shallow acknowledged") << 0 << 2 << 2 << 0 << normal << 0 << normal << normal << normal << normal << escalation(3) << false;
    QTest::newRow("deep alarm") << 0 << 2 << normal << 0 << 0 << 0 << normal << normal << normal << normal << two << true;
    QTest::newRow("deep alert") << 0 << 2 << normal << 0 << 0 << 1 << normal << normal << normal << normal << escalation(3) << true;
    QTest::newRow("deep negative priority") << 0 << 0 << normal << 0 << 0 << -1 << normal << normal << normal << normal << escalation(1) << true;
    QTest::newRow("deep caution alone") << 0 << 2 << normal << 0 << 0 << 2 << normal << normal << normal << normal << escalation(3) << false;
    // A deep caution has no sound of its own but does not silence the alerts that have one.
    QTest::newRow("deep caution, system error") << 0 << 2 << normal << 0 << 0 << 2 << normal << 0 << normal << normal << escalation(3) << true;
    QTest::newRow("deep caution, power failure") << 0 << 2 << normal << 0 << 0 << 2 << normal << normal << 0 << normal << escalation(3) << true;
    QTest::newRow("deep caution, link alert") << 0 << 2 << normal << 0 << 0 << 2 << normal << normal << normal << 0 << escalation(3) << true;
    QTest::newRow("deep emergency, link alert") << 0 << 4 << normal << 0 << 0 << 3 << normal << normal << normal << 0 << escalation(5) << true;
    QTest::newRow("system error every 3 min") << 0 << 2 << normal << 0 << normal << 0 << normal << 0 << normal << normal << QList<int>({ 400, 400, 400, 178800 }) << true;
    QTest::newRow("power failure") << 0 << 0 << normal << 0 << normal << 0 << normal << normal << 0 << normal << escalation(1) << true;
    QTest::newRow("link alert rectified") << 0 << 0 << normal << 0 << normal << 0 << normal << normal << normal << 4 << escalation(1) << false;
    QTest::newRow("bottom lost takes no part") << 0 << 2 << normal << 0 << normal << 0 << 0 << normal << normal << normal << escalation(3) << false;
    QTest::newRow("escalation beyond the choices") << 0 << 9 << normal << 0 << normal << 0 << normal << 0 << normal << normal << escalation(5) << true;
    QTest::newRow("escalation below the choices") << 0 << -3 << normal << 0 << normal << 0 << normal << 0 << normal << normal << escalation(1) << true;
    // clang-format on
}

void tst_SystemRules::buzzer()
{
    QFETCH(int, sounder);
    QFETCH(int, escalationIndex);
    QFETCH(int, shallowState);
    QFETCH(int, shallowCategory);
    QFETCH(int, deepState);
    QFETCH(int, deepPriority);
    QFETCH(int, bottomLostState);
    QFETCH(int, systemState);
    QFETCH(int, powerState);
    QFETCH(int, displayState);
    QFETCH(QList<int>, pattern);
    QFETCH(bool, sound);

    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    alerts.AlarmShallow()->setAlertState(shallowState);
    alerts.AlarmShallow()->setAlertCategory(shallowCategory);
    alerts.AlertDeep()->setAlertState(deepState);
    alerts.AlertDeep()->setAlertPriority(deepPriority);
    alerts.AlertBottomLost()->setAlertState(bottomLostState);
    alerts.AlertSystemError()->setAlertState(systemState);
    alerts.AlarmPowerFailure()->setAlertState(powerState);
    alerts.AlertDisplayError()->setAlertState(displayState);

    const CentralBaseClass::BuzzerChoice choice
        = CentralBaseClass::chooseBuzzer(&alerts, sounder, escalationIndex);
    QVERIFY(!choice.silenceOnly);
    QCOMPARE(choice.pattern, pattern);
    QCOMPARE(choice.sound, sound);
}

void tst_SystemRules::buzzerSilencedKeepsPattern()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    for (SerializableAlertInfo *alert : alerts.alerts())
        alert->setAlertState(activeUnacknowledged);
    // Sounder "off": silence, whatever is active, and the pattern is left as it is.
    const CentralBaseClass::BuzzerChoice choice = CentralBaseClass::chooseBuzzer(&alerts, 1, 2);
    QVERIFY(choice.silenceOnly);
    QVERIFY(!choice.sound);
    QVERIFY(choice.pattern.isEmpty());
}

void tst_SystemRules::paths_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("displayNetworkSettings");
    QTest::addColumn<bool>("serialPaths");
    QTest::addColumn<bool>("followsJunctionBoxGroup");
    QTest::addColumn<bool>("srp");

    // clang-format off
    QTest::newRow("this build") << "CU" << "WINDOWS" << "MIR_LOX1000" << false << false << true << false;
    QTest::newRow("embedded display") << "CU" << "LINUX" << "MIR_LOX1000" << false << false << false << false;
    QTest::newRow("embedded junction box") << "JB" << "LINUX" << "MIR_LOX1000" << false << true << false << true;
    QTest::newRow("junction box on WINDOWS") << "JB" << "WINDOWS" << "TVR200" << false << false << true << true;
    QTest::newRow("echo sounder display") << "CU" << "LINUX" << "TVR300" << false << false << false << false;
    // clang-format on
}

void tst_SystemRules::paths()
{
    QFETCH(QString, device);
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(bool, displayNetworkSettings);
    QFETCH(bool, serialPaths);
    QFETCH(bool, followsJunctionBoxGroup);
    QFETCH(bool, srp);

    const BuildConfiguration build(device, platform, product);
    QCOMPARE(CentralBaseClass::connectsDisplayNetworkSettings(&build), displayNetworkSettings);
    QCOMPARE(CentralBaseClass::connectsSerialPaths(&build), serialPaths);
    QCOMPARE(CentralBaseClass::followsJunctionBoxGroup(&build), followsJunctionBoxGroup);
    QCOMPARE(CentralBaseClass::startsSrpAnnouncements(&build), srp);
}

void tst_SystemRules::programmingErrorEndsWithFailureStatus()
{
    QTest::ignoreMessage(QtDebugMsg, "Incorrect defaultValue for serializable class property");
    const int status = CentralBaseClass::runGuarded(
        []() -> int { throw "Incorrect defaultValue for serializable class property"; });
    QVERIFY(status != 0);
}

void tst_SystemRules::programmingErrorInsideEventLoop()
{
    // The system is built and runs inside the event loop; an error there unwinds through it.
    QTest::ignoreMessage(QtDebugMsg, "Serialization is not possible!");
    const int status = CentralBaseClass::runGuarded([]() -> int {
        QEventLoop loop;
        QTimer::singleShot(0, []() { throw "Serialization is not possible!"; });
        return loop.exec();
    });
    QVERIFY(status != 0);
}

void tst_SystemRules::resultOfOrdinaryRun()
{
    QCOMPARE(CentralBaseClass::runGuarded([]() { return 0; }), 0);
    QCOMPARE(CentralBaseClass::runGuarded([]() { return 3; }), 3);
}

void tst_SystemRules::logMessageFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("debug") << int(QtDebugMsg) << "Debug: ";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning: ";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Critical: ";
    QTest::newRow("fatal") << int(QtFatalMsg) << "Fatal: ";
    QTest::newRow("info") << int(QtInfoMsg) << "Info: ";
}

void tst_SystemRules::logMessageFormat()
{
    QFETCH(int, type);
    QFETCH(QString, prefix);

    const QMessageLogContext context("Hardware.cpp", 42, "bool Hardware::init()", "default");
    const QString line = formatLogMessage(QtMsgType(type), context, QStringLiteral("Check Hardware!"));
    QCOMPARE(line,
        prefix
            + QStringLiteral("Check Hardware! File: Hardware.cpp Line: 42 Function: bool Hardware::init()"));
}

void tst_SystemRules::logMessageKeepsText()
{
    // Text outside ASCII stays as it was written.
    const QMessageLogContext context;
    const QString line = formatLogMessage(QtDebugMsg, context, QStringLiteral("Tiefe 12 m \u00fcber Kiel"));
    QVERIFY(line.startsWith(QStringLiteral("Debug: Tiefe 12 m \u00fcber Kiel File: ")));
}

QTEST_GUILESS_MAIN(tst_SystemRules)
#include "tst_systemrules.moc"
