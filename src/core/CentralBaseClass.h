#ifndef CENTRALBASECLASS_H
#define CENTRALBASECLASS_H

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class BaseScreen;
class BeepGenerator;
class CommunicationForwardingController;
class ESStorageDeviceController;
class EthernetInterfaces;
class Hardware;
class NetworkSelectWidget;
class NmeaController;
class NmeaPorts;
class NmeaPortsCommunicationController;
class QTimer;
class TmpPortsSetupAdapter;
class ValuePropertyInfo;
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
    static constexpr int defaultGroupDebounceInterval = 10000;
    static constexpr int defaultRestoreResetDelay = 5000;

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

    NetworkSelectWidget *networkSelectWidget() const { return m_networkSelectWidget.get(); }
    BaseScreen *mainWindow() const { return m_mainWindow.get(); }
    Hardware *hardware() const { return m_hardware.get(); }
    Udp61162450Controller *udpController() const { return m_udpController.get(); }
    socketInterface *socketInterfaceObject() const { return m_socketInterface.get(); }
    NmeaController *nmeaController() const { return m_nmeaController.get(); }
    CommunicationForwardingController *forwardingController() const { return m_forwardingController; }
    NmeaPortsCommunicationController *serialPortsController() const { return m_serialPortsController; }
    BeepGenerator *beepGenerator() const { return m_beepGenerator; }
    QTimer *groupDebounceTimer() const { return m_groupDebounceTimer; }
    // The network interfaces, the serial port set and the storage devices of the unit.
    EthernetInterfaces *ethernetInterfaces() const { return m_ethernetInterfaces; }
    NmeaPorts *nmeaPorts() const { return m_nmeaPorts; }
    ESStorageDeviceController *storageDeviceController() const { return m_storageDeviceController; }

    // How long after the last change of transmission group the sockets follow, and after a restore
    // request its setting is reset; 10 000 and 5000 ms unless changed (tests shorten them).
    int groupDebounceInterval() const { return m_groupDebounceInterval; }
    void setGroupDebounceInterval(int msec);
    int restoreResetDelay() const { return m_restoreResetDelay; }
    void setRestoreResetDelay(int msec) { m_restoreResetDelay = msec; }

protected slots:
    void setAlarmBuzzerRequiredState();
    void buzzerTouchBeep();
    void ackAlertsFromDisplay();
    // Colours the address button of an "IP" description: black for an address in a private range, orange
    // otherwise.
    void ipChanged(ValuePropertyInfo *ip_info);

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
    friend class SystemWiring;

    void createHardwareParts(const QString &interface_name);
    void setupAlertsAndBuzzer();
    // The transmission groups the product may not use (getInvalidGroupIndexes()) become unselectable on
    // the "Group" descriptions of the junction box's and the display's setup.
    void setGroupChoices();

    // Releases the port setup adapter and withdraws it from the sentence handlers if it is still theirs.
    struct PortsSetupAdapterRelease
    {
        void operator()(TmpPortsSetupAdapter *adapter) const;
    };

    // The objects owned without parent, declared so that they are destroyed in the reverse order: the main
    // window (it shows the hardware's dimming), the socket interface (it reads the UDP controller's
    // sockets), the UDP controller, the NMEA controller, the hardware, then the adapter and the dialog.
    std::unique_ptr<NetworkSelectWidget> m_networkSelectWidget;
    std::unique_ptr<TmpPortsSetupAdapter, PortsSetupAdapterRelease> m_portsSetupAdapter;
    std::unique_ptr<Hardware> m_hardware;
    std::unique_ptr<NmeaController> m_nmeaController;
    std::unique_ptr<Udp61162450Controller> m_udpController;
    std::unique_ptr<socketInterface> m_socketInterface;
    std::unique_ptr<BaseScreen> m_mainWindow;

    // Children of the system object.
    CommunicationForwardingController *m_forwardingController = nullptr;
    NmeaPortsCommunicationController *m_serialPortsController = nullptr;
    QTimer *m_groupDebounceTimer = nullptr;
    BeepGenerator *m_beepGenerator = nullptr;

    int m_groupDebounceInterval = defaultGroupDebounceInterval;
    int m_restoreResetDelay = defaultRestoreResetDelay;

    // Parts of the hardware, kept at hand.
    EthernetInterfaces *m_ethernetInterfaces = nullptr;
    NmeaPorts *m_nmeaPorts = nullptr;
    ESStorageDeviceController *m_storageDeviceController = nullptr;
};

#endif // CENTRALBASECLASS_H
