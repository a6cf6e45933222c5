// The display's system object, built for every case the way the program builds it (dialog, "lo",
// "Confirm") on stores of its own, and its operations: what the start leaves behind, the link supervision
// without a junction box, the buzzer driven by the alert states, acknowledgements, standby routing,
// transmission group, alert identifiers, time, restore and SFI changes. Cases that wait for a timer of the
// system shorten it; the start checks that each is the protocol's value.

#include "NetnsGuard.h"
#include "StartedSystem.h"

#include "alerts/BuzzerChoice.h"
#include "common/SignalEmitter.h"
#include "comms/NmeaController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/socketInterface.h"
#include "core/MirloxSystem.h"
#include "data/CU_R207_Setup.h"
#include "data/ClockOffsets.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOtherSettings.h"
#include "data/ESRuntime.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/ES_Alerts.h"
#include "data/RemoteDimmingSetup.h"
#include "data/SerializationController.h"
#include "hardware/BeepGenerator.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/Validators.h"
#include "platform/ESStorageDeviceController.h"
#include "ui/dialogs/NetworkSelectWidget.h"
#include "ui/window/AlarmWidget.h"
#include "ui/window/BaseScreen.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <optional>

namespace {

ESSetup *setup()
{
    return ESDataClass::instance()->setup();
}

CU_R207_Setup *display()
{
    return ESDataClass::instance()->localSetup()->DisplaySetup();
}

ESTQ55Setup *junctionBox()
{
    return setup()->TQ55Setup();
}

ES_Alerts *alerts()
{
    return ESDataClass::instance()->alerts();
}

void allAlertsNormal()
{
    for (SerializableAlertInfo *alert : alerts()->alerts()) {
        alert->setAlertState(5);
        alert->setAlertPriority(0);
        alert->setAlertCategory(0);
    }
}

// The single-change texts emitted on the settings hub while the spy lived.
QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &call : spy)
        out.append(call.first().toString());
    return out;
}

// The sentences the handlers asked to send as finished sentences while the spy lived.
QStringList sentences(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &call : spy)
        out.append(call.at(1).toString());
    return out;
}

} // namespace

class tst_MirloxSystemNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void silentJunctionBoxTakesLinkDown();
    void startLeavesSystemReady();
    void buzzerFollowsAlertStates();
    void acknowledgements();
    void standbyRouting();
    void wakeUpFromStandbyScreen();
    void brightnessRaisedToAlarmLevelIsKept();
    void alertTypeMovesIdentifiers_data();
    void alertTypeMovesIdentifiers();
    void receivedTimeArrivesOnNextPass();
    void restoreRequestIsResetAfterDelay();
    void displayAnnouncesNewSfi();
    void displayFollowsJunctionBoxSfi();
    void groupChangeIsDebounced();
    void descriptionsAfterStart();
    void deepAlertDisplayRules();
    void hemisphereLetters_data();
    void hemisphereLetters();
    void addressColour_data();
    void addressColour();

private:
    // Values the start must correct or take over, and the link supervision's tick (shortened by the case
    // that waits for the link to be lost).
    void startSystem(int supervision_interval = SerializationController::defaultSupervisionInterval);

    std::optional<StartedSystem> m_started;
    MirloxSystem *m_system = nullptr;
};

void tst_MirloxSystemNetns::initTestCase()
{
    if (!NetnsGuard::isIsolated())
        QSKIP(qPrintable(NetnsGuard::reason()));
    qRegisterMetaType<Port>("Port");
    qRegisterMetaType<QList<QString>>("QList<QString>");
}

void tst_MirloxSystemNetns::startSystem(int supervision_interval)
{
    m_started.reset();
    m_started.emplace([supervision_interval]() {
        junctionBox()->setTQ55SerialNumber(4294967295u);
        display()->setSounderTest(1);
        ESDataClass::instance()->localSetup()->RuntimeScreenSetupA()->setRuntimeData4(1);
        SerializationController::instance()->setSupervisionInterval(supervision_interval);
    });
    QVERIFY(m_started->isStarted());
    m_system = m_started->get();
}

void tst_MirloxSystemNetns::init()
{
    startSystem();
}

void tst_MirloxSystemNetns::cleanup()
{
    m_system = nullptr;
    m_started.reset();
}

