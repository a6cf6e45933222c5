// The display unit and a junction box on one network: the display's system object is started in this
// process exactly as the program starts it (dialog, "lo" chosen, "Confirm" clicked), the junction box is a
// small peer of this test with a real UDP socket on the same transmission group. The cases follow the life
// of the link: announcement, pairing, settings both ways with their acknowledgements, an alert from the
// junction box on the alarm panel, and the loss and return of the link. Every case starts a system and a
// peer of its own and first brings the link to the state it needs; the repetitions and the supervision it
// waits for run at tens of milliseconds.

#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"
#include "StartedSystem.h"

#include "alerts/BuzzerChoice.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "core/MirloxSystem.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/ES_Alerts.h"
#include "data/SerializationController.h"
#include "hardware/BeepGenerator.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvPairingHandlers.h"
#include "ui/dialogs/NetworkSelectWidget.h"
#include "ui/window/AlarmWidget.h"
#include "ui/window/BaseScreen.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

using namespace TestNetwork;

QString pairRequest()
{
    return QStringLiteral("$PQRVPAIR,%1,%2,P*").arg(QLatin1String(displaySfi), QLatin1String(junctionBoxSfi));
}

} // namespace

class tst_StartupNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void announcesItselfWithDevStart();
    void pairsUntilAcknowledged();
    void resendsDisplaySettingUntilAcknowledged();
    void appliesAndAcknowledgesJunctionBoxSetup();
    void showsJunctionBoxAlertOnAlarmPanel();
    void acknowledgesAlertFromAlarmPanel();
    void raisesLinkAlertWhenJunctionBoxFallsSilent();
    void rectifiesLinkAlertWhenJunctionBoxReturns();

private:
    void sendCompleteSetup();
    // The display's PAIR is acknowledged and answered with the whole setup; the link is up.
    void pairWithPeer();
    // An unacknowledged category A shallow-water alarm from the junction box, on the alarm panel.
    void raiseShallowAlarm();
    // The junction box falls silent and the supervision takes the link down.
    void loseLink();

    JunctionBoxPeer *m_peer = nullptr;
    std::optional<StartedSystem> m_started;
    MirloxSystem *m_system = nullptr;
    // The junction box's own copy of the shared setup and of the alert states: what it sends is their
    // settings text.
    std::unique_ptr<ESSetup> m_peerSetup;
    std::unique_ptr<ES_Alerts> m_peerAlerts;
};

void tst_StartupNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
}

void tst_StartupNetns::init()
{
    StartedSystem::Options options = StartedSystem::withJunctionBox();
    // The window as the system shows it.
    options.windowSize = QSize();
    m_started.emplace(options);
    QVERIFY(m_started->isStarted());
    m_peer = m_started->peer();
    m_system = m_started->get();
    QVERIFY(m_system->mainWindow()->isVisible());
    QCOMPARE(m_system->mainWindow()->windowTitle(), QStringLiteral("Korvane Tessary - MIRLOX RN4400"));

    m_peerSetup = std::make_unique<ESSetup>(nullptr, QStringLiteral("ESSetup"));
    m_peerAlerts = std::make_unique<ES_Alerts>(nullptr, QStringLiteral("ESAlerts"));
}

void tst_StartupNetns::cleanup()
{
    m_peerAlerts.reset();
    m_peerSetup.reset();
    m_system = nullptr;
    m_started.reset();
    m_peer = nullptr;
}

void tst_StartupNetns::sendCompleteSetup()
{
    m_peer->sendSettingsText(
        m_peerSetup->serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
}

void tst_StartupNetns::pairWithPeer()
{
    QTRY_VERIFY(m_peer->countStartingWith(pairRequest()) >= 1);
    m_peer->sendSentence(QStringLiteral("PQRVSFIACK,%1,%2,PAIR,P")
                             .arg(QLatin1String(junctionBoxSfi), QLatin1String(displaySfi)));
    auto *pair = qobject_cast<HandlerPqrvPair *>(
        NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("PAIR")));
    QTRY_COMPARE(pair->pairSendCount(), 0);
    QSignalSpy accepted(
        SerializationController::instance(), &SerializationController::finishedDeserializingCompleteSetup);
    sendCompleteSetup();
    QTRY_COMPARE(accepted.count(), 1);
    QVERIFY(SerializationController::instance()->isLinkUp());
}

