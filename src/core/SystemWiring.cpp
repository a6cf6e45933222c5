#include "core/SystemWiring.h"

#include "common/BuildConfiguration.h"
#include "common/SignalEmitter.h"
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
#include "core/CentralBaseClass.h"
#include "data/CU_R207_Setup.h"
#include "data/ESAlertSetup.h"
#include "data/ESCommunicationsSetup.h"
#include "data/ESDataClass.h"
#include "data/ESDiagnosticsSetup.h"
#include "data/ESLocalSetup.h"
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
#include "info/ESDataInfoClass.h"
#include "info/SetupPropertyInfo.h"
#include "info/ValuePropertyInfo.h"
#include "nmea/Validators.h"
#include "platform/EthInterfaceData.h"
#include "platform/EthernetInterfaces.h"
#include "ui/window/AlarmWidget.h"
#include "ui/window/BaseScreen.h"

#include <QSignalBlocker>
#include <QTimer>

namespace {

ESSetup *wiredSetupRoot()
{
    return ESDataClass::instance()->setup();
}

CU_R207_Setup *wiredDisplaySetup()
{
    return ESDataClass::instance()->localSetup()->DisplaySetup();
}

// The descriptions the system wires; their names are fixed and always in the registry.
SetupPropertyInfo *sharedDescription(const char *property, const char *object)
{
    return ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("es"), QLatin1String(property), QLatin1String(object));
}

SetupPropertyInfo *localDescription(const char *property, const char *object)
{
    return ESDataInfoClass::instance()->setupPropertyInfo(
        QStringLiteral("ls"), QLatin1String(property), QLatin1String(object));
}

// One routing link moved between a normal slot of the router and its standby twin, by member function or by
// signature. The new link is made before the old one is cut, and made unique, so a repeated mode leaves one
// link.
template <typename Sender, typename Signal, typename Slot>
void moveLink(
    Sender *sender, Signal signal, NmeaController *router, Slot normal, Slot inStandby, bool standby)
{
    if (standby) {
        QObject::connect(sender, signal, router, inStandby, Qt::UniqueConnection);
        QObject::disconnect(sender, signal, router, normal);
    } else {
        QObject::disconnect(sender, signal, router, inStandby);
        QObject::connect(sender, signal, router, normal, Qt::UniqueConnection);
    }
}

// The link of finished sentences from the handler hub, by signature (see connectHandlerRequests).
const char *const preparedSentenceSignal
    = SIGNAL(signalTypeAndCompleteNmeaMessageAndPort(QString, QString, Port, bool));
const char *const preparedSentenceSlot
    = SLOT(sendPreparedStandardNmeaMessageOverPort(QString, QString, Port, bool));
const char *const preparedSentenceInStandbySlot
    = SLOT(sendPreparedStandardNmeaMessageOverPortInStandby(QString, QString, Port, bool));

} // namespace

SystemWiring::SystemWiring(CentralBaseClass &system)
    : m_system(system)
{
}

bool SystemWiring::connectsDisplayNetworkSettings(const BuildConfiguration *build)
{
    return build->useDisplayNetworkSettings;
}

bool SystemWiring::connectsSerialPaths(const BuildConfiguration *build)
{
    return build->isLinux && (build->isSoftwareJb || build->useDisplayNetworkSettings);
}

bool SystemWiring::followsJunctionBoxGroup(const BuildConfiguration *build)
{
    return build->useDisplayNetworkSettings || build->isWindows;
}

bool SystemWiring::startsSrpAnnouncements(const BuildConfiguration *build)
{
    return !(build->suppressDisplayAnnouncements && build->isSoftwareCu);
}

void SystemWiring::connectGroupDebounce()
{
    QObject::connect(
        m_system.m_groupDebounceTimer, &QTimer::timeout, &m_system, &CentralBaseClass::changeNmeaGroup);
}

void SystemWiring::connectTime()
{
    ESDataClass *data = ESDataClass::instance();
    QObject::connect(data->runtime(), &ESRuntime::UtcDateTimeChanged, &m_system,
        &CentralBaseClass::setCurrentUtcDateTime, Qt::QueuedConnection);
    QObject::connect(data->setup()->OtherSettings(), &ESOtherSettings::TimeReceivedChanged, &m_system,
        &CentralBaseClass::setUtcTimeReceived);
}

