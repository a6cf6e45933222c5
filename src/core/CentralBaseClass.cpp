#include "core/CentralBaseClass.h"

#include "common/BuildConfiguration.h"
#include "common/ClassInformation.h"
#include "common/SignalEmitter.h"
#include "common/SignalExtender.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/LoopTest.h"
#include "comms/NmeaController.h"
#include "comms/NmeaParserClass.h"
#include "comms/NmeaPorts.h"
#include "comms/NmeaPortsCommunicationController.h"
#include "comms/SerialReader.h"
#include "comms/iec450/BinaryTransmissionController.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/socketInterface.h"
#include "data/CU_R207_Setup.h"
#include "data/ClockOffsets.h"
#include "data/ESAlertSetup.h"
#include "data/ESCommunicationsSetup.h"
#include "data/ESDataClass.h"
#include "data/ESDiagnosticsSetup.h"
#include "data/ESLocalSetup.h"
#include "data/ESOtherLocalSettings.h"
#include "data/ESOtherSettings.h"
#include "data/ESPortSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/ES_Alerts.h"
#include "data/RemoteDimmingSetup.h"
#include "data/SerializationController.h"
#include "hardware/BeepGenerator.h"
#include "hardware/GpioContainer.h"
#include "hardware/Hardware.h"
#include "hardware/platform/ESStorageDeviceController.h"
#include "hardware/platform/EthInterfaceData.h"
#include "hardware/platform/EthernetInterfaces.h"
#include "nmea/NmeaHandler.h"
#include "nmea/NmeaHandlerContainer.h"
#include "nmea/TmpPortsSetupAdapter.h"
#include "nmea/sentences/HandlerSrp.h"
#include "nmea/sentences/PqrvPairingHandlers.h"
#include "ui/AlarmWidget.h"
#include "ui/BaseScreen.h"
#include "ui/CommunicationInformationTable.h"
#include "ui/NetworkSelectWidget.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QSignalBlocker>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

const int groupDebounceMs = 10000;
const int restoreResetMs = 5000;
const int groupCount = 8;
const int defaultGroup = 2;

// Alert word indexes as they travel in the alert records.
const int stateActiveUnacknowledged = 0;
const int categoryA = 0;
const int priorityAlarm = 0;
const int priorityAlert = 1;
const int sounderOff = 1;
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

