#ifndef CENTRALBASECLASS_H
#define CENTRALBASECLASS_H

#include <QList>
#include <QMessageLogContext>
#include <QObject>
#include <QString>

#include <functional>

class BaseScreen;
class BeepGenerator;
class BuildConfiguration;
class CommunicationForwardingController;
class ES_Alerts;
class ESStorageDeviceController;
class EthernetInterfaces;
class Hardware;
class NetworkSelectWidget;
class NmeaController;
class NmeaPorts;
class NmeaPortsCommunicationController;
class QTimer;
class TmpPortsSetupAdapter;
class Udp61162450Controller;
class socketInterface;

// The system object: the composition root of the display unit. Its constructor only creates the
// network-selection dialog; when the user confirms an interface, the whole system is built and connected
// synchronously (constructCentralBaseClass), the network is started, the main window is shown and the unit
// announces itself with "DEVSTART". Every path is connected only where the build configuration (device kind,
// platform, product) allows it. A product derives from this class, supplies the transmission groups it may
// not use and adds its own wiring after the common one.
//
// It also hosts the operations the wiring leads to: normal and standby routing, the clock offsets from
// received time, the restore of defaults, SFI changes, the transmission group, the alert identifiers of the
// alert type, the buzzer pattern chosen from the alert states and the acknowledgements from the alarm panel.
class CentralBaseClass : public QObject
{
    Q_OBJECT

public:
    // The buzzer patterns: phase durations in ms, alternately on and off, starting on, repeated.
    static QList<int> threeBeepsPattern();
    static QList<int> twoBeepsPattern();
    // Two beeps once per escalation time (index 0 to 4 of the choices 1 to 5 minutes).
    static QList<int> escalationPattern(int escalation_index);

    // What the buzzer should do for the alert states: silence (without touching the pattern), or play the
    // pattern, or keep the pattern set but stay silent.
    struct BuzzerChoice
    {
        bool silenceOnly = false;
        QList<int> pattern;
        bool sound = false;
    };
    static BuzzerChoice chooseBuzzer(const ES_Alerts *alerts, int alarm_sounder, int escalation_index);

    // Conditions under which whole paths are connected.
    static bool connectsDisplayNetworkSettings(const BuildConfiguration *build);
    static bool connectsSerialPaths(const BuildConfiguration *build);
    static bool followsJunctionBoxGroup(const BuildConfiguration *build);
    static bool startsSrpAnnouncements(const BuildConfiguration *build);

    // Runs `body` (the program's life: system object and event loop). A character-string exception, thrown
    // for a programming error anywhere inside it, is logged and ends the program with exit status 1 instead
    // of terminating it; the body's result is returned otherwise.
    static int runGuarded(const std::function<int()> &body);

    explicit CentralBaseClass(QObject *parent = nullptr);
    ~CentralBaseClass() override;

    // Shows the network-selection dialog and builds the system once an interface is confirmed.
    void start();
    // The start after the choice: the system, then the product hook, the shared setup announced once and the
    // runtime pages bound again.
    void onNetworkSelected(const QString &interface_name);
    void initializeSystem(const QString &interface_name);

    NetworkSelectWidget *networkSelectWidget() const { return m_networkSelectWidget; }
    BaseScreen *mainWindow() const { return m_mainWindow; }
    Hardware *hardware() const { return m_hardware; }
    Udp61162450Controller *udpController() const { return m_udpController; }
    socketInterface *socketInterfaceObject() const { return m_socketInterface; }
    NmeaController *nmeaController() const { return m_nmeaController; }
    CommunicationForwardingController *forwardingController() const { return m_forwardingController; }
    NmeaPortsCommunicationController *serialPortsController() const { return m_serialPortsController; }
    BeepGenerator *beepGenerator() const { return m_beepGenerator; }
    QTimer *groupDebounceTimer() const { return m_groupDebounceTimer; }
    // The network interfaces, the serial port set and the storage devices of the unit.
    EthernetInterfaces *ethernetInterfaces() const { return m_ethernetInterfaces; }
    NmeaPorts *nmeaPorts() const { return m_nmeaPorts; }
    ESStorageDeviceController *storageDeviceController() const { return m_storageDeviceController; }

protected slots:
    void setAlarmBuzzerRequiredState();
    void buzzerTouchBeep();
    void ackAlertsFromDisplay();

public slots:
    virtual void setInitialCommunicationParameters();
    virtual void constructCentralBaseClass(QString intrfaceName);
    void constructCentralBaseClass();
    virtual void systemOperationModeChanged(int mode);
    virtual void setCurrentUtcDateTime(QString date_time);
    virtual QList<int> getInvalidGroupIndexes() = 0;

protected:
    virtual void productHook();
    virtual void reinitializeRuntimePages();

private slots:
    void alertTypeChanged(QString type);
    void setUtcToLocalDateTimeSecsOffset(int offset, bool is_valid);
    void setUtcTimeReceived(int v);
    void restoreAllSetups(int v);
    void restoreAllSetupsExceptIO(int v);
    void resetSetupRestoreSettings();
    void displayLocalSfiChanged(QString new_sfi);
    void jbLocalSfiChanged(QString new_sfi);
    void changeNmeaGroup();
    void loopTestChanged(int v);
    void testSerialPorts();
    void partOfSerialPortsTestingFinished();

private:
    void createHardwareParts(const QString &interface_name);
    void connectDisplayNetworkSettings();
    void connectDatagramPaths();
    void connectSerialPaths();
    void setupAlertsAndBuzzer();

    Udp61162450Controller *m_udpController = nullptr;
    socketInterface *m_socketInterface = nullptr;
    Hardware *m_hardware = nullptr;
    NmeaController *m_nmeaController = nullptr;
    CommunicationForwardingController *m_forwardingController = nullptr;
    NmeaPortsCommunicationController *m_serialPortsController = nullptr;
    TmpPortsSetupAdapter *m_portsSetupAdapter = nullptr;
    QTimer *m_groupDebounceTimer = nullptr;
    NetworkSelectWidget *m_networkSelectWidget = nullptr;
    BaseScreen *m_mainWindow = nullptr;
    BeepGenerator *m_beepGenerator = nullptr;
    EthernetInterfaces *m_ethernetInterfaces = nullptr;
    NmeaPorts *m_nmeaPorts = nullptr;
    ESStorageDeviceController *m_storageDeviceController = nullptr;
};

// A Qt message handler that writes every message with its source position to the standard error stream
// ("Debug: ", "Warning: ", "Critical: ", "Fatal: " or "Info: " in front) and aborts on a fatal message.
// Available for debugging; the program does not install it.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
// The line logMessageHandler writes, without its line end.
QString formatLogMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

#endif // CENTRALBASECLASS_H