void SystemWiring::connectBrightness()
{
    RemoteDimmingSetup *dimming = ESDataClass::instance()->localSetup()->DimmingSetup();
    QObject::connect(m_system.mainWindow(), &BaseScreen::brightnessManuallyChangedToAlarmLevel, &m_system,
        [dimming](int brightness) {
            if (dimming->CurrentBrightnessPercentage() != brightness)
                dimming->setCurrentBrightnessPercentage(brightness);
        });
    QObject::connect(
        dimming, &RemoteDimmingSetup::CurrentBrightnessPercentageChanged, dimming,
        [dimming](int value) {
            const QSignalBlocker quiet(dimming);
            dimming->setBrightnessPercentage(value);
        },
        Qt::DirectConnection);
}

void SystemWiring::connectAlertType()
{
    if (PropertyInfo *type = sharedDescription("AlertType", "AlertSetup"))
        QObject::connect(type, &PropertyInfo::valueChanged, &m_system, &CentralBaseClass::alertTypeChanged);
}

void SystemWiring::connectAddressColour()
{
    CentralBaseClass *system = &m_system;
    const auto colour = [system](ValuePropertyInfo *address) {
        if (address)
            QObject::connect(address, &PropertyInfo::valueChanged, system,
                [system, address]() { system->ipChanged(address); });
    };
    colour(qobject_cast<ValuePropertyInfo *>(sharedDescription("IP", "TQ55Setup")));
    if (connectsDisplayNetworkSettings(BuildConfiguration::instance()))
        colour(qobject_cast<ValuePropertyInfo *>(localDescription("IP", "DisplaySetup")));
}

void SystemWiring::connectSounderTest()
{
    CentralBaseClass *system = &m_system;
    QObject::connect(wiredDisplaySetup(), &CU_R207_Setup::SounderTestChanged, system, [system](int value) {
        GpioContainer *gpio = system->hardware()->gpioContainer();
        if (value != 0)
            gpio->sounderTestOn();
        else
            gpio->buzzerOff();
    });
}

void SystemWiring::connectDisplayNetworkSettings()
{
    CU_R207_Setup *display = wiredDisplaySetup();
    EthInterfaceData *interfaceData = m_system.m_ethernetInterfaces->interfaceData();
    QObject::connect(display, &CU_R207_Setup::IPChanged, interfaceData, &EthInterfaceData::setIP);
    QObject::connect(display, &CU_R207_Setup::MacAddressChanged, interfaceData, &EthInterfaceData::setMAC);
    display->setIP(interfaceData->ip());
    display->setMacAddress(interfaceData->mac());
    if (!BuildConfiguration::instance()->isSoftwareCu)
        return;
    ESCommunicationsSetup *ports = wiredSetupRoot()->CommunicationsSetup();
    const QList<ESPortSetup *> setups = { ports->AdditionalNmeaPort1Setup(),
        ports->AdditionalNmeaPort2Setup(), ports->AdditionalNmeaPort3Setup() };
    NmeaPorts *serialPorts = m_system.m_nmeaPorts;
    const QList<SerialReader *> readers
        = { serialPorts->serialReader1(), serialPorts->serialReader2(), serialPorts->serialReader3() };
    for (int i = 0; i < setups.size(); ++i) {
        SerialReader *reader = readers.at(i);
        if (!reader)
            continue;
        QObject::connect(setups.at(i), &ESPortSetup::BaudChanged, reader,
            [reader](int index) { reader->setBaudRateIndex(index); });
    }
}

void SystemWiring::connectJunctionBoxCommands()
{
    CU_R207_Setup *display = wiredDisplaySetup();
    ESTQ55Setup *junctionBox = wiredSetupRoot()->TQ55Setup();
    if (followsJunctionBoxGroup(BuildConfiguration::instance())) {
        QObject::connect(display, &CU_R207_Setup::GroupChanged, m_system.m_groupDebounceTimer,
            QOverload<>::of(&QTimer::start));
        QObject::connect(
            junctionBox, &ESTQ55Setup::GroupChanged, display, &CU_R207_Setup::setGroupKeepingPrevious);
    }
    QObject::connect(m_system.mainWindow(), &BaseScreen::systemWakeUpSignal, &m_system, [junctionBox]() {
        if (junctionBox->SystemInNormalOrStandbyMode() != 0)
            junctionBox->setSystemInNormalOrStandbyMode(0);
        junctionBox->serializeSinglePropertyByName(QStringLiteral("SystemInNormalOrStandbyMode"));
    });
    QObject::connect(junctionBox, &ESTQ55Setup::SystemInNormalOrStandbyModeChanged, &m_system,
        &CentralBaseClass::systemOperationModeChanged);
    QObject::connect(
        junctionBox, &ESTQ55Setup::RestoreAllSetupsChanged, &m_system, &CentralBaseClass::restoreAllSetups);
    QObject::connect(junctionBox, &ESTQ55Setup::RestoreAllSetupsExceptIOChanged, &m_system,
        &CentralBaseClass::restoreAllSetupsExceptIO);
}