void tst_MirloxSystemNetns::silentJunctionBoxTakesLinkDown()
{
    // Ten silent ticks take the link down.
    startSystem(20);
    QSignalSpy pairRequests(
        nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort);
    SerializationController *serialization = SerializationController::instance();
    QVERIFY(serialization->isSupervising());
    QTRY_VERIFY(!serialization->isLinkUp());

    QCOMPARE(alerts()->AlertDisplayError()->AlertState(), 0);
    AlarmWidget *panel = m_system->mainWindow()->alarmWidget();
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->lowestWarningState(), 0);
    QVERIFY(m_system->beepGenerator()->isRunning());
    // A new PAIR goes to the junction box.
    QTRY_VERIFY(sentences(pairRequests).filter(QStringLiteral("$PQRVPAIR,GN1000,GN1001,P*")).size() >= 1);
}

void tst_MirloxSystemNetns::startLeavesSystemReady()
{
    NetworkSelectWidget *dialog = m_system->networkSelectWidget();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Korvane Tessary"));
    QVERIFY(m_system->mainWindow()->isVisible());
    QCOMPARE(m_system->mainWindow()->windowTitle(), QStringLiteral("Korvane Tessary - MIRLOX RN4400"));
    QVERIFY(m_system->socketInterfaceObject()->receptionEnabled());

    // The software version carries the build date once.
    QVERIFY2(QRegularExpression(QStringLiteral("^SW-R219-0\\.2\\.0\\.\\d{6}$"))
                 .match(display()->SoftwareVersion())
                 .hasMatch(),
        qPrintable(display()->SoftwareVersion()));
    QCOMPARE(display()->SoftwareVersion(), QStringLiteral("SW-R219-0.2.0.") + buildDateStamp());
    QCOMPARE(ESDataClass::instance()->localSetup()->RuntimeScreenSetupA()->RuntimeData4(), 3);
    QCOMPARE(qobject_cast<EnumPropertyInfo *>(
                 ESDataInfoClass::instance()->setupPropertyInfo("ls", "RuntimeData4", "RuntimeScreenSetupA"))
                 ->currentValue(),
        QStringLiteral("OFF"));
    QCOMPARE(m_system->getInvalidGroupIndexes(), QList<int>({ 0, 1, 3, 4, 6 }));
    // The sounder test never survives a restart.
    QCOMPARE(display()->SounderTest(), 0);
    // The folder on removable storage is named after the junction box's serial number, unsigned.
    QCOMPARE(m_system->storageDeviceController()->serialNumber(), QStringLiteral("4294967295"));
    QVERIFY(m_system->storageDeviceController()->productFolder().endsWith(QStringLiteral("_4294967295")));
    // Transmission group SATD of the junction box's setup.
    QCOMPARE(m_system->udpController()->nmeaGroupAddress(), QHostAddress(QStringLiteral("239.192.0.3")));
    QCOMPARE(m_system->udpController()->nmeaGroupPort(), quint16(60003));

    // The protocol's waits: the link supervision's tick, the group change, the restore reset.
    QCOMPARE(SerializationController::instance()->supervisionInterval(), 1000);
    QCOMPARE(m_system->groupDebounceTimer()->interval(), 10000);
    QVERIFY(m_system->groupDebounceTimer()->isSingleShot());
    QCOMPARE(m_system->restoreResetDelay(), 5000);
}

void tst_MirloxSystemNetns::buzzerFollowsAlertStates()
{
    allAlertsNormal();
    BeepGenerator *beep = m_system->beepGenerator();
    emit alerts()->dataReceivedFromCommunication();
    QVERIFY(!beep->isRunning());
    QSignalSpy beepStates(beep, &BeepGenerator::beepStateChanged);

    setup()->AlertSetup()->setEscalationTime(2);
    alerts()->AlertSystemError()->setAlertState(0);
    emit alerts()->dataReceivedFromCommunication();
    QVERIFY(beep->isRunning());
    QCOMPARE(beep->beepPattern(), QList<int>({ 400, 400, 400, 178800 }));
    QVERIFY(!beepStates.isEmpty());
    QCOMPARE(beepStates.first().first().toBool(), true);

    // Sounder off silences at once; on again sounds at once.
    display()->setAlarmSounder(1);
    QVERIFY(!beep->isRunning());
    display()->setAlarmSounder(0);
    QVERIFY(beep->isRunning());

    // An unacknowledged deep caution does not silence the sensor alert.
    alerts()->AlertDeep()->setAlertPriority(2);
    alerts()->AlertDeep()->setAlertState(0);
    emit alerts()->dataReceivedFromCommunication();
    QVERIFY(beep->isRunning());
    alerts()->AlertSystemError()->setAlertState(2);
    emit alerts()->dataReceivedFromCommunication();
    QVERIFY(!beep->isRunning());

    // The shallow-water alarm has the first word.
    alerts()->AlarmShallow()->setAlertState(0);
    emit alerts()->dataReceivedFromCommunication();
    QVERIFY(beep->isRunning());
    QCOMPARE(beep->beepPattern(), BuzzerChoice::threeBeepsPattern());

    allAlertsNormal();
    emit alerts()->dataReceivedFromCommunication();
    QVERIFY(!beep->isRunning());
}

