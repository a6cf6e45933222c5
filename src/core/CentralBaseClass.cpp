#include "core/CentralBaseClass.h"

#include "alerts/AlertIdentifiers.h"
#include "alerts/BuzzerChoice.h"
#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
#include "common/SignalExtender.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/LoopTest.h"
#include "comms/NmeaController.h"
#include "comms/NmeaPortsCommunicationController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/socketInterface.h"
#include "core/SystemWiring.h"
#include "data/CU_R207_Setup.h"
#include "data/ClockOffsets.h"
#include "data/ESAlertSetup.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESOtherLocalSettings.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/ES_Alerts.h"
#include "data/RemoteDimmingSetup.h"
#include "data/SerializationController.h"
#include "hardware/BeepGenerator.h"
#include "hardware/GpioContainer.h"
#include "hardware/Hardware.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "nmea/Validators.h"
#include "platform/ESStorageDeviceController.h"
#include "sentences/HandlerSrp.h"
#include "sentences/PqrvPairingHandlers.h"
#include "ui/controllers/ModelInterfaceContainer.h"
#include "ui/dialogs/LongPressMenuScreen.h"
#include "ui/dialogs/NetworkSelectWidget.h"
#include "ui/dialogs/SetupLongPressScreen.h"
#include "ui/runtime/RuntimeScreens.h"
#include "ui/setup/SetupScreens.h"
#include "ui/status/CommunicationInformationTable.h"
#include "ui/window/BaseScreen.h"
#include "ui/window/BrightnessSliderWrapper.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QTimer>

#include <cstdlib>

namespace {

const int groupCount = 8;
const int defaultGroup = 2;
const int buttonBeepOn = 0;

ESSetup *setupRoot()
{
    return ESDataClass::instance()->setup();
}

ESLocalSetup *localSetupRoot()
{
    return ESDataClass::instance()->localSetup();
}

CU_R207_Setup *displaySetup()
{
    return localSetupRoot()->DisplaySetup();
}

ESTQ55Setup *junctionBoxSetup()
{
    return setupRoot()->TQ55Setup();
}

} // namespace

int CentralBaseClass::runGuarded(const std::function<int()> &body)
{
    try {
        return body();
    } catch (const char *text) {
        qDebug() << text;
        // A programming error ended the program: the exit status must say so.
        return EXIT_FAILURE;
    }
}

// ---------------------------------------------------------------------------------------------------------
// Life cycle

CentralBaseClass::CentralBaseClass(QObject *parent)
    : QObject(parent)
    , m_networkSelectWidget(std::make_unique<NetworkSelectWidget>())
{
}

// The members go in the reverse order of their declaration, each before what it uses; the children of the
// system object follow with the QObject destructor.
CentralBaseClass::~CentralBaseClass() = default;

void CentralBaseClass::setGroupDebounceInterval(int msec)
{
    m_groupDebounceInterval = msec;
    if (m_groupDebounceTimer)
        m_groupDebounceTimer->setInterval(msec);
}

void CentralBaseClass::PortsSetupAdapterRelease::operator()(TmpPortsSetupAdapter *adapter) const
{
    if (tmpPortsSetupAdapter() == adapter)
        setTmpPortsSetupAdapter(nullptr);
    delete adapter;
}

void CentralBaseClass::start()
{
    m_networkSelectWidget->show();
    connect(m_networkSelectWidget.get(), &NetworkSelectWidget::networkName, this,
        [this](const QString &name) { onNetworkSelected(name); });
}

void CentralBaseClass::onNetworkSelected(const QString &interface_name)
{
    initializeSystem(interface_name);
    productHook();
    setupRoot()->emitAllPropertySignals();
    reinitializeRuntimePages();
}

