#ifndef SYSTEMWIRING_H
#define SYSTEMWIRING_H

class BuildConfiguration;
class CentralBaseClass;

// The connections of the system object between the subsystems it creates, grouped by path. Each group is
// made by the system object at its place in the start-up order; a path is connected only where the build
// configuration (device kind, platform) allows it. The connections carry the system object as context
// unless they link two subsystems directly.
class SystemWiring
{
public:
    explicit SystemWiring(CentralBaseClass &system);

    // Conditions under which whole paths are connected.
    static bool connectsDisplayNetworkSettings(const BuildConfiguration *build);
    static bool connectsSerialPaths(const BuildConfiguration *build);
    static bool followsJunctionBoxGroup(const BuildConfiguration *build);
    static bool startsSrpAnnouncements(const BuildConfiguration *build);

    // The group debounce timer to the change of transmission group.
    void connectGroupDebounce();
    // Received time to the clock offsets.
    void connectTime();
    // Brightness raised to the alarm level by hand is kept as the display's dimming.
    void connectBrightness();
    // The alert type, as its description shows it, decides the identifiers of the deep and system alerts.
    void connectAlertType();
    // The address descriptions ("IP" of the junction box's setup, and of the display's where its own
    // network settings are used) colour their buttons by the address range.
    void connectAddressColour();
    // "DisplaySetup".SounderTest switches the buzzer output directly.
    void connectSounderTest();
    // The display's own address settings drive its interface and its serial ports' baud rates.
    void connectDisplayNetworkSettings();
    // The junction box's transmission group, standby mode and restore requests.
    void connectJunctionBoxCommands();
    // The handlers' sentence requests on the handler hub to the router's normal send slots.
    void connectHandlerRequests();
    // Datagrams between the sockets and the sentence and image controllers, received sentence groups to the
    // router, received and outgoing settings text.
    void connectDatagramPaths();
    // Serial lines to and from the router.
    void connectSerialPaths();
    // The alert states, the alarm panel and the link supervision to the buzzer and the acknowledgements;
    // the display rules of the deep-alert setting.
    void connectAlertsAndBuzzer();
    // The screens' key click to the touch beep.
    void connectTouchBeep();
    // The SFI changes of the display and of the junction box.
    void connectSfiChanges();

    // Moves the six routing links between the router's normal slots and their standby twins. Each link is
    // made unique, so a repeated mode moves nothing twice.
    void setStandbyRouting(bool standby);

private:
    void connectDeepAlertRules();

    CentralBaseClass &m_system;
};

#endif // SYSTEMWIRING_H