void tst_MirloxSystemNetns::acknowledgements()
{
    allAlertsNormal();
    AlarmWidget *panel = m_system->mainWindow()->alarmWidget();
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);

    // The display's own link alert never concerns the junction box.
    alerts()->raiseJbCommsFailAlert();
    alerts()->setAckFromDisplay(QStringLiteral("TQ55 Comms Fail"));
    emit panel->ackAlerts();
    QCOMPARE(alerts()->AlertDisplayError()->AlertState(), 2);
    QVERIFY(texts(sent).filter(QStringLiteral("AckFromDisplay")).isEmpty());

    alerts()->setAckFromDisplay(QStringLiteral("Shallow Water"));
    emit panel->ackAlerts();
    QCOMPARE(texts(sent).filter(QStringLiteral("AckFromDisplay")),
        QStringList { QStringLiteral("Type_Alert,SingleProperty,ESAlerts,AckFromDisplay=Shallow Water") });
    allAlertsNormal();
}

void tst_MirloxSystemNetns::standbyRouting()
{
    NmeaController *router = m_system->nmeaController();
    QSignalSpy groups(router, &NmeaController::nmeaGroupReadyToBeSentOverUdp);
    SignalEmitter *hub = nmeaHandlerSignalEmitter();
    const QString vtg = QLatin1Char('$') + appendNmeaChecksum(QStringLiteral("GNVTG,1.0,T,,M,2.0,N,3.7,K,A"));
    const QString pair = QLatin1Char('$') + appendNmeaChecksum(QStringLiteral("PQRVPAIR,GN1000,GN1001,P"));
    auto sentGroups = [&](const QString &type, const QString &sentence) {
        groups.clear();
        emit hub->signalTypeAndCompleteNmeaMessageAndPort(type, sentence, UDP, true);
        return groups.count();
    };
    auto sentSettings = [&](const QString &text) {
        groups.clear();
        emit ESDataClass::instance()->parseData(text, QStringLiteral("PQRVAVG"), QStringList());
        return groups.count();
    };
    const QString change = QStringLiteral("Type_Setup,SingleProperty,ESSetup,AlertSetup,AlarmShallow=11");
    const QString wake
        = QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemInNormalOrStandbyMode=0");

    QCOMPARE(sentGroups(QStringLiteral("VTG"), vtg), 1);
    QCOMPARE(sentSettings(change), 1);

    junctionBox()->setSystemInNormalOrStandbyMode(1);
    QVERIFY(m_system->mainWindow()->isStandby());
    QCOMPARE(sentGroups(QStringLiteral("VTG"), vtg), 0);
    QCOMPARE(sentGroups(QStringLiteral("PAIR"), pair), 1);
    QCOMPARE(sentSettings(change), 0);
    QCOMPARE(sentSettings(wake), 1);
    // A repeated standby leaves one link to each standby slot.
    QMetaObject::invokeMethod(m_system, "systemOperationModeChanged", Q_ARG(int, 1));
    QCOMPARE(sentGroups(QStringLiteral("PAIR"), pair), 1);
    QCOMPARE(sentSettings(wake), 1);

    junctionBox()->setSystemInNormalOrStandbyMode(0);
    QVERIFY(!m_system->mainWindow()->isStandby());
    QCOMPARE(sentGroups(QStringLiteral("VTG"), vtg), 1);
    QCOMPARE(sentGroups(QStringLiteral("PAIR"), pair), 1);
    QCOMPARE(sentSettings(change), 1);
    QMetaObject::invokeMethod(m_system, "systemOperationModeChanged", Q_ARG(int, 0));
    QCOMPARE(sentGroups(QStringLiteral("VTG"), vtg), 1);
}

