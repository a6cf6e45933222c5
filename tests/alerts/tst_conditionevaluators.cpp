#include "alerts/AlertConditionEvaluator.h"
#include "alerts/AlertWords.h"
#include "alerts/AlertsController.h"
#include "alerts/BasicAlert.h"
#include "alerts/SingleAlertTypeController.h"
#include "common/BuildConfiguration.h"
#include "common/SignalExtender.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

// Condition evaluators: values beyond a limit or out of a range, flags and timeouts turned into raise
// and clear requests, alone and connected by name to a real alert.

namespace {

// Every request or report of an evaluator as a word, in order.
class EventLog : public QObject
{
public:
    explicit EventLog(AlertConditionEvaluator *evaluator)
    {
        connect(evaluator, &AlertConditionEvaluator::raiseAlert, this,
            [this](const QString &source) { events << QStringLiteral("raise ") + source; });
        connect(evaluator, &AlertConditionEvaluator::clearAlert, this,
            [this](const QString &source) { events << QStringLiteral("clear ") + source; });
        connect(evaluator, &AlertConditionEvaluator::reportState, this, [this](bool state) {
            events << (state ? QStringLiteral("report true") : QStringLiteral("report false"));
        });
        connect(evaluator, &AlertConditionEvaluator::setAlertDeactivated, this, [this](bool deactivated) {
            events << (deactivated ? QStringLiteral("deactivate") : QStringLiteral("activate"));
        });
        if (auto *timeout = qobject_cast<TimeoutConditionEvaluator *>(evaluator))
            connect(timeout, &TimeoutConditionEvaluator::timeoutInternalWarning, this,
                [this](const QString &source) { events << QStringLiteral("warning ") + source; });
    }
    // The events since the last call.
    QString take()
    {
        const QString joined = events.join(QLatin1Char('|'));
        events.clear();
        return joined;
    }
    QStringList events;
};

const float notANumber = std::numeric_limits<float>::quiet_NaN();

} // namespace

class tst_ConditionEvaluators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void exceeding_data();
    void exceeding();
    void zeroLimitDeactivates();
    void range_data();
    void range();
    void simple();
    void timeoutCounting();
    void timeoutSharedTimer();
    void alertText();
    void drivesRealAlert();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void tst_ConditionEvaluators::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR200"));
}

void tst_ConditionEvaluators::cleanupTestCase()
{
    m_junctionBox.reset();
}

void tst_ConditionEvaluators::cleanup()
{
    SignalExtender::instance()->connectPending();
}

void tst_ConditionEvaluators::exceeding_data()
{
    QTest::addColumn<bool>("above");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QStringList>("expected");

    // Limit 10, hysteresis 2; one expected event text per value ("" for none).
    QTest::newRow("above") << true << true << QList<float> { 10.0f, 10.1f, 8.5f, 7.9f, 7.0f }
                           << QStringList { "", "raise Depth", "", "clear Depth", "" };
    QTest::newRow("below") << false << true << QList<float> { 10.0f, 9.9f, 11.9f, 12.1f }
                           << QStringList { "", "raise Depth", "", "clear Depth" };
    QTest::newRow("not linked") << true << false << QList<float> { 11.0f, 12.0f, 7.5f }
                                << QStringList { "report true", "", "report false" };
    QTest::newRow("not a number") << true << true << QList<float> { notANumber, 11.0f, notANumber, 1.0f }
                                  << QStringList { "", "raise Depth", "", "clear Depth" };
}

void tst_ConditionEvaluators::exceeding()
{
    QFETCH(bool, above);
    QFETCH(bool, linked);
    QFETCH(QList<float>, values);
    QFETCH(QStringList, expected);

    ExceedingConditionEvaluator evaluator("ExceedAlert", "Depth", above, linked);
    QCOMPARE(evaluator.conditionHysteresis(), 2.0f);
    QCOMPARE(evaluator.conditionLimit(), 0.0f);
    QVERIFY(evaluator.conditionNormal());
    evaluator.setConditionLimit(10.0f);
    EventLog log(&evaluator);
    QStringList events;
    for (float v : qAsConst(values)) {
        evaluator.evaluateCondition(v);
        events << log.take();
    }
    QCOMPARE(events, expected);
}

