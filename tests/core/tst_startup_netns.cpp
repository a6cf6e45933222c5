// The display unit and a junction box on one network: the display's system object is started in this
// process exactly as the program starts it (dialog, "lo" chosen, "Confirm" clicked), the junction box is a
// small peer of this test with a real UDP socket on the same transmission group. The test functions run in
// order and follow one life of the link: announcement, pairing, settings both ways with their
// acknowledgements, an alert from the junction box on the alarm panel, and the loss and return of the link.

#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"

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
#include "nmea/sentences/PqrvPairingHandlers.h"
#include "ui/AlarmWidget.h"
#include "ui/BaseScreen.h"
#include "ui/NetworkSelectWidget.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const char displaySfi[] = "GN1000";
const char junctionBoxSfi[] = "GN1001";
// The default transmission group SATD.
const char groupAddress[] = "239.192.0.3";
const quint16 groupPort = 60003;

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
    void cleanupTestCase();

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

    std::unique_ptr<JunctionBoxPeer> m_peer;
    MirloxSystem *m_system = nullptr;
    // The junction box's own copy of the shared setup and of the alert states: what it sends is their
    // settings text.
    ESSetup *m_peerSetup = nullptr;
    ES_Alerts *m_peerAlerts = nullptr;
    int m_pairRequestsAfterAck = -1;
};

void tst_StartupNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));

    m_peer.reset(new JunctionBoxPeer(QLatin1String(junctionBoxSfi), QLatin1String(groupAddress), groupPort));
    QVERIFY(m_peer->isBound());

    m_system = new MirloxSystem;
    m_system->start();
    NetworkSelectWidget *dialog = m_system->networkSelectWidget();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *interfaces = dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *confirm = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
    QVERIFY(interfaces && confirm);
    const int loopback = interfaces->findText(QStringLiteral("lo"));
    QVERIFY(loopback >= 0);
    interfaces->setCurrentIndex(loopback);
    QTest::mouseClick(confirm, Qt::LeftButton);

    QVERIFY(m_system->mainWindow());
    QVERIFY(m_system->mainWindow()->isVisible());
    QCOMPARE(m_system->mainWindow()->windowTitle(), QStringLiteral("Korvane Tessary - MIRLOX RN4400"));

    m_peerSetup = new ESSetup(nullptr, QStringLiteral("ESSetup"));
    m_peerAlerts = new ES_Alerts(nullptr, QStringLiteral("ESAlerts"));
}

void tst_StartupNetns::cleanupTestCase()
{
    delete m_system;
    delete m_peerSetup;
    delete m_peerAlerts;
    m_peer.reset();
}

void tst_StartupNetns::sendCompleteSetup()
{
    m_peer->sendSettingsText(
        m_peerSetup->serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvsetup"));
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
    // Repeated once a second while unanswered.
    QTRY_VERIFY(m_peer->countStartingWith(pairRequest()) >= 2);

    m_peer->sendSentence(QStringLiteral("PQRVSFIACK,%1,%2,PAIR,P")
                             .arg(QLatin1String(junctionBoxSfi), QLatin1String(displaySfi)));
    auto *pair = qobject_cast<HandlerPqrvPair *>(
        NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("PAIR")));
    QVERIFY(pair);
    // The repetition ends at its next expiry after the acknowledgement.
    QTRY_COMPARE(pair->pairSendCount(), 0);
    m_pairRequestsAfterAck = m_peer->countStartingWith(pairRequest());

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
    QTRY_VERIFY_WITH_TIMEOUT(m_peer->datagramsWith(QStringLiteral("pqrvsetup"), change).size() >= 2, 5000);
    for (const JunctionBoxPeer::Datagram &again : m_peer->datagramsWith(QStringLiteral("pqrvsetup"), change))
        QCOMPARE(again.key, first.key);

    m_peer->acknowledge(first.key, QLatin1String(displaySfi));
    NmeaOutputBuffer *held = m_system->udpController()->nmeaOverUdpController()->nmeaOutputBuffer();
    QTRY_VERIFY(!held->findDatagram(first.key));

    // Several seconds have passed since the pairing was acknowledged: no PAIR came in that time.
    QCOMPARE(m_peer->countStartingWith(pairRequest()), m_pairRequestsAfterAck);
}

void tst_StartupNetns::appliesAndAcknowledgesJunctionBoxSetup()
{
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
    SerializableAlertInfo *shallow = m_peerAlerts->AlarmShallow();
    shallow->setAlertText(QStringLiteral("Shallow Water"));
    shallow->setAlertCategory(0);
    shallow->setAlertPriority(0);
    shallow->setAlertState(0);
    m_peer->sendSettingsText(
        m_peerAlerts->serialize(), QLatin1String(displaySfi), QStringLiteral("pqrvruntime"));

    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    QTRY_COMPARE(alerts->AlarmShallow()->AlertState(), 0);
    QCOMPARE(alerts->AlarmShallow()->AlertText(), QStringLiteral("Shallow Water"));

    AlarmWidget *panel = m_system->mainWindow()->alarmWidget();
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->lowestAlarmState(), 0);
    QVERIFY(panel->isBlinking());
    // The display may not be darker than the alarm level while the alarm waits for acknowledgement.
    QVERIFY(m_system->mainWindow()->isAlarmActive());
    // A category A shallow-water alarm: three beeps every 10 s.
    QVERIFY(m_system->beepGenerator()->isRunning());
    QCOMPARE(m_system->beepGenerator()->beepPattern(), CentralBaseClass::threeBeepsPattern());
}

void tst_StartupNetns::acknowledgesAlertFromAlarmPanel()
{
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
    const int pairRequestsBefore = m_peer->countStartingWith(pairRequest());
    QSignalSpy linkChanges(
        SerializationController::instance(), &SerializationController::commsToTQ55StateChanged);
    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    QCOMPARE(alerts->AlertDisplayError()->AlertState(), 5);

    // The junction box sends nothing more: after ten silent supervision ticks of 1 s the link is lost.
    QTRY_VERIFY_WITH_TIMEOUT(!SerializationController::instance()->isLinkUp(), 15000);
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
        CentralBaseClass::escalationPattern(
            ESDataClass::instance()->setup()->AlertSetup()->EscalationTime()));

    // ... and the display asks its junction box to pair again.
    QTRY_VERIFY(m_peer->countStartingWith(pairRequest()) > pairRequestsBefore);
}

void tst_StartupNetns::rectifiesLinkAlertWhenJunctionBoxReturns()
{
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
