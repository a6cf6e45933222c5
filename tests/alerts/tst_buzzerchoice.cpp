// The buzzer's answer to the alert states received from the junction box: which pattern, and whether it
// sounds. The first rule that applies decides; the sounder switch silences everything.

#include "alerts/BuzzerChoice.h"
#include "data/ES_Alerts.h"

#include <QtTest>

namespace {

const int normal = 5;
const int activeUnacknowledged = 0;

QList<int> escalation(int minutes)
{
    return { 400, 400, 400, minutes * 60000 - 1200 };
}

} // namespace

class tst_BuzzerChoice : public QObject
{
    Q_OBJECT

private slots:
    void buzzer_data();
    void buzzer();
    void buzzerSilencedKeepsPattern();
};

void tst_BuzzerChoice::buzzer_data()
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

    const QList<int> three = BuzzerChoice::threeBeepsPattern();
    const QList<int> two = BuzzerChoice::twoBeepsPattern();
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

void tst_BuzzerChoice::buzzer()
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

    const BuzzerChoice choice = BuzzerChoice::forAlerts(&alerts, sounder, escalationIndex);
    QVERIFY(!choice.silenceOnly);
    QCOMPARE(choice.pattern, pattern);
    QCOMPARE(choice.sound, sound);
}

void tst_BuzzerChoice::buzzerSilencedKeepsPattern()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    for (SerializableAlertInfo *alert : alerts.alerts())
        alert->setAlertState(activeUnacknowledged);
    // Sounder "off": silence, whatever is active, and the pattern is left as it is.
    const BuzzerChoice choice = BuzzerChoice::forAlerts(&alerts, 1, 2);
    QVERIFY(choice.silenceOnly);
    QVERIFY(!choice.sound);
    QVERIFY(choice.pattern.isEmpty());
}

QTEST_GUILESS_MAIN(tst_BuzzerChoice)
#include "tst_buzzerchoice.moc"