void SystemWiring::connectHandlerRequests()
{
    SignalEmitter *hub = nmeaHandlerSignalEmitter();
    NmeaController *router = m_system.nmeaController();
    QObject::connect(hub, &SignalEmitter::signalNmeaMessageTypeAndPortAndId, router,
        &NmeaController::sendStandardNmeaMessageOfTypeOverPort, Qt::UniqueConnection);
    // The router's slot takes a fifth argument with a default that the hub's signal does not carry; only a
    // connection by signature can leave it out.
    QObject::connect(hub, preparedSentenceSignal, router, preparedSentenceSlot, Qt::UniqueConnection);
    QObject::connect(hub, &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI,
        router, &NmeaController::sendPreparedStandardNmeaListWithCustomDestinationSFI, Qt::UniqueConnection);
}

void SystemWiring::connectDatagramPaths()
{
    Udp61162450Controller *udp = m_system.udpController();
    socketInterface *sockets = m_system.socketInterfaceObject();
    NmeaController *router = m_system.nmeaController();
    NmeaOverUdpController *overUdp = udp->nmeaOverUdpController();
    BinaryTransmissionController *binary = udp->binaryTransmissionController();
    QObject::connect(
        overUdp, &NmeaOverUdpController::sendDatagrams, sockets, &socketInterface::sendNmeaDatagrams);
    QObject::connect(overUdp, &NmeaOverUdpController::sendNetworkAdministrationDatagrams, sockets,
        &socketInterface::sendNetworkAdministrationDatagrams);
    QObject::connect(
        binary, &BinaryTransmissionController::sendDatagrams, sockets, &socketInterface::sendBinaryDatagrams);
    QObject::connect(overUdp->nmeaOutputBuffer(), &NmeaOutputBuffer::resendDatagram, sockets,
        &socketInterface::sendNmeaDatagrams);
    QObject::connect(overUdp->nmeaInputBuffer(), &NmeaInputBuffer::parse, router,
        &NmeaController::handleReceivedNmeaList, Qt::UniqueConnection);
    QObject::connect(router->nmeaParser(), &NmeaParserClass::dataReceived,
        SerializationController::instance(), &SerializationController::deserializeData);
    QObject::connect(ESDataClass::instance(), &AbstractDataClass::parseData, router,
        &NmeaController::sendProprietaryNmeaList, Qt::UniqueConnection);
    QObject::connect(router, &NmeaController::nmeaGroupReadyToBeSentOverUdp, overUdp,
        &NmeaOverUdpController::packSerializedString);
    QObject::connect(sockets, &socketInterface::recievedMessage, overUdp,
        &NmeaOverUdpController::processReceivedDatagram, Qt::QueuedConnection);
    QObject::connect(sockets, &socketInterface::recievedBinaryMessage, binary,
        &BinaryTransmissionController::processRecievedBinaryDatagram, Qt::QueuedConnection);
    QObject::connect(m_system.m_ethernetInterfaces->interfaceData(), &EthInterfaceData::changedIP, udp,
        &Udp61162450Controller::setMulticastInterfaces);
}

void SystemWiring::connectSerialPaths()
{
    NmeaPortsCommunicationController *serial = m_system.serialPortsController();
    NmeaController *router = m_system.nmeaController();
    QObject::connect(serial, &NmeaPortsCommunicationController::receivedNmeaListFromSerial, router,
        &NmeaController::handleReceivedNmeaList, Qt::UniqueConnection);
    QObject::connect(router, &NmeaController::nmeaGroupReadyToBeSentOverSerialPort, serial,
        &NmeaPortsCommunicationController::sendNmeaGroupOverSerialPort);
}