void CentralBaseClass::initializeSystem(const QString &interface_name)
{
    constructCentralBaseClass(interface_name);
    ListOfSfisOnNetwork::instance()->initialize();
    setInitialCommunicationParameters();

    const BuildConfiguration *build = BuildConfiguration::instance();
    m_mainWindow->setWindowTitle(QStringLiteral("Korvane Tessary - ") + build->productName());
    m_mainWindow->show();
    m_socketInterface->setReceptionEnabled(true);
    QCoreApplication::processEvents();

    SystemWiring wiring(*this);
    wiring.connectTouchBeep();

    RemoteDimmingSetup *dimming = localSetupRoot()->DimmingSetup();
    emit dimming->DimmingPresetChanged(dimming->DimmingPreset());
    emit dimming->ColorPaletteChanged(dimming->ColorPalette());

    wiring.connectSfiChanges();

    SignalExtender::instance()->connectPending();

    NmeaHandlerContainer *handlers = NmeaHandlerContainer::instance();
    if (NmeaHandler *devStart = handlers->handler(QStringLiteral("PQRV"), QStringLiteral("DEVSTART")))
        devStart->sendOnEnabledPorts();

    if (SystemWiring::startsSrpAnnouncements(build)) {
        if (auto *srp = qobject_cast<HandlerSrp *>(handlers->handler(build->talker, QStringLiteral("SRP"))))
            srp->startSending();
    }
}

void CentralBaseClass::productHook() { }

void CentralBaseClass::reinitializeRuntimePages() { }

// ---------------------------------------------------------------------------------------------------------
// Construction

void CentralBaseClass::constructCentralBaseClass()
{
    constructCentralBaseClass(QString());
}

void CentralBaseClass::createHardwareParts(const QString &interface_name)
{
    // The hardware creates and starts the network interface for the chosen name, the serial port set and
    // the storage watcher; the system keeps shortcuts to them.
    m_hardware = std::make_unique<Hardware>();
    m_hardware->init(interface_name);
    m_ethernetInterfaces = m_hardware->ethernetInterfaces();
    m_nmeaPorts = m_hardware->nmeaPorts();
    m_storageDeviceController = m_hardware->storageController();
}

