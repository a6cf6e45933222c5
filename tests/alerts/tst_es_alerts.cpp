// The alert-state store: its six alerts, received whole texts, and the display's own alert for the
// link to the junction box.

#include "data/ES_Alerts.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString goldenText(const QString &name)
{
    QFile file(QStringLiteral(TESSARY_TEST_SOURCE_DIR "/tst_es_alerts_data/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

} // namespace

class tst_ES_Alerts : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void receivedWholeText();
    void receivedSingleChange();
    void ownAlert_data();
    void ownAlert();
    void raiseClearsOtherAlerts();
    void ackFromDisplay();
    void reemitsOnlyLeaves();
};

void tst_ES_Alerts::construction()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    QCOMPARE(alerts.type(), QStringLiteral("Type_Alert"));
    // The first runtime object of the process, plus 4000; the children follow in order.
    QCOMPARE(alerts.id(), 5001);
    const QStringList names = { "AlarmShallow", "AlertDeep", "AlertBottomLost", "AlertSystemError",
        "AlarmPowerFailure", "AlertDisplayError" };
    QCOMPARE(alerts.alerts().size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        SerializableAlertInfo *alert = alerts.alerts().at(i);
        QCOMPARE(alert->objectName(), names.at(i));
        QCOMPARE(alert->parent(), &alerts);
        QCOMPARE(alert->type(), QStringLiteral("Type_Alert"));
        QCOMPARE(alert->id(), 5002 + i);
        QCOMPARE(alerts.property(names.at(i).toLatin1().constData()).value<SerializableAlertInfo *>(), alert);
        QVERIFY(alert->isValid(QStringLiteral("AlertState")));
    }
    QCOMPARE(alerts.AlertDisplayError(), alerts.alerts().last());
    QVERIFY(alerts.AckFromDisplay().isEmpty());
    QCOMPARE(alerts.serialize(), goldenText(QStringLiteral("alerts_initial.txt")));
    QCOMPARE(QString::fromLatin1(alerts.metaObject()->classInfo(0).value()).size(), 358);
}

void tst_ES_Alerts::receivedWholeText()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    QSignalSpy received(&alerts, &ES_Alerts::dataReceivedFromCommunication);
    QSignalSpy state(alerts.AlertDeep(), &SerializableAlertInfo::AlertStateChanged);
    QVERIFY(alerts.deserializeAll(goldenText(QStringLiteral("alerts_received.txt"))));
    QCOMPARE(received.count(), 1);
    QCOMPARE(state.count(), 1);
    QCOMPARE(state.at(0).at(0).toInt(), 0);
    QCOMPARE(alerts.AlertDeep()->AlertState(), 0);
    QCOMPARE(alerts.AlertDeep()->AlertCategory(), 1);
    QCOMPARE(alerts.AlertDeep()->AlertPriority(), 1);
    QCOMPARE(alerts.AlertDeep()->AlertInstanceNumber(), 1);
    QCOMPARE(alerts.AlertDeep()->EscalationCounter(), 2);
    QCOMPARE(alerts.AlertDeep()->RevisionCounter(), 3);
    QCOMPARE(alerts.AlertDeep()->ActionSource(), QStringLiteral("JB"));
    QCOMPARE(alerts.AlertDeep()->AlertText(), QStringLiteral("Deep Water"));
    QCOMPARE(alerts.AlarmShallow()->AlertState(), 4);
    QCOMPARE(alerts.AlarmShallow()->AlertPriority(), 0);

    // A text that fails still tells the listeners.
    QVERIFY(!alerts.deserializeAll(QStringLiteral("Type_Alert,garbage")));
    QCOMPARE(received.count(), 2);
}

void tst_ES_Alerts::receivedSingleChange()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    QSignalSpy received(&alerts, &ES_Alerts::dataReceivedFromCommunication);
    QVERIFY(alerts.deserializeSingleProperty(
        QStringLiteral("Type_Alert,SingleProperty,ESAlerts,AlertDeep,AlertState=1")));
    QCOMPARE(alerts.AlertDeep()->AlertState(), 1);
    QCOMPARE(received.count(), 0);
    QVERIFY(!alerts.deserializeSingleProperty(
        QStringLiteral("Type_Alert,SingleProperty,ESRuntime,AlertDeep,AlertState=2")));
    QCOMPARE(alerts.AlertDeep()->AlertState(), 1);
}