void tst_MirloxSystemNetns::wakeUpFromStandbyScreen()
{
    junctionBox()->setSystemInNormalOrStandbyMode(1);
    QPushButton *standby = m_system->mainWindow()->standbyButton();
    QVERIFY(standby);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    QTest::mouseClick(standby, Qt::LeftButton);
    // The request goes to the junction box; the display switches back at once with its setting.
    QVERIFY(texts(sent).contains(
        QStringLiteral("Type_Setup,SingleProperty,ESSetup,TQ55Setup,SystemInNormalOrStandbyMode=0")));
    QCOMPARE(junctionBox()->SystemInNormalOrStandbyMode(), 0);
    QVERIFY(!m_system->mainWindow()->isStandby());
}

void tst_MirloxSystemNetns::brightnessRaisedToAlarmLevelIsKept()
{
    RemoteDimmingSetup *dimming = ESDataClass::instance()->localSetup()->DimmingSetup();
    QSignalSpy brightnessSignals(dimming, &RemoteDimmingSetup::BrightnessPercentageChanged);
    BaseScreen *window = m_system->mainWindow();
    window->storeBrightness(10, false);
    window->increaseBrightnessToAlarmLevel();
    QCOMPARE(dimming->CurrentBrightnessPercentage(), 15);
    QCOMPARE(dimming->BrightnessPercentage(), 15);
    QCOMPARE(brightnessSignals.count(), 0);
    window->storeBrightness(128, false);
}

void tst_MirloxSystemNetns::alertTypeMovesIdentifiers_data()
{
    QTest::addColumn<int>("deep");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("expectedDeep");
    QTest::addColumn<int>("expectedSystem");

    // AlertType choices: CAT_A_ALR, CAT_A_ALF, CAT_B_ALR, CAT_B_ALF.
    // ALF identifiers lie 10000 above the ALR ones.
    QTest::newRow("to ALF") << 456 << 457 << 3 << 10456 << 10457;
    QTest::newRow("to ALR") << 10456 << 10457 << 2 << 456 << 457;
    QTest::newRow("ALF kept") << 10456 << 10457 << 1 << 10456 << 10457;
    QTest::newRow("ALR kept") << 456 << 457 << 0 << 456 << 457;
    QTest::newRow("10000 to ALF") << 10000 << 10000 << 3 << 10000 << 10000;
    QTest::newRow("10000 to ALR") << 10000 << 10000 << 0 << 10000 << 10000;
    QTest::newRow("9999 to ALF") << 9999 << 10001 << 1 << 19999 << 10001;
    QTest::newRow("10001 to ALR") << 10001 << 9999 << 2 << 1 << 9999;
}

void tst_MirloxSystemNetns::alertTypeMovesIdentifiers()
{
    QFETCH(int, deep);
    QFETCH(int, system);
    QFETCH(int, type);
    QFETCH(int, expectedDeep);
    QFETCH(int, expectedSystem);

    ESAlertSetup *alertSetup = setup()->AlertSetup();
    // The system follows the type's description, which reports changes only: start from another type.
    alertSetup->setAlertType((type + 1) % 4);
    alertSetup->setAlertDeepID(deep);
    alertSetup->setAlertSystemID(system);
    QSignalSpy sent(settingsSignalEmitter(), &SignalEmitter::signalEmitString);
    alertSetup->setAlertType(type);
    QCOMPARE(alertSetup->AlertDeepID(), expectedDeep);
    QCOMPARE(alertSetup->AlertSystemID(), expectedSystem);
    // Both identifiers go to the junction box, changed or not.
    const QStringList identifiers
        = texts(sent).filter(QRegularExpression(QStringLiteral("Alert(Deep|System)ID=")));
    QCOMPARE(identifiers,
        QStringList(
            { QStringLiteral("Type_Setup,SingleProperty,ESSetup,AlertSetup,AlertDeepID=%1").arg(expectedDeep),
                QStringLiteral("Type_Setup,SingleProperty,ESSetup,AlertSetup,AlertSystemID=%1")
                    .arg(expectedSystem) }));
}