void tst_ConditionEvaluators::zeroLimitDeactivates()
{
    ExceedingConditionEvaluator evaluator("ZeroAlert", "Depth", true, true);
    evaluator.setZeroLimitDeactivates(true);
    QVERIFY(evaluator.zeroLimitDeactivates());
    EventLog log(&evaluator);
    evaluator.setConditionLimit(5.0f); // from 0 to 5
    QCOMPARE(log.take(), QStringLiteral("activate"));
    evaluator.evaluateCondition(6.0f);
    QCOMPARE(log.take(), QStringLiteral("raise Depth"));
    evaluator.setConditionLimit(0.0f);
    QCOMPARE(log.take(), QStringLiteral("deactivate"));
    QVERIFY(evaluator.conditionNormal());
    evaluator.evaluateCondition(6.0f);
    evaluator.evaluateCondition(-6.0f);
    QCOMPARE(log.take(), QStringLiteral("clear Depth|clear Depth"));
    evaluator.setConditionLimit(5.0f);
    QCOMPARE(log.take(), QStringLiteral("activate"));
    evaluator.setConditionLimit(7.0f);
    QCOMPARE(log.take(), QString());

    // Without the switch a limit of 0 is an ordinary limit.
    ExceedingConditionEvaluator plain("PlainAlert", "Depth", true, true);
    EventLog plainLog(&plain);
    plain.setConditionLimit(3.0f);
    plain.setConditionLimit(0.0f);
    plain.evaluateCondition(1.0f);
    QCOMPARE(plainLog.take(), QStringLiteral("raise Depth"));
}

void tst_ConditionEvaluators::range_data()
{
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QStringList>("expected");

    // Range 0 to 5, limits excluded.
    QTest::newRow("normal inside") << true << QList<float> { 2.5f, 0.0f, 5.0f, 2.5f, -1.0f, 4.9f, notANumber }
                                   << QStringList { "", "raise Speed", "", "clear Speed", "raise Speed",
                                          "clear Speed", "raise Speed" };
    QTest::newRow("normal outside") << false << QList<float> { 6.0f, 5.0f, 0.0f, -0.5f, 2.0f }
                                    << QStringList { "", "raise Speed", "", "clear Speed", "raise Speed" };
}

void tst_ConditionEvaluators::range()
{
    QFETCH(bool, inside);
    QFETCH(QList<float>, values);
    QFETCH(QStringList, expected);

    // Linked or not, range evaluators request raise and clear.
    ValueWithinRangeConditionEvaluator evaluator("RangeAlert", "Speed", false);
    QCOMPARE(evaluator.rangeLowerLimit(), 0.0f);
    QCOMPARE(evaluator.rangeUpperLimit(), 5.0f);
    QVERIFY(evaluator.normalInsideRange());
    evaluator.setNormalInsideRange(inside);
    EventLog log(&evaluator);
    QStringList events;
    for (float v : qAsConst(values)) {
        evaluator.evaluateCondition(v);
        events << log.take();
    }
    QCOMPARE(events, expected);

    evaluator.setRangeLowerLimit(10.0f);
    evaluator.setRangeUpperLimit(20.0f);
    QCOMPARE(evaluator.rangeLowerLimit(), 10.0f);
    QCOMPARE(evaluator.rangeUpperLimit(), 20.0f);
}

void tst_ConditionEvaluators::simple()
{
    SimpleConditionEvaluator evaluator("FlagAlert", "Flag");
    QVERIFY(evaluator.linkedToAlert());
    EventLog log(&evaluator);
    evaluator.setConditionStateNormal(true);
    QCOMPARE(log.take(), QString());
    evaluator.setConditionStateNormal(false);
    evaluator.setConditionStateNormal(false);
    QCOMPARE(log.take(), QStringLiteral("raise Flag"));
    QVERIFY(!evaluator.conditionNormal());
    evaluator.setConditionStateNormal(true);
    evaluator.setConditionStateNormal(true);
    QCOMPARE(log.take(), QStringLiteral("clear Flag"));
}

void tst_ConditionEvaluators::timeoutCounting()
{
    TimeoutConditionEvaluator evaluator("TimeoutAlert", "Link");
    QCOMPARE(evaluator.timeoutCountLimit(), 10);
    QCOMPARE(evaluator.timeoutWarningLimit(), 5);
    QVERIFY(!evaluator.enableInternalWarning());
    QVERIFY(!evaluator.useSharedTimer());
    evaluator.setEnableInternalWarning(true);
    EventLog log(&evaluator);

    QStringList events;
    for (int i = 0; i < 10; ++i) {
        evaluator.evaluateCondition(false);
        events << log.take();
    }
    QCOMPARE(events, (QStringList { "", "", "", "", "warning Link", "", "", "", "", "raise Link" }));
    QCOMPARE(evaluator.timeoutCount(), 10);
    // After the raise the count grows and nothing more is sent.
    evaluator.evaluateCondition(false);
    QCOMPARE(log.take(), QString());
    QCOMPARE(evaluator.timeoutCount(), 11);

    // A normal report clears the raised alert and starts the count again.
    evaluator.evaluateCondition(true);
    QCOMPARE(log.take(), QStringLiteral("clear Link"));
    QCOMPARE(evaluator.timeoutCount(), 0);
    for (int i = 0; i < 4; ++i)
        evaluator.evaluateCondition(false);
    evaluator.evaluateCondition(true);
    QCOMPARE(log.take(), QString());
    QCOMPARE(evaluator.timeoutCount(), 0);

    // Suppressed clear; a disabled warning at the count limit does not put the raise off.
    evaluator.setSuppressClear(true);
    evaluator.setEnableInternalWarning(false);
    evaluator.setTimeoutCountLimit(3);
    evaluator.setTimeoutWarningLimit(3);
    for (int i = 0; i < 3; ++i)
        evaluator.evaluateCondition(false);
    QCOMPARE(log.take(), QStringLiteral("raise Link"));
    evaluator.evaluateCondition(true);
    QCOMPARE(log.take(), QString());
    QVERIFY(evaluator.conditionNormal());
}