void CentralBaseClass::constructCentralBaseClass(QString intrfaceName)
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    SystemWiring wiring(*this);

    // The settings tree and the sentence handlers.
    qDebug() << "Initialize signal extender: " << SignalExtender::instance()->connectedCount();
    ESDataClass *data = ESDataClass::instance();
    NmeaHandlerContainer::instance();
    ESSetup *setup = data->setup();
    ESLocalSetup *localSetup = data->localSetup();

    // A change of transmission group takes effect 10 s after the last one.
    m_groupDebounceTimer = new QTimer(this);
    m_groupDebounceTimer->setInterval(m_groupDebounceInterval);
    m_groupDebounceTimer->setSingleShot(true);
    wiring.connectGroupDebounce();

    // Hardware; the folders on removable storage carry the junction box's serial number.
    createHardwareParts(intrfaceName);
    m_storageDeviceController->setProductSerialNumber(setup->TQ55Setup()->TQ55SerialNumber());

    // Logging, monitor feed, serial ports and the port switches of the handlers.
    CommunicationsLogging::create(setup->CommunicationsLoggingSetup(), m_storageDeviceController, true);
    m_forwardingController = new CommunicationForwardingController(this);
    m_forwardingController->setCommunicationInformation(data->communicationInformation());
    m_forwardingController->setCommunicationsSetup(setup->CommunicationsSetup());
    m_serialPortsController = new NmeaPortsCommunicationController(m_nmeaPorts, this);
    m_serialPortsController->setCommunicationForwardingController(m_forwardingController);
    m_portsSetupAdapter.reset(new TmpPortsSetupAdapter(setup->CommunicationsSetup()));
    setTmpPortsSetupAdapter(m_portsSetupAdapter.get());

    // The network and the sentence router.
    m_udpController = std::make_unique<Udp61162450Controller>(m_ethernetInterfaces);
    m_socketInterface = std::make_unique<socketInterface>(m_udpController.get());
    m_socketInterface->setCommunicationForwardingController(m_forwardingController);
    m_nmeaController = std::make_unique<NmeaController>();
    m_nmeaController->setCommunicationForwardingController(m_forwardingController);

    // Time received from the network.
    wiring.connectTime();

    // The main window.
    // The screens above the widget library are handed to the window while it is built.
    BaseScreen::Parts parts;
    parts.setupScreens = [](QWidget *parent) { return new SetupScreens(parent); };
    parts.runtimeScreens = [](QWidget *parent) { return new RuntimeScreens(parent); };
    parts.longPressMenu = [](QWidget *parent) { return new LongPressMenuScreen(parent); };
    parts.setupLongPressMenu = [](QWidget *parent) { return new SetupLongPressScreen(parent); };
    parts.standbySlider = [](BaseScreen *window) {
        const BaseScreen::StandbySliderWidgets widgets = window->standbySliderWidgets();
        auto *wrapper = new BrightnessSliderWrapper(widgets.slider, widgets.increaseButton,
            widgets.decreaseButton, widgets.valueLabel, false, window->standbySliderHolder(), true);
        BaseScreen::StandbySlider slider;
        slider.wrapper = wrapper;
        slider.setValue = [wrapper](int value) { wrapper->setSliderValue(value, true, false); };
        slider.show = [wrapper]() { wrapper->showSlider(); };
        return slider;
    };
    m_mainWindow
        = std::make_unique<BaseScreen>(data->alerts(), m_hardware->dimmingController(), nullptr, parts);
    // The controllers of presses on bound buttons take the window's editors and its runtime-page buttons.
    ModelInterfaceContainer::instance()->connectWindow(m_mainWindow.get());
    m_mainWindow->communicationInformationTable()->setCommunicationForwardingController(
        m_forwardingController);
    m_mainWindow->applyNormalBrightness();

    // The descriptions of every setting and runtime value, built at their first use.
    ESDataInfoClass::instance();
    setGroupChoices();
    wiring.connectAddressColour();
    wiring.connectBrightness();
    wiring.connectAlertType();

    // Every setup description shows its value once, and every listener of a local setting hears its value
    // once.
    ESDataInfoClass::instance()->setupDataInfo()->updateAllGUI();
    ESDataInfoClass::instance()->localSetupDataInfo()->updateAllGUI();
    localSetup->emitAllPropertySignals();

    // The sounder test starts switched off; the link is made after that, so nothing sounds at start.
    localSetup->DisplaySetup()->setSounderTest(0);
    wiring.connectSounderTest();

    // Pairing and the supervision of the link to the junction box: a silent junction box takes the link
    // down after 10 s and is asked to pair again.
    SerializationController *serialization = SerializationController::instance();
    HandlerPqrvPair::connectSupervision(serialization);
    serialization->startSupervision();

    // Network settings, transmission group and the junction box's commands.
    if (SystemWiring::connectsDisplayNetworkSettings(build))
        wiring.connectDisplayNetworkSettings();
    wiring.connectJunctionBoxCommands();

    // Sentence requests of the handlers; datagrams, settings text and serial lines.
    wiring.connectHandlerRequests();
    wiring.connectDatagramPaths();
    if (SystemWiring::connectsSerialPaths(build))
        wiring.connectSerialPaths();

    // The buzzer and the acknowledgements of the alarm panel.
    setupAlertsAndBuzzer();
}

// ---------------------------------------------------------------------------------------------------------
// Buzzer and acknowledgements

void CentralBaseClass::setupAlertsAndBuzzer()
{
    m_beepGenerator = new BeepGenerator(this);
    SystemWiring(*this).connectAlertsAndBuzzer();
}

void CentralBaseClass::setAlarmBuzzerRequiredState()
{
    if (!m_beepGenerator)
        return;
    const BuzzerChoice choice = BuzzerChoice::forAlerts(ESDataClass::instance()->alerts(),
        displaySetup()->AlarmSounder(), setupRoot()->AlertSetup()->EscalationTime());
    if (choice.silenceOnly) {
        m_beepGenerator->stopBeepFuction();
        return;
    }
    m_beepGenerator->setBeepPattern(choice.pattern);
    if (choice.sound)
        m_beepGenerator->startBeepFuction(true);
    else
        m_beepGenerator->stopBeepFuction();
}

void CentralBaseClass::ackAlertsFromDisplay()
{
    ES_Alerts *alerts = ESDataClass::instance()->alerts();
    // The display's own link alert is acknowledged here; the junction box never knew of it.
    if (alerts->AckFromDisplay() == alerts->AlertDisplayError()->AlertText()) {
        alerts->acknowledgeJbCommsFailAlert();
        return;
    }
    alerts->serializeSingleProperty(QStringLiteral("AckFromDisplay"), alerts->AckFromDisplay());
}