void SystemWiring::connectAlertsAndBuzzer()
{
    CentralBaseClass *system = &m_system;
    ESDataClass *data = ESDataClass::instance();
    ES_Alerts *alerts = data->alerts();
    QObject::connect(system->beepGenerator(), &BeepGenerator::beepStateChanged, system, [system](bool on) {
        GpioContainer *gpio = system->hardware()->gpioContainer();
        if (on)
            gpio->buzzerOn();
        else
            gpio->buzzerOff();
    });

    AlarmWidget *alarmPanel = system->mainWindow()->alarmWidget();
    QObject::connect(alarmPanel, &AlarmWidget::ackAlerts, system, &CentralBaseClass::ackAlertsFromDisplay);
    QObject::connect(wiredDisplaySetup(), &CU_R207_Setup::AlarmSounderChanged, system,
        &CentralBaseClass::setAlarmBuzzerRequiredState);
    QObject::connect(alerts, &ES_Alerts::dataReceivedFromCommunication, system,
        &CentralBaseClass::setAlarmBuzzerRequiredState);
    QObject::connect(data->setup()->DiagnosticsSetup(), &ESDiagnosticsSetup::SimulateDepthChanged, system,
        [alarmPanel]() { alarmPanel->setAlarm(); });
    QObject::connect(SerializationController::instance(), &SerializationController::commsToTQ55StateChanged,
        system, [alerts](bool comms_ok) {
            if (comms_ok)
                alerts->rectifyJbCommsFailAlert();
            else
                alerts->raiseJbCommsFailAlert();
        });
    connectDeepAlertRules();
}

// The deep alert reads "off" while it is 0, and must lie at least 5 m below the shallow alarm: the lower
// bound of its typed input follows the shallow alarm (0, "off", stays acceptable as the validator's
// additional value).
void SystemWiring::connectDeepAlertRules()
{
    auto *deep = qobject_cast<ValuePropertyInfo *>(sharedDescription("AlertDeep", "AlertSetup"));
    if (!deep)
        return;
    ESAlertSetup *alertSetup = wiredSetupRoot()->AlertSetup();
    const auto showOff = [deep](double value) { deep->setAlternativeTextShown(value == 0.0); };
    showOff(alertSetup->AlertDeep());
    QObject::connect(alertSetup, &ESAlertSetup::AlertDeepChanged, &m_system, showOff);
    QObject::connect(alertSetup, &ESAlertSetup::AlarmShallowChanged, &m_system, [deep](double shallow) {
        if (auto *limits = dynamic_cast<FloatValidator *>(deep->validator()))
            limits->setBottom(float(shallow) + 5.0f);
    });
}

void SystemWiring::connectTouchBeep()
{
    QObject::connect(
        m_system.mainWindow(), &BaseScreen::buzzerTouchBeep, &m_system, &CentralBaseClass::buzzerTouchBeep);
}

void SystemWiring::connectSfiChanges()
{
    QObject::connect(wiredDisplaySetup(), &CU_R207_Setup::LocalSFIChanged, &m_system,
        &CentralBaseClass::displayLocalSfiChanged);
    QObject::connect(wiredSetupRoot()->TQ55Setup(), &ESTQ55Setup::LocalSFIChanged, &m_system,
        &CentralBaseClass::jbLocalSfiChanged);
}

void SystemWiring::setStandbyRouting(bool standby)
{
    SignalEmitter *hub = nmeaHandlerSignalEmitter();
    NmeaController *router = m_system.nmeaController();
    moveLink(hub, &SignalEmitter::signalNmeaMessageTypeAndPortAndId, router,
        &NmeaController::sendStandardNmeaMessageOfTypeOverPort,
        &NmeaController::sendStandardNmeaMessageOfTypeOverPortInStandby, standby);
    moveLink(
        hub, preparedSentenceSignal, router, preparedSentenceSlot, preparedSentenceInStandbySlot, standby);
    moveLink(hub, &SignalEmitter::signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI, router,
        &NmeaController::sendPreparedStandardNmeaListWithCustomDestinationSFI,
        &NmeaController::sendPreparedStandardNmeaListWithCustomDestinationSFIInStandby, standby);
    moveLink(ESDataClass::instance(), &AbstractDataClass::parseData, router,
        &NmeaController::sendProprietaryNmeaList, &NmeaController::sendProprietaryNmeaListInStandby, standby);
    moveLink(m_system.udpController()->nmeaOverUdpController()->nmeaInputBuffer(), &NmeaInputBuffer::parse,
        router, &NmeaController::handleReceivedNmeaList, &NmeaController::handleReceivedNmeaListInStandby,
        standby);
    if (connectsSerialPaths(BuildConfiguration::instance())) {
        moveLink(m_system.serialPortsController(),
            &NmeaPortsCommunicationController::receivedNmeaListFromSerial, router,
            &NmeaController::handleReceivedNmeaList, &NmeaController::handleReceivedNmeaListInStandby,
            standby);
    }
}