void tst_ES_Alerts::ownAlert_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("state");
    QTest::newRow("raise") << "raise" << 0;
    QTest::newRow("raise twice") << "raise,raise" << 0;
    QTest::newRow("rectify") << "raise,rectify" << 4;
    QTest::newRow("rectify twice") << "raise,rectify,rectify" << 4;
    QTest::newRow("rectify, acknowledge") << "raise,rectify,ack" << 5;
    QTest::newRow("acknowledge") << "raise,ack" << 2;
    QTest::newRow("acknowledge twice") << "raise,ack,ack" << 2;
    QTest::newRow("acknowledge, rectify") << "raise,ack,rectify" << 5;
    QTest::newRow("raise when acknowledged") << "raise,ack,raise" << 0;
    QTest::newRow("rectify when normal") << "rectify" << 5;
    QTest::newRow("acknowledge when normal") << "ack" << 5;
    QTest::newRow("silenced by text, rectify") << "text1,rectify" << 1;
    QTest::newRow("transferred by text, acknowledge") << "text3,ack" << 3;
    QTest::newRow("silenced by text, raise") << "text1,raise" << 0;
}

void tst_ES_Alerts::ownAlert()
{
    QFETCH(QString, steps);
    QFETCH(int, state);
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    QSignalSpy received(&alerts, &ES_Alerts::dataReceivedFromCommunication);
    int operations = 0;
    const QStringList list = steps.split(QLatin1Char(','));
    for (const QString &step : list) {
        if (step == QLatin1String("raise")) {
            alerts.raiseJbCommsFailAlert();
            ++operations;
        } else if (step == QLatin1String("rectify")) {
            alerts.rectifyJbCommsFailAlert();
            ++operations;
        } else if (step == QLatin1String("ack")) {
            alerts.acknowledgeJbCommsFailAlert();
            ++operations;
        } else {
            alerts.AlertDisplayError()->setAlertState(step.mid(4).toInt());
        }
    }
    QCOMPARE(alerts.AlertDisplayError()->AlertState(), state);
    // Each operation tells the listeners once, whether or not the state changed.
    QCOMPARE(received.count(), operations);
}

void tst_ES_Alerts::raiseClearsOtherAlerts()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    alerts.AlertDeep()->setAlertState(0);
    alerts.AlarmShallow()->setAlertState(2);
    QSignalSpy priority(alerts.AlertDisplayError(), &SerializableAlertInfo::AlertPriorityChanged);
    alerts.raiseJbCommsFailAlert();
    for (SerializableAlertInfo *alert : alerts.alerts()) {
        if (alert != alerts.AlertDisplayError())
            QCOMPARE(alert->AlertState(), 5);
    }
    QCOMPARE(alerts.AlertDisplayError()->AlertText(), QStringLiteral("TQ55 Comms Fail"));
    QCOMPARE(alerts.AlertDisplayError()->AlertPriority(), 1);
    QCOMPARE(priority.count(), 1);
    QCOMPARE(priority.at(0).at(0).toInt(), 1);
}

void tst_ES_Alerts::ackFromDisplay()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    QSignalSpy changed(&alerts, &ES_Alerts::AckFromDisplayChanged);
    alerts.setAckFromDisplay(QStringLiteral("Deep Water"));
    alerts.setAckFromDisplay(QStringLiteral("Deep Water"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), QStringLiteral("Deep Water"));
    QCOMPARE(alerts.serializeSinglePropertyByName(QStringLiteral("AckFromDisplay")),
        QStringLiteral("Type_Alert,SingleProperty,ESAlerts,AckFromDisplay=Deep Water"));
}

// The object's own text is not a leaf value: only the alerts' values are announced again.
void tst_ES_Alerts::reemitsOnlyLeaves()
{
    ES_Alerts alerts(nullptr, QStringLiteral("ESAlerts"));
    QSignalSpy ack(&alerts, &ES_Alerts::AckFromDisplayChanged);
    QList<QSignalSpy *> states;
    for (SerializableAlertInfo *alert : alerts.alerts())
        states.append(new QSignalSpy(alert, &SerializableAlertInfo::AlertStateChanged));
    alerts.emitAllPropertySignals();
    QCOMPARE(ack.count(), 0);
    for (QSignalSpy *spy : qAsConst(states)) {
        QCOMPARE(spy->count(), 1);
        QCOMPARE(spy->at(0).at(0).toInt(), 5);
    }
    qDeleteAll(states);
}

QTEST_GUILESS_MAIN(tst_ES_Alerts)
#include "tst_es_alerts.moc"