void tst_MirloxSystemNetns::receivedTimeArrivesOnNextPass()
{
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    setUtcOffsetValid(false);
    const qint64 before = utcOffsetSeconds();
    const QDateTime received = QDateTime::currentDateTimeUtc().addSecs(3600);
    runtime->setUtcDateTime(received.toString(Qt::ISODate));
    QCOMPARE(utcOffsetSeconds(), before);
    QTRY_VERIFY(qAbs(utcOffsetSeconds() - 3600) <= 2);

    setup()->OtherSettings()->setTimeReceived(1);
    QVERIFY(isUtcOffsetValid());
    setup()->OtherSettings()->setTimeReceived(0);
    QVERIFY(!isUtcOffsetValid());
}

void tst_MirloxSystemNetns::restoreRequestIsResetAfterDelay()
{
    m_system->setRestoreResetDelay(50);
    display()->setButtonBeep(1);
    display()->saveToFile();
    junctionBox()->setRestoreAllSetups(1);
    // A display restores its own local settings.
    QCOMPARE(display()->ButtonBeep(), 0);
    QCOMPARE(junctionBox()->RestoreAllSetups(), 1);
    QTRY_COMPARE(junctionBox()->RestoreAllSetups(), 0);
}

void tst_MirloxSystemNetns::displayAnnouncesNewSfi()
{
    QSignalSpy requests(nmeaHandlerSignalEmitter(), &SignalEmitter::signalTypeAndCompleteNmeaMessageAndPort);
    const QString previous = display()->LocalSFI();
    display()->setLocalSFI(QStringLiteral("GN1234"));
    QVERIFY(!sentences(requests).filter(QStringLiteral("$PQRVSFICHANGE,GN1234,") + previous + '*').isEmpty());
}

void tst_MirloxSystemNetns::displayFollowsJunctionBoxSfi()
{
    junctionBox()->setLocalSFI(QStringLiteral("GN2002"));
    QCOMPARE(display()->PairedSFI(), QStringLiteral("GN2002"));
    QCOMPARE(display()->previousPairedSFI(), QStringLiteral("GN1001"));
    QFile file(display()->directory() + QLatin1Char('/') + display()->fileName());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY(QString::fromLatin1(file.readAll()).contains(QStringLiteral("PairedSFI=GN2002")));
}

void tst_MirloxSystemNetns::groupChangeIsDebounced()
{
    Udp61162450Controller *udp = m_system->udpController();
    m_system->setGroupDebounceInterval(100);
    QTRY_VERIFY(!m_system->groupDebounceTimer()->isActive());
    QSignalSpy moved(udp, &Udp61162450Controller::nmeaGroupChanged);

    junctionBox()->setGroup(5);
    junctionBox()->setGroup(7);
    // The display follows at once, the sockets only once the wait after the last change is over.
    QCOMPARE(display()->Group(), 7);
    QVERIFY(m_system->groupDebounceTimer()->isActive());
    QCOMPARE(udp->nmeaGroupAddress(), QHostAddress(QStringLiteral("239.192.0.3")));
    QTRY_COMPARE(moved.count(), 1);
    QCOMPARE(udp->nmeaGroupAddress(), QHostAddress(QStringLiteral("239.192.0.8")));
    QCOMPARE(udp->nmeaGroupPort(), quint16(60008));
}

void tst_MirloxSystemNetns::descriptionsAfterStart()
{
    ESDataInfoClass *descriptions = ESDataInfoClass::instance();
    // Only the transmission groups of this product can be chosen, on both "Group" settings.
    for (const QString &prefix : { QStringLiteral("es"), QStringLiteral("ls") }) {
        const QString object
            = prefix == QLatin1String("es") ? QStringLiteral("TQ55Setup") : QStringLiteral("DisplaySetup");
        auto *group
            = qobject_cast<EnumPropertyInfo *>(descriptions->setupPropertyInfo(prefix, "Group", object));
        QVERIFY(group);
        QCOMPARE(group->selectableValues(), QStringList({ "SATD", "RCOM", "PROP" }));
    }
    // The fourth value of page A offers its fixed choice only (set at the start, see startLeavesSystemReady).
    auto *pageAData4 = qobject_cast<EnumPropertyInfo *>(
        descriptions->setupPropertyInfo("ls", "RuntimeData4", "RuntimeScreenSetupA"));
    QVERIFY(pageAData4);
    QCOMPARE(pageAData4->selectableValues(), QStringList({ "OFF" }));
    // Values of 100 and more keep their decimals.
    QVERIFY(!PropertyInfo::noDecimalsFrom100());
    QCOMPARE(descriptions->runtimePropertyInfo("Heading")->numberOfDecimals(123.4), 1);
    // Every setup description has shown its value (the start refreshed them all).
    auto *maxSpeed = qobject_cast<ValuePropertyInfo *>(
        descriptions->setupPropertyInfo("es", "MaxSpeed", "OptionsSetup"));
    QVERIFY(maxSpeed);
    QCOMPARE(maxSpeed->displayedValue(), maxSpeed->sourceValue());
    QVERIFY(!maxSpeed->displayedValue().isEmpty());
}