void tst_StartupNetns::raiseShallowAlarm()
{
    SerializableAlertInfo *shallow = m_peerAlerts->AlarmShallow();
    shallow->setAlertText(QStringLiteral("Shallow Water"));
    shallow->setAlertCategory(0);
    shallow->setAlertPriority(0);
    shallow->setAlertState(0);
    m_peer->sendSettingsText(
        m_peerAlerts->serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvruntime"));
    QTRY_COMPARE(ESDataClass::instance()->alerts()->AlarmShallow()->AlertState(), 0);
}

void tst_StartupNetns::loseLink()
{
    SerializationController::instance()->setSupervisionInterval(20);
    QTRY_VERIFY(!SerializationController::instance()->isLinkUp());
}

void tst_StartupNetns::announcesItselfWithDevStart()
{
    QTRY_COMPARE(
        m_peer->countStartingWith(QStringLiteral("$PQRVDEVSTART,") + QLatin1String(displaySfi) + '*'), 1);
    const JunctionBoxPeer::Line start = m_peer->linesStartingWith(QStringLiteral("$PQRVDEVSTART,")).first();
    QCOMPARE(start.source, QLatin1String(displaySfi));
}

void tst_StartupNetns::pairsUntilAcknowledged()
{
    // Repeated while unanswered.
    QTRY_VERIFY(m_peer->countStartingWith(pairRequest()) >= 2);

    m_peer->sendSentence(QStringLiteral("PQRVSFIACK,%1,%2,PAIR,P")
                             .arg(QLatin1String(junctionBoxSfi), QLatin1String(displaySfi)));
    auto *pair = qobject_cast<HandlerPqrvPair *>(
        NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("PAIR")));
    QVERIFY(pair);
    // The repetition ends at its next expiry after the acknowledgement.
    QTRY_COMPARE(pair->pairSendCount(), 0);

    // A junction box answers a pairing with its whole setup; the display accepts it as a new connection.
    QSignalSpy accepted(
        SerializationController::instance(), &SerializationController::finishedDeserializingCompleteSetup);
    sendCompleteSetup();
    QTRY_COMPARE(accepted.count(), 1);
    QCOMPARE(accepted.first().first().toBool(), true);
    QVERIFY(SerializationController::instance()->isLinkUp());
}

void tst_StartupNetns::resendsDisplaySettingUntilAcknowledged()
{
    pairWithPeer();
    const int pairRequestsAfterAck = m_peer->countStartingWith(pairRequest());
    ESAlertSetup *alertSetup = ESDataClass::instance()->setup()->AlertSetup();
    alertSetup->setAlarmShallow(12.5);
    alertSetup->serializeSinglePropertyByName(QStringLiteral("AlarmShallow"));

    const QString change = QStringLiteral("AlarmShallow=12.5");
    QTRY_VERIFY(!m_peer->datagramsWith(QStringLiteral("pqrvsetup"), change).isEmpty());
    const JunctionBoxPeer::Datagram first
        = m_peer->datagramsWith(QStringLiteral("pqrvsetup"), change).first();
    QVERIFY(first.lines.first().sentence.startsWith(QStringLiteral("$PQRVAVG,Type_Setup,SingleProperty,")));
    QCOMPARE(first.lines.first().destinations, QStringList { QLatin1String(junctionBoxSfi) });

    // Unanswered, the same datagram comes again.
    QTRY_VERIFY(m_peer->datagramsWith(QStringLiteral("pqrvsetup"), change).size() >= 2);
    for (const JunctionBoxPeer::Datagram &again : m_peer->datagramsWith(QStringLiteral("pqrvsetup"), change))
        QCOMPARE(again.key, first.key);

    m_peer->acknowledge(first.key, QLatin1String(displaySfi));
    NmeaOutputBuffer *held = m_system->udpController()->nmeaOverUdpController()->nmeaOutputBuffer();
    QTRY_VERIFY(!held->findDatagram(first.key));

    // Several repetition intervals have passed since the pairing was acknowledged: no PAIR came.
    QCOMPARE(m_peer->countStartingWith(pairRequest()), pairRequestsAfterAck);
}

void tst_StartupNetns::appliesAndAcknowledgesJunctionBoxSetup()
{
    pairWithPeer();
    ESAlertSetup *displayAlertSetup = ESDataClass::instance()->setup()->AlertSetup();
    QVERIFY(displayAlertSetup->AlertDeep() != 150.0);
    m_peerSetup->AlertSetup()->setAlertDeep(150.0);

    const QStringList keys = m_peer->sendSettingsText(
        m_peerSetup->serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
    QVERIFY(keys.size() > 1);
    QTRY_COMPARE(displayAlertSetup->AlertDeep(), 150.0);

    // Every datagram of the group is acknowledged to the junction box.
    for (const QString &key : keys) {
        QTRY_VERIFY2(
            !m_peer->datagramsWith(QStringLiteral("pqrvack") + key, QStringLiteral("$PQRVAVG,ackmessage"))
                 .isEmpty(),
            qPrintable(key));
        const JunctionBoxPeer::Datagram ack
            = m_peer->datagramsWith(QStringLiteral("pqrvack") + key, QStringLiteral("$PQRVAVG,ackmessage"))
                  .first();
        QCOMPARE(ack.lines.first().source, QLatin1String(displaySfi));
        QCOMPARE(ack.lines.first().destinations, QStringList { QLatin1String(junctionBoxSfi) });
    }
}

void tst_StartupNetns::showsJunctionBoxAlertOnAlarmPanel()
{
    pairWithPeer();
    raiseShallowAlarm();
    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    QCOMPARE(alerts->AlarmShallow()->AlertText(), QStringLiteral("Shallow Water"));

    AlarmWidget *panel = m_system->mainWindow()->alarmWidget();
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->lowestAlarmState(), 0);
    QVERIFY(panel->isBlinking());
    // The display may not be darker than the alarm level while the alarm waits for acknowledgement.
    QVERIFY(m_system->mainWindow()->isAlarmActive());
    // A category A shallow-water alarm: three beeps every 10 s.
    QVERIFY(m_system->beepGenerator()->isRunning());
    QCOMPARE(m_system->beepGenerator()->beepPattern(), BuzzerChoice::threeBeepsPattern());
}