void CentralBaseClass::buzzerTouchBeep()
{
    if (m_hardware && displaySetup()->ButtonBeep() == buttonBeepOn)
        m_hardware->gpioContainer()->touchBeep();
}

// ---------------------------------------------------------------------------------------------------------
// Network and routing

void CentralBaseClass::setInitialCommunicationParameters()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    int group = junctionBoxSetup()->Group();
    if (build->isSoftwareCu && build->useDisplayNetworkSettings)
        group = displaySetup()->Group();
    if (group < 0 || group >= groupCount) {
        qDebug() << "Transmission group out of range:" << group << "- using" << defaultGroup;
        group = defaultGroup;
    }
    const QString address = QStringLiteral("239.192.0.") + QString::number(group + 1);
    m_udpController->setNmeaGroupAddress(address, quint16(group + 60001));
    m_socketInterface->init();
}

void CentralBaseClass::changeNmeaGroup()
{
    m_udpController->updateNmeaGroup(displaySetup()->Group());
}

void CentralBaseClass::systemOperationModeChanged(int mode)
{
    if (!m_nmeaController)
        return;
    const bool standby = mode == 1;
    SystemWiring(*this).setStandbyRouting(standby);
    m_mainWindow->setStandbyMode(standby);
}

// ---------------------------------------------------------------------------------------------------------
// Time

void CentralBaseClass::setCurrentUtcDateTime(QString date_time)
{
    QDateTime received = QDateTime::fromString(date_time, Qt::ISODate);
    received.setTimeSpec(Qt::UTC);
    if (!received.isValid())
        return;
    updateUtcOffset(received);
    ESRuntime *runtime = ESDataClass::instance()->runtime();
    const bool localValid = runtime->isValid(QStringLiteral("UtcToLocalDateTimeSecsOffset"));
    if (localValid)
        updateLocalTimeOffset(runtime->UtcToLocalDateTimeSecsOffset());
    setLocalTimeOffsetValid(localValid);
}

void CentralBaseClass::setUtcToLocalDateTimeSecsOffset(int offset, bool is_valid)
{
    if (is_valid)
        updateLocalTimeOffset(offset);
    setLocalTimeOffsetValid(is_valid);
}

void CentralBaseClass::setUtcTimeReceived(int v)
{
    setUtcOffsetValid(v == 1);
}

// ---------------------------------------------------------------------------------------------------------
// Restore of defaults

void CentralBaseClass::restoreAllSetups(int v)
{
    if (v != 1)
        return;
    if (BuildConfiguration::instance()->isSoftwareJb)
        ESDataClass::instance()->restoreSetupDefaults();
    else
        ESDataClass::instance()->restoreLocalSetupDefaults();
    QTimer::singleShot(m_restoreResetDelay, this, &CentralBaseClass::resetSetupRestoreSettings);
}

void CentralBaseClass::restoreAllSetupsExceptIO(int v)
{
    if (v != 1)
        return;
    if (BuildConfiguration::instance()->isSoftwareJb)
        ESDataClass::instance()->restoreSetupDefaultsExceptIO();
    else
        ESDataClass::instance()->restoreLocalSetupDefaults();
    QTimer::singleShot(m_restoreResetDelay, this, &CentralBaseClass::resetSetupRestoreSettings);
}

void CentralBaseClass::resetSetupRestoreSettings()
{
    ESTQ55Setup *junctionBox = junctionBoxSetup();
    if (junctionBox->RestoreAllSetups() != 0)
        junctionBox->setRestoreAllSetups(0);
    if (junctionBox->RestoreAllSetupsExceptIO() != 0)
        junctionBox->setRestoreAllSetupsExceptIO(0);
}

// ---------------------------------------------------------------------------------------------------------
// SFIs, group, alert identifiers