void tst_MirloxSystemNetns::deepAlertDisplayRules()
{
    ESAlertSetup *alertSetup = setup()->AlertSetup();
    auto *deep = qobject_cast<ValuePropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo("es", "AlertDeep", "AlertSetup"));
    QVERIFY(deep);
    alertSetup->setAlertDeep(0.0);
    QCOMPARE(deep->text(), QStringLiteral("off"));
    alertSetup->setAlertDeep(150.0);
    QCOMPARE(deep->text(), QStringLiteral("150.0 m"));
    // A deep alert lies at least 5 m below the shallow alarm; "off" stays acceptable.
    alertSetup->setAlarmShallow(10.0);
    QVERIFY(!deep->validator()->validate(QStringLiteral("14.9")));
    QVERIFY(deep->validator()->validate(QStringLiteral("15")));
    QVERIFY(deep->validator()->validate(QStringLiteral("0")));
    alertSetup->setAlertDeep(0.0);
    QCOMPARE(deep->text(), QStringLiteral("off"));
}

void tst_MirloxSystemNetns::hemisphereLetters_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("name");

    QTest::newRow("north") << "PositionNS"
                           << "5130.1234"
                           << "Lat  N";
    QTest::newRow("equator") << "PositionNS"
                             << "0"
                             << "Lat  N";
    QTest::newRow("south") << "PositionNS"
                           << "-5130.1234"
                           << "Lat  S";
    QTest::newRow("latitude no number") << "PositionNS"
                                        << "abc"
                                        << "Lat  N/S";
    QTest::newRow("latitude invalid") << "PositionNS"
                                      << ""
                                      << "Lat  N/S";
    QTest::newRow("west") << "PositionEW"
                          << "-0.5"
                          << "Lon  W";
    QTest::newRow("east") << "PositionEW"
                          << "930.27"
                          << "Lon  E";
    QTest::newRow("longitude not a number") << "PositionEW"
                                            << "nan"
                                            << "Lon  E/W";
}

void tst_MirloxSystemNetns::hemisphereLetters()
{
    QFETCH(QString, property);
    QFETCH(QString, received);
    PropertyInfo *position = ESDataInfoClass::instance()->runtimePropertyInfo(property);
    QVERIFY(position);
    // A value known before, so that every row is a change.
    SerializationController::instance()->deserializeData(
        QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,%1=1234.5").arg(property));
    SerializationController::instance()->deserializeData(
        QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,%1=%2").arg(property, received));
    QTEST(position->displayedName(), "name");
}

void tst_MirloxSystemNetns::addressColour_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("private") << "192.168.1.5"
                             << "color: black;";
    QTest::newRow("public") << "8.8.8.8"
                            << "color: rgb(255, 128, 0);";
    QTest::newRow("unknown") << "-/-"
                             << "color: rgb(255, 128, 0);";
}

void tst_MirloxSystemNetns::addressColour()
{
    QFETCH(QString, address);
    auto *ip = qobject_cast<ValuePropertyInfo *>(
        ESDataInfoClass::instance()->setupPropertyInfo("es", "IP", "TQ55Setup"));
    QVERIFY(ip);
    QPushButton button;
    ip->setButton(&button);
    const QString before = junctionBox()->IP();
    junctionBox()->setIP(QStringLiteral("10.0.0.1"));
    junctionBox()->setIP(address);
    QTEST(button.styleSheet(), "styleSheet");
    ip->setButton(nullptr);
    junctionBox()->setIP(before);
}

QTEST_MAIN(tst_MirloxSystemNetns)
#include "tst_mirloxsystem_netns.moc"