void tst_StartupNetns::acknowledgesAlertFromAlarmPanel()
{
    pairWithPeer();
    raiseShallowAlarm();
    AlarmWidget *panel = m_system->mainWindow()->alarmWidget();
    auto *open = panel->findChild<QPushButton *>(QStringLiteral("alarmIconButton"));
    QVERIFY(open);
    QTRY_VERIFY(panel->blinkPhase() || panel->isBlinking());
    QTest::mouseClick(open, Qt::LeftButton);
    QTRY_VERIFY(!panel->isCompact());

    auto *acknowledge = panel->findChild<QPushButton *>(QStringLiteral("alarmAckButton0"));
    QVERIFY(acknowledge);
    QTRY_VERIFY(acknowledge->isVisible());
    QTest::mouseClick(acknowledge, Qt::LeftButton);

    // The acknowledgement travels to the junction box, which owns the alert.
    QTRY_VERIFY(!m_peer->datagramsWith(QStringLiteral("pqrv"), QStringLiteral("AckFromDisplay=Shallow Water"))
                     .isEmpty());
    const JunctionBoxPeer::Datagram ack
        = m_peer->datagramsWith(QStringLiteral("pqrv"), QStringLiteral("AckFromDisplay=Shallow Water"))
              .first();
    QVERIFY(ack.lines.first().sentence.startsWith(
        QStringLiteral("$PQRVAVG,Type_Alert,SingleProperty,ESAlerts,")));

    // The junction box answers with the acknowledged state.
    m_peerAlerts->AlarmShallow()->setAlertState(2);
    m_peer->sendSettingsText(
        m_peerAlerts->serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvruntime"));
    QTRY_COMPARE(ESDataClass::instance()->alerts()->AlarmShallow()->AlertState(), 2);
    QTRY_VERIFY(!m_system->beepGenerator()->isRunning());
    QVERIFY(!m_system->mainWindow()->isAlarmActive());
}

void tst_StartupNetns::raisesLinkAlertWhenJunctionBoxFallsSilent()
{
    pairWithPeer();
    raiseShallowAlarm();
    const int pairRequestsBefore = m_peer->countStartingWith(pairRequest());
    QSignalSpy linkChanges(
        SerializationController::instance(), &SerializationController::commsToTQ55StateChanged);
    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    QCOMPARE(alerts->AlertDisplayError()->AlertState(), 5);

    // The junction box sends nothing more: after ten silent supervision ticks the link is lost.
    loseLink();
    QCOMPARE(linkChanges.count(), 1);
    QCOMPARE(linkChanges.first().first().toBool(), false);
    QCOMPARE(alerts->AlertDisplayError()->AlertState(), 0);
    QCOMPARE(alerts->AlertDisplayError()->AlertText(), QStringLiteral("TQ55 Comms Fail"));
    // While the link is down the display shows only its own alert.
    QCOMPARE(alerts->AlarmShallow()->AlertState(), 5);

    AlarmWidget *panel = m_system->mainWindow()->alarmWidget();
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->lowestWarningState(), 0);
    QVERIFY(m_system->beepGenerator()->isRunning());
    QCOMPARE(m_system->beepGenerator()->beepPattern(),
        BuzzerChoice::escalationPattern(ESDataClass::instance()->setup()->AlertSetup()->EscalationTime()));

    // ... and the display asks its junction box to pair again.
    QTRY_VERIFY(m_peer->countStartingWith(pairRequest()) > pairRequestsBefore);
}

void tst_StartupNetns::rectifiesLinkAlertWhenJunctionBoxReturns()
{
    pairWithPeer();
    loseLink();
    // The supervision's protocol tick again, so that the link stays up once it is back.
    SerializationController::instance()->setSupervisionInterval(
        SerializationController::defaultSupervisionInterval);
    QSignalSpy linkChanges(
        SerializationController::instance(), &SerializationController::commsToTQ55StateChanged);
    sendCompleteSetup();
    QTRY_COMPARE(linkChanges.count(), 1);
    QCOMPARE(linkChanges.first().first().toBool(), true);
    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    QCOMPARE(alerts->AlertDisplayError()->AlertState(), 4);
    QTRY_VERIFY(!m_system->beepGenerator()->isRunning());
}

QTEST_MAIN(tst_StartupNetns)
#include "tst_startup_netns.moc"