// The choice texts of an enumerated setting, from its class information ("enumList=A;B;C").
QStringList enumChoices(const QObject *object, const char *property)
{
    const ClassInfoEntry *entry = ClassInformation::of(object->metaObject()).entry(property);
    const ClassInfoItem *choices = entry ? entry->itemStartingWith(QStringLiteral("enumList=")) : nullptr;
    return choices ? choices->rest.split(QLatin1Char(';')) : QStringList();
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// Rules that do not need a built system

QList<int> CentralBaseClass::threeBeepsPattern()
{
    return { 400, 400, 400, 400, 400, 8000 };
}

QList<int> CentralBaseClass::twoBeepsPattern()
{
    return { 400, 400, 400, 8800 };
}

QList<int> CentralBaseClass::escalationPattern(int escalation_index)
{
    // The setting offers 1 to 5 minutes; anything else read from a file or a peer is held to that range so
    // that the silent phase always stays positive.
    const int minutes = qBound(0, escalation_index, 4) + 1;
    return { 400, 400, 400, minutes * 60000 - 1200 };
}

CentralBaseClass::BuzzerChoice CentralBaseClass::chooseBuzzer(
    const ES_Alerts *alerts, int alarm_sounder, int escalation_index)
{
    BuzzerChoice choice;
    if (alarm_sounder == sounderOff) {
        choice.silenceOnly = true;
        return choice;
    }
    const SerializableAlertInfo *shallow = alerts->AlarmShallow();
    if (shallow->AlertState() == stateActiveUnacknowledged) {
        choice.pattern = shallow->AlertCategory() == categoryA ? threeBeepsPattern() : twoBeepsPattern();
        choice.sound = true;
        return choice;
    }
    const SerializableAlertInfo *deep = alerts->AlertDeep();
    if (deep->AlertState() == stateActiveUnacknowledged) {
        if (deep->AlertPriority() == priorityAlarm) {
            choice.pattern = twoBeepsPattern();
            choice.sound = true;
            return choice;
        }
        if (deep->AlertPriority() <= priorityAlert) {
            choice.pattern = escalationPattern(escalation_index);
            choice.sound = true;
            return choice;
        }
        // A deep alert of lower priority (a caution) has no sound of its own, but it must not silence the
        // system, power and link alerts below.
    }
    choice.pattern = escalationPattern(escalation_index);
    choice.sound = alerts->AlertSystemError()->AlertState() == stateActiveUnacknowledged
        || alerts->AlarmPowerFailure()->AlertState() == stateActiveUnacknowledged
        || alerts->AlertDisplayError()->AlertState() == stateActiveUnacknowledged;
    return choice;
}

bool CentralBaseClass::connectsDisplayNetworkSettings(const BuildConfiguration *build)
{
    return build->useDisplayNetworkSettings;
}

bool CentralBaseClass::connectsSerialPaths(const BuildConfiguration *build)
{
    return build->isLinux && (build->isSoftwareJb || build->useDisplayNetworkSettings);
}

bool CentralBaseClass::followsJunctionBoxGroup(const BuildConfiguration *build)
{
    return build->useDisplayNetworkSettings || build->isWindows;
}

bool CentralBaseClass::startsSrpAnnouncements(const BuildConfiguration *build)
{
    return !(build->suppressDisplayAnnouncements && build->isSoftwareCu);
}

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
    , m_networkSelectWidget(new NetworkSelectWidget)
{
}

CentralBaseClass::~CentralBaseClass()
{
    // The window shows the hardware's dimming and the socket interface reads the UDP controller's sockets:
    // each goes before what it uses.
    delete m_mainWindow;
    delete m_socketInterface;
    delete m_udpController;
    delete m_nmeaController;
    delete m_hardware;
    if (tmpPortsSetupAdapter() == m_portsSetupAdapter)
        setTmpPortsSetupAdapter(nullptr);
    delete m_portsSetupAdapter;
    delete m_networkSelectWidget;
}

void CentralBaseClass::start()
{
    m_networkSelectWidget->show();
    connect(m_networkSelectWidget, &NetworkSelectWidget::networkName, this,
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

    connect(m_mainWindow, SIGNAL(buzzerTouchBeep()), this, SLOT(buzzerTouchBeep()));

    RemoteDimmingSetup *dimming = localSetupRoot()->DimmingSetup();
    emit dimming->DimmingPresetChanged(dimming->DimmingPreset());
    emit dimming->ColorPaletteChanged(dimming->ColorPalette());

    connect(displaySetup(), SIGNAL(LocalSFIChanged(QString)), this, SLOT(displayLocalSfiChanged(QString)));
    connect(junctionBoxSetup(), SIGNAL(LocalSFIChanged(QString)), this, SLOT(jbLocalSfiChanged(QString)));

    SignalExtender::instance()->connectPending();

    NmeaHandlerContainer *handlers = NmeaHandlerContainer::instance();
    if (NmeaHandler *devStart = handlers->handler(QStringLiteral("PQRV"), QStringLiteral("DEVSTART")))
        devStart->sendOnEnabledPorts();

    if (startsSrpAnnouncements(build)) {
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
    m_hardware = new Hardware(this);
    m_hardware->init(interface_name);
    m_ethernetInterfaces = m_hardware->ethernetInterfaces();
    m_nmeaPorts = m_hardware->nmeaPorts();
    m_storageDeviceController = m_hardware->storageController();
}

void CentralBaseClass::constructCentralBaseClass(QString intrfaceName)
{
    const BuildConfiguration *build = BuildConfiguration::instance();

    // The settings tree and the sentence handlers.
    qDebug() << "Initialize signal extender: " << SignalExtender::instance()->connectedCount();
    ESDataClass *data = ESDataClass::instance();
    NmeaHandlerContainer::instance();
    ESSetup *setup = data->setup();
    ESLocalSetup *localSetup = data->localSetup();
    CU_R207_Setup *display = localSetup->DisplaySetup();
    ESTQ55Setup *junctionBox = setup->TQ55Setup();

    // A change of transmission group takes effect 10 s after the last one.
    m_groupDebounceTimer = new QTimer(this);
    m_groupDebounceTimer->setInterval(groupDebounceMs);
    m_groupDebounceTimer->setSingleShot(true);
    connect(m_groupDebounceTimer, SIGNAL(timeout()), this, SLOT(changeNmeaGroup()));

    // Hardware; the folders on removable storage carry the junction box's serial number.
    createHardwareParts(intrfaceName);
    m_storageDeviceController->setProductSerialNumber(junctionBox->TQ55SerialNumber());

    // Logging, monitor feed, serial ports and the port switches of the handlers.
    CommunicationsLogging::create(setup->CommunicationsLoggingSetup(), m_storageDeviceController, true);
    m_forwardingController = new CommunicationForwardingController(this);
    m_forwardingController->setCommunicationInformation(data->communicationInformation());
    m_forwardingController->setCommunicationsSetup(setup->CommunicationsSetup());
    m_serialPortsController = new NmeaPortsCommunicationController(m_nmeaPorts, this);
    m_serialPortsController->setCommunicationForwardingController(m_forwardingController);
    m_portsSetupAdapter = new TmpPortsSetupAdapter(setup->CommunicationsSetup());
    setTmpPortsSetupAdapter(m_portsSetupAdapter);

    // The network and the sentence router.
    m_udpController = new Udp61162450Controller(m_ethernetInterfaces);
    m_socketInterface = new socketInterface(m_udpController);
    m_socketInterface->setCommunicationForwardingController(m_forwardingController);
    m_nmeaController = new NmeaController(this);
    m_nmeaController->setCommunicationForwardingController(m_forwardingController);

    // Time received from the network.
    connect(data->runtime(), &ESRuntime::UtcDateTimeChanged, this, &CentralBaseClass::setCurrentUtcDateTime,
        Qt::QueuedConnection);
    connect(setup->OtherSettings(), &ESOtherSettings::TimeReceivedChanged, this,
        &CentralBaseClass::setUtcTimeReceived);

    // The main window.
    m_mainWindow = new BaseScreen(data->alerts(), m_hardware->dimmingController(), nullptr);
    m_mainWindow->communicationInformationTable()->setCommunicationForwardingController(
        m_forwardingController);
    m_mainWindow->applyNormalBrightness();

    // Brightness raised to the alarm level by hand is kept as the display's dimming.
    RemoteDimmingSetup *dimming = localSetup->DimmingSetup();
    connect(
        m_mainWindow, &BaseScreen::brightnessManuallyChangedToAlarmLevel, this, [dimming](int brightness) {
            if (dimming->CurrentBrightnessPercentage() != brightness)
                dimming->setCurrentBrightnessPercentage(brightness);
        });
    connect(
        dimming, &RemoteDimmingSetup::CurrentBrightnessPercentageChanged, dimming,
        [dimming](int value) {
            const QSignalBlocker quiet(dimming);
            dimming->setBrightnessPercentage(value);
        },
        Qt::DirectConnection);

    // The alert type decides the identifiers of the deep and system alerts.
    ESAlertSetup *alertSetup = setup->AlertSetup();
    connect(alertSetup, &ESAlertSetup::AlertTypeChanged, this, [this, alertSetup](int index) {
        const QStringList choices = enumChoices(alertSetup, "AlertType");
        if (index >= 0 && index < choices.size())
            alertTypeChanged(choices.at(index));
    });

    // Every listener of a local setting hears its value once.
    localSetup->emitAllPropertySignals();

    // The sounder test starts switched off; the link is made after that, so nothing sounds at start.
    display->setSounderTest(0);
    connect(display, &CU_R207_Setup::SounderTestChanged, this, [this](int value) {
        GpioContainer *gpio = m_hardware->gpioContainer();
        if (value != 0)
            gpio->sounderTestOn();
        else
            gpio->buzzerOff();
    });

    // Pairing and the supervision of the link to the junction box: a silent junction box takes the link
    // down after 10 s and is asked to pair again.
    SerializationController *serialization = SerializationController::instance();
    HandlerPqrvPair::connectSupervision(serialization);
    serialization->startSupervision();

    // Network settings, transmission group and the junction box's commands.
    if (connectsDisplayNetworkSettings(build))
        connectDisplayNetworkSettings();
    if (followsJunctionBoxGroup(build)) {
        connect(display, SIGNAL(GroupChanged(int)), m_groupDebounceTimer, SLOT(start()));
        connect(junctionBox, &ESTQ55Setup::GroupChanged, display, &CU_R207_Setup::setGroupKeepingPrevious);
    }
    connect(m_mainWindow, &BaseScreen::systemWakeUpSignal, this, [junctionBox]() {
        if (junctionBox->SystemInNormalOrStandbyMode() != 0)
            junctionBox->setSystemInNormalOrStandbyMode(0);
        junctionBox->serializeSinglePropertyByName(QStringLiteral("SystemInNormalOrStandbyMode"));
    });
    connect(junctionBox, SIGNAL(SystemInNormalOrStandbyModeChanged(int)), this,
        SLOT(systemOperationModeChanged(int)));
    connect(junctionBox, SIGNAL(RestoreAllSetupsChanged(int)), this, SLOT(restoreAllSetups(int)));
    connect(
        junctionBox, SIGNAL(RestoreAllSetupsExceptIOChanged(int)), this, SLOT(restoreAllSetupsExceptIO(int)));

    // Sentence requests of the handlers.
    SignalEmitter *handlerHub = nmeaHandlerSignalEmitter();
    connect(handlerHub, SIGNAL(signalNmeaMessageTypeAndPortAndId(QString, Port, QString)), m_nmeaController,
        SLOT(sendStandardNmeaMessageOfTypeOverPort(QString, Port, QString)), Qt::UniqueConnection);
    connect(handlerHub, SIGNAL(signalTypeAndCompleteNmeaMessageAndPort(QString, QString, Port, bool)),
        m_nmeaController, SLOT(sendPreparedStandardNmeaMessageOverPort(QString, QString, Port, bool)),
        Qt::UniqueConnection);
    connect(handlerHub,
        SIGNAL(signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
            QString, QList<QString>, Port, QString, QString)),
        m_nmeaController,
        SLOT(sendPreparedStandardNmeaListWithCustomDestinationSFI(
            QString, QList<QString>, Port, QString, QString)),
        Qt::UniqueConnection);

    // Datagrams, settings text and serial lines.
    connectDatagramPaths();
    if (connectsSerialPaths(build))
        connectSerialPaths();

    // The buzzer and the acknowledgements of the alarm panel.
    setupAlertsAndBuzzer();
}

void CentralBaseClass::connectDisplayNetworkSettings()
{
    const BuildConfiguration *build = BuildConfiguration::instance();
    CU_R207_Setup *display = displaySetup();
    EthInterfaceData *interfaceData = m_ethernetInterfaces->interfaceData();
    // The display's own address settings drive its interface.
    connect(display, &CU_R207_Setup::IPChanged, interfaceData, &EthInterfaceData::setIP);
    connect(display, &CU_R207_Setup::MacAddressChanged, interfaceData, &EthInterfaceData::setMAC);
    display->setIP(interfaceData->ip());
    display->setMacAddress(interfaceData->mac());
    if (!build->isSoftwareCu)
        return;
    ESCommunicationsSetup *ports = setupRoot()->CommunicationsSetup();
    const QList<ESPortSetup *> setups = { ports->AdditionalNmeaPort1Setup(),
        ports->AdditionalNmeaPort2Setup(), ports->AdditionalNmeaPort3Setup() };
    const QList<SerialReader *> readers
        = { m_nmeaPorts->serialReader1(), m_nmeaPorts->serialReader2(), m_nmeaPorts->serialReader3() };
    for (int i = 0; i < setups.size(); ++i) {
        SerialReader *reader = readers.at(i);
        if (!reader)
            continue;
        connect(setups.at(i), &ESPortSetup::BaudChanged, reader,
            [reader](int index) { reader->setBaudRateIndex(index); });
    }
}

void CentralBaseClass::connectDatagramPaths()
{
    NmeaOverUdpController *overUdp = m_udpController->nmeaOverUdpController();
    BinaryTransmissionController *binary = m_udpController->binaryTransmissionController();
    connect(overUdp, &NmeaOverUdpController::sendDatagrams, m_socketInterface,
        &socketInterface::sendNmeaDatagrams);
    connect(overUdp, &NmeaOverUdpController::sendNetworkAdministrationDatagrams, m_socketInterface,
        &socketInterface::sendNetworkAdministrationDatagrams);
    connect(binary, &BinaryTransmissionController::sendDatagrams, m_socketInterface,
        &socketInterface::sendBinaryDatagrams);
    connect(overUdp->nmeaOutputBuffer(), &NmeaOutputBuffer::resendDatagram, m_socketInterface,
        &socketInterface::sendNmeaDatagrams);
    connect(overUdp->nmeaInputBuffer(), &NmeaInputBuffer::parse, m_nmeaController,
        &NmeaController::handleReceivedNmeaList, Qt::UniqueConnection);
    connect(m_nmeaController->nmeaParser(), &NmeaParserClass::dataReceived,
        SerializationController::instance(), &SerializationController::deserializeData);
    connect(ESDataClass::instance(), &AbstractDataClass::parseData, m_nmeaController,
        &NmeaController::sendProprietaryNmeaList, Qt::UniqueConnection);
    connect(m_nmeaController, SIGNAL(nmeaGroupReadyToBeSentOverUdp(NmeaGroupInfo, bool, QStringList)),
        overUdp, SLOT(packSerializedString(NmeaGroupInfo, bool, QStringList)));
    connect(m_socketInterface, &socketInterface::recievedMessage, overUdp,
        &NmeaOverUdpController::processReceivedDatagram, Qt::QueuedConnection);
    connect(m_socketInterface, &socketInterface::recievedBinaryMessage, binary,
        &BinaryTransmissionController::processRecievedBinaryDatagram, Qt::QueuedConnection);
    connect(m_ethernetInterfaces->interfaceData(), &EthInterfaceData::changedIP, m_udpController,
        &Udp61162450Controller::setMulticastInterfaces);
}

void CentralBaseClass::connectSerialPaths()
{
    connect(m_serialPortsController, &NmeaPortsCommunicationController::receivedNmeaListFromSerial,
        m_nmeaController, &NmeaController::handleReceivedNmeaList, Qt::UniqueConnection);
    connect(m_nmeaController, &NmeaController::nmeaGroupReadyToBeSentOverSerialPort, m_serialPortsController,
        &NmeaPortsCommunicationController::sendNmeaGroupOverSerialPort);
}

// ---------------------------------------------------------------------------------------------------------
// Buzzer and acknowledgements

void CentralBaseClass::setupAlertsAndBuzzer()
{
    ESDataClass *data = ESDataClass::instance();
    ES_Alerts *alerts = data->alerts();
    m_beepGenerator = new BeepGenerator(this);
    connect(m_beepGenerator, &BeepGenerator::beepStateChanged, this, [this](bool on) {
        GpioContainer *gpio = m_hardware->gpioContainer();
        if (on)
            gpio->buzzerOn();
        else
            gpio->buzzerOff();
    });

    AlarmWidget *alarmPanel = m_mainWindow->alarmWidget();
    connect(alarmPanel, &AlarmWidget::ackAlerts, this, &CentralBaseClass::ackAlertsFromDisplay);
    connect(displaySetup(), &CU_R207_Setup::AlarmSounderChanged, this,
        &CentralBaseClass::setAlarmBuzzerRequiredState);
    connect(alerts, &ES_Alerts::dataReceivedFromCommunication, this,
        &CentralBaseClass::setAlarmBuzzerRequiredState);
    connect(data->setup()->DiagnosticsSetup(), &ESDiagnosticsSetup::SimulateDepthChanged, this,
        [alarmPanel]() { alarmPanel->setAlarm(); });
    connect(SerializationController::instance(), &SerializationController::commsToTQ55StateChanged, this,
        [alerts](bool comms_ok) {
            if (comms_ok)
                alerts->rectifyJbCommsFailAlert();
            else
                alerts->raiseJbCommsFailAlert();
        });
}

void CentralBaseClass::setAlarmBuzzerRequiredState()
{
    if (!m_beepGenerator)
        return;
    const BuzzerChoice choice = chooseBuzzer(ESDataClass::instance()->alerts(),
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
    SignalEmitter *hub = nmeaHandlerSignalEmitter();
    struct TextLink
    {
        const char *signal;
        const char *normalSlot;
        const char *standbySlot;
    };
    const TextLink textLinks[] = {
        { SIGNAL(signalNmeaMessageTypeAndPortAndId(QString, Port, QString)),
            SLOT(sendStandardNmeaMessageOfTypeOverPort(QString, Port, QString)),
            SLOT(sendStandardNmeaMessageOfTypeOverPortInStandby(QString, Port, QString)) },
        { SIGNAL(signalTypeAndCompleteNmeaMessageAndPort(QString, QString, Port, bool)),
            SLOT(sendPreparedStandardNmeaMessageOverPort(QString, QString, Port, bool)),
            SLOT(sendPreparedStandardNmeaMessageOverPortInStandby(QString, QString, Port, bool)) },
        { SIGNAL(signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
              QString, QList<QString>, Port, QString, QString)),
            SLOT(sendPreparedStandardNmeaListWithCustomDestinationSFI(
                QString, QList<QString>, Port, QString, QString)),
            SLOT(sendPreparedStandardNmeaListWithCustomDestinationSFIInStandby(
                QString, QList<QString>, Port, QString, QString)) },
    };
    for (const TextLink &link : textLinks) {
        if (standby) {
            connect(hub, link.signal, m_nmeaController, link.standbySlot, Qt::UniqueConnection);
            disconnect(hub, link.signal, m_nmeaController, link.normalSlot);
        } else {
            disconnect(hub, link.signal, m_nmeaController, link.standbySlot);
            connect(hub, link.signal, m_nmeaController, link.normalSlot, Qt::UniqueConnection);
        }
    }

    ESDataClass *data = ESDataClass::instance();
    NmeaInputBuffer *input = m_udpController->nmeaOverUdpController()->nmeaInputBuffer();
    const bool serial = connectsSerialPaths(BuildConfiguration::instance());
    if (standby) {
        connect(data, &AbstractDataClass::parseData, m_nmeaController,
            &NmeaController::sendProprietaryNmeaListInStandby, Qt::UniqueConnection);
        disconnect(
            data, &AbstractDataClass::parseData, m_nmeaController, &NmeaController::sendProprietaryNmeaList);
        connect(input, &NmeaInputBuffer::parse, m_nmeaController,
            &NmeaController::handleReceivedNmeaListInStandby, Qt::UniqueConnection);
        disconnect(input, &NmeaInputBuffer::parse, m_nmeaController, &NmeaController::handleReceivedNmeaList);
        if (serial) {
            connect(m_serialPortsController, &NmeaPortsCommunicationController::receivedNmeaListFromSerial,
                m_nmeaController, &NmeaController::handleReceivedNmeaListInStandby, Qt::UniqueConnection);
            disconnect(m_serialPortsController, &NmeaPortsCommunicationController::receivedNmeaListFromSerial,
                m_nmeaController, &NmeaController::handleReceivedNmeaList);
        }
    } else {
        disconnect(data, &AbstractDataClass::parseData, m_nmeaController,
            &NmeaController::sendProprietaryNmeaListInStandby);
        connect(data, &AbstractDataClass::parseData, m_nmeaController,
            &NmeaController::sendProprietaryNmeaList, Qt::UniqueConnection);
        disconnect(input, &NmeaInputBuffer::parse, m_nmeaController,
            &NmeaController::handleReceivedNmeaListInStandby);
        connect(input, &NmeaInputBuffer::parse, m_nmeaController, &NmeaController::handleReceivedNmeaList,
            Qt::UniqueConnection);
        if (serial) {
            disconnect(m_serialPortsController, &NmeaPortsCommunicationController::receivedNmeaListFromSerial,
                m_nmeaController, &NmeaController::handleReceivedNmeaListInStandby);
            connect(m_serialPortsController, &NmeaPortsCommunicationController::receivedNmeaListFromSerial,
                m_nmeaController, &NmeaController::handleReceivedNmeaList, Qt::UniqueConnection);
        }
    }
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
    QTimer::singleShot(restoreResetMs, this, &CentralBaseClass::resetSetupRestoreSettings);
}

void CentralBaseClass::restoreAllSetupsExceptIO(int v)
{
    if (v != 1)
        return;
    if (BuildConfiguration::instance()->isSoftwareJb)
        ESDataClass::instance()->restoreSetupDefaultsExceptIO();
    else
        ESDataClass::instance()->restoreLocalSetupDefaults();
    QTimer::singleShot(restoreResetMs, this, &CentralBaseClass::resetSetupRestoreSettings);
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
    // The display follows a junction box that changed its SFI: the new SFI becomes its partner and is stored
    // at once.
    CU_R207_Setup *display = displaySetup();
    display->setPairedSFI(new_sfi);
    display->serializeSinglePropertyByName(QStringLiteral("PairedSFI"));
}

void CentralBaseClass::alertTypeChanged(QString type)
{
    ESAlertSetup *alertSetup = setupRoot()->AlertSetup();
    const int deep = alertSetup->AlertDeepID();
    const int system = alertSetup->AlertSystemID();
    // ALR alerts and ALF alerts of the same condition differ by 10000 in their identifier.
    if (type.contains(QLatin1String("ALR"))) {
        if (deep > 10000)
            alertSetup->setAlertDeepID(deep - 10000);
        if (system > 10000)
            alertSetup->setAlertSystemID(system - 10000);
    } else {
        if (deep <= 9999)
            alertSetup->setAlertDeepID(deep + 10000);
        if (system <= 9999)
            alertSetup->setAlertSystemID(system + 10000);
    }
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

// ---------------------------------------------------------------------------------------------------------
// Debug messages

QString formatLogMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QString text = message + QStringLiteral(" File: ") + QString::fromUtf8(context.file)
        + QStringLiteral(" Line: ") + QString::number(context.line) + QStringLiteral(" Function: ")
        + QString::fromUtf8(context.function);
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("Debug: ") + text;
    case QtWarningMsg:
        return QStringLiteral("Warning: ") + text;
    case QtCriticalMsg:
        return QStringLiteral("Critical: ") + text;
    case QtFatalMsg:
        return QStringLiteral("Fatal: ") + text;
    case QtInfoMsg:
        return QStringLiteral("Info: ") + text;
    }
    return text;
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray line = formatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s \n", line.constData());
    std::fflush(stderr);
    if (type == QtFatalMsg)
        std::abort();
}