void tst_ConditionEvaluators::timeoutSharedTimer()
{
    TimeoutConditionEvaluator evaluator("SharedAlert", "Shared");
    QVERIFY(TimeoutConditionEvaluator::sharedTimeoutTimer()->isActive());
    QCOMPARE(TimeoutConditionEvaluator::sharedTimeoutTimer()->interval(), 1000);
    QVERIFY(!TimeoutConditionEvaluator::sharedTimeoutTimer()->parent());
    evaluator.setUseSharedTimer(true);
    evaluator.setTimeoutCountLimit(1);
    EventLog log(&evaluator);
    // Abnormal reports do not count: the shared timer alone does.
    for (int i = 0; i < 5; ++i)
        evaluator.evaluateCondition(false);
    QCOMPARE(evaluator.timeoutCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(log.events, QStringList { "raise Shared" }, 3000);

    // Without the flag the ticks do nothing.
    TimeoutConditionEvaluator idle("IdleAlert", "Idle");
    evaluator.evaluateCondition(true);
    QTRY_VERIFY_WITH_TIMEOUT(evaluator.timeoutCount() >= 1, 3000);
    QCOMPARE(idle.timeoutCount(), 0);
}

void tst_ConditionEvaluators::alertText()
{
    SimpleConditionEvaluator evaluator("TextAlert", "Flag");
    QSignalSpy texts(&evaluator, &AlertConditionEvaluator::setAlertText);
    evaluator.updateAlertText("Low battery");
    evaluator.updateAlertText("Low battery");
    evaluator.updateAlertText("Battery empty");
    QCOMPARE(texts.count(), 2);
    QCOMPARE(texts.at(1).at(0).toString(), QStringLiteral("Battery empty"));
    QCOMPARE(evaluator.evaluatorAlertText(), QStringLiteral("Battery empty"));
}

// A linked evaluator reaches the alert type controller of its name through the registry.
void tst_ConditionEvaluators::drivesRealAlert()
{
    AlertsController list(
        { "EvalDeep,Deep Water,10456,Alert,CatB,WarningToAlarm", "EvalFlag,Flag,10457,Alert,CatB" });
    ExceedingConditionEvaluator depth("EvalDeep", "DepthSensor", true, true);
    SimpleConditionEvaluator flag("EvalFlag", "FlagSource");
    QCOMPARE(SignalExtender::instance()->findObject("ConditionEvaluatorEvalDeep"), &depth);
    depth.setConditionLimit(100.0f);
    depth.setZeroLimitDeactivates(true);
    SignalExtender::instance()->connectPending();

    SingleAlertTypeController *deep = list.findByName("EvalDeep");
    depth.evaluateCondition(50.0f);
    QVERIFY(deep->alert()->isNormal());
    depth.evaluateCondition(120.0f);
    QCOMPARE(deep->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(deep->actionSource(), QStringLiteral("DepthSensor"));
    depth.updateAlertText("Very deep");
    QCOMPARE(deep->alertText(), QStringLiteral("Very deep"));
    depth.evaluateCondition(97.0f);
    QCOMPARE(deep->alert()->alertState(), int(AlertState::RectifiedUnacknowledged));
    depth.evaluateCondition(120.0f);
    depth.setConditionLimit(0.0f);
    QVERIFY(deep->alert()->alertDeactivated());
    QVERIFY(deep->alert()->isNormal());

    flag.setConditionStateNormal(false);
    QCOMPARE(list.findByName("EvalFlag")->alert()->alertState(), int(AlertState::ActiveUnacknowledged));
    QCOMPARE(list.findByName("EvalFlag")->actionSource(), QStringLiteral("FlagSource"));
}

QTEST_GUILESS_MAIN(tst_ConditionEvaluators)
#include "tst_conditionevaluators.moc"