void CentralBaseClass::displayLocalSfiChanged(QString new_sfi)
{
    auto *change = qobject_cast<HandlerPqrvSfiChange *>(
        NmeaHandlerContainer::instance()->handler(QStringLiteral("PQRV"), QStringLiteral("SFICHANGE")));
    if (change)
        change->sendSfiChange(new_sfi, displaySetup()->previousLocalSFI());
}

void CentralBaseClass::jbLocalSfiChanged(QString new_sfi)
{
    // The display follows a junction box that changed its SFI: the new SFI becomes its partner, is stored at
    // once and shown on its button. (The setting keeps the previous partner itself.)
    if (ValuePropertyInfo *paired = ESDataInfoClass::instance()->localSetupDataInfo()->getValuePropertyInfo(
            QStringLiteral("PairedSFI"), QStringLiteral("DisplaySetup")))
        paired->setDisplayedValue(new_sfi);
}

void CentralBaseClass::setGroupChoices()
{
    // The transmission groups the product may not use cannot be chosen, on the junction box's setting and
    // on the display's.
    const QList<int> invalid = getInvalidGroupIndexes();
    ESDataInfoClass *descriptions = ESDataInfoClass::instance();
    for (const QString &prefix : { QStringLiteral("es"), QStringLiteral("ls") }) {
        const QString object
            = prefix == QLatin1String("es") ? QStringLiteral("TQ55Setup") : QStringLiteral("DisplaySetup");
        if (auto *group = qobject_cast<EnumPropertyInfo *>(
                descriptions->setupPropertyInfo(prefix, QStringLiteral("Group"), object)))
            group->setInvalidIndexes(invalid);
    }
}

void CentralBaseClass::ipChanged(ValuePropertyInfo *ip_info)
{
    auto *addresses = ip_info ? dynamic_cast<IpValidator *>(ip_info->validator()) : nullptr;
    if (!addresses)
        return;
    addresses->validate(ip_info->displayedValue());
    if (QAbstractButton *button = ip_info->button())
        button->setStyleSheet(addresses->isInApprovedRange() ? QStringLiteral("color: black;")
                                                             : QStringLiteral("color: rgb(255, 128, 0);"));
}

void CentralBaseClass::alertTypeChanged(QString type)
{
    ESAlertSetup *alertSetup = setupRoot()->AlertSetup();
    const AlertIdentifiers identifiers
        = AlertIdentifiers::forAlertType(type, { alertSetup->AlertDeepID(), alertSetup->AlertSystemID() });
    if (identifiers.deep != alertSetup->AlertDeepID())
        alertSetup->setAlertDeepID(identifiers.deep);
    if (identifiers.system != alertSetup->AlertSystemID())
        alertSetup->setAlertSystemID(identifiers.system);
    alertSetup->serializeSinglePropertyByName(QStringLiteral("AlertDeepID"));
    alertSetup->serializeSinglePropertyByName(QStringLiteral("AlertSystemID"));
}

// ---------------------------------------------------------------------------------------------------------
// Serial loop test

void CentralBaseClass::testSerialPorts()
{
    if (m_serialPortsController && m_serialPortsController->loopTest())
        m_serialPortsController->loopTest()->runTest();
}

void CentralBaseClass::loopTestChanged(int v)
{
    if (v == 1)
        testSerialPorts();
}

void CentralBaseClass::partOfSerialPortsTestingFinished()
{
    ESOtherLocalSettings *other = localSetupRoot()->OtherLocalSettings();
    LoopTest *test = m_serialPortsController ? m_serialPortsController->loopTest() : nullptr;
    if (test && !test->isRunning()) {
        other->setNmeaPort1Status(test->port1Passed() ? 1 : 2);
        other->setNmeaPort2Status(test->port2Passed() ? 1 : 2);
        other->serializeSinglePropertyByName(QStringLiteral("NmeaPort1Status"));
        other->serializeSinglePropertyByName(QStringLiteral("NmeaPort2Status"));
        other->setNmeaPort3Status(test->port3Passed() ? 1 : 2);
        other->serializeSinglePropertyByName(QStringLiteral("NmeaPort3Status"));
    }
    other->setNMEALoopTest(0);
    other->serializeSinglePropertyByName(QStringLiteral("NMEALoopTest"));
    other->saveToFile();
}
