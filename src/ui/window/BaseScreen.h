#ifndef BASESCREEN_H
#define BASESCREEN_H

#include "ui/CustomColorDefinitions.h"

#include <QPointer>
#include <QString>
#include <QTime>
#include <QWidget>

#include <functional>

class AlarmWidget;
class CommunicationInformationTable;
class CustomDialog;
class DimmingController;
class ES_Alerts;
class KeyBoardScreen;
class PasswordWidget;
class QLabel;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTimer;

namespace Ui {
class BaseScreen;
}

// The one full-screen main window of the display unit, designed for 800 x 480 and scaled by its
// "custom_layout" container. Its title bar holds the config button, the clock, the maker's mark, the two
// titles and the transducer and unit buttons; below it the stack "stacked_basescreen" holds the setup
// side (page 0, "setup_screens") and the runtime side (page 1, "runtime_screens"). Over both lie the
// overlays it creates: keyboard screen, password lock, the shared dialog, the long-press menus, the alarm
// panel over the alert store, the standby screen and, always on top, the dimming overlay
// "brightness_widget", which darkens the picture below brightness 50 and lets every touch through.
//
// Navigation: a short press on the config button goes one level up (runtime side -> setup menu -> runtime
// side), a press held 2000 ms goes straight to the runtime side; 120000 ms on the setup side without a
// press return to the runtime side as well. Every press on a push button or an on-screen key asks for a
// touch beep (buzzerTouchBeep()).
//
// It keeps the display's brightness (0 to 255) for normal operation and for standby and applies it to the
// DimmingController; while an alert needs attention the display is kept at least at the alarm level. In
// standby a black button covers the window: a tap asks the system to wake up, a 2000 ms hold opens the
// standby brightness slider.
class BaseScreen : public QWidget
{
    Q_OBJECT

public:
    static const int initialNormalBrightness = 128;
    static const int initialStandbyBrightness = 20;
    static const int alarmBrightnessLevel = 40;
    // Below this brightness the overlay darkens the picture.
    static const int overlayThreshold = 50;
    // A press on the standby button held this long is not a wake-up tap.
    static const int standbyHoldMs = 2000;
    static const int clockMs = 2000;
    // A config press held this long goes straight to the runtime side.
    static const int configHoldMs = 2000;
    // The setup side returns to the runtime side after this long without a press.
    static const int inactivityMs = 120000;
    // The unit button stays disabled this long after a step.
    static const int unitLockMs = 1500;

    // The standby brightness slider as the window drives it: the wrapper object (its sliderHidden()
    // signal hides the slider holder again), how to put a brightness into it and how to open it.
    struct StandbySlider
    {
        QObject *wrapper = nullptr;
        std::function<void(int)> setValue;
        std::function<void()> show;
    };

    // The widgets of the screens above this library, made while the window is built so that the scaling
    // container and the theme take them in like the form's own widgets. A part left empty keeps its
    // stand-in: a plain page named "setup_screens" or "runtime_screens" in the main stack, no long-press
    // menu, no standby slider (a hold on the standby screen then only lifts a black standby brightness).
    //  - setupScreens, runtimeScreens: the two sides, made with the main stack as parent. The window
    //    links the side's signals signalRightTitleLabelText(QString) and signalLeftTitleLabelText(QString)
    //    where it declares them, finds the side's stacks "stacked_systems" and "stacked_setup_menus" by
    //    name, asks the runtime side to re-read its settings through its invokable initializeScreensData()
    //    and takes the setup side's CommunicationInformationTable.
    //  - longPressMenu, setupLongPressMenu: the long-press menu of a runtime value and the value chooser,
    //    made with "custom_layout" as parent; the window names them "long_press_menu" and
    //    "setup_long_press_menu", lays them over the whole window and hides them.
    //  - standbySlider: the wrapper over the slider widgets of "standby_dimming_slider_holder" (see
    //    standbySliderWidgets()), in its standby variant.
    struct Parts
    {
        std::function<QWidget *(QWidget *parent)> setupScreens;
        std::function<QWidget *(QWidget *parent)> runtimeScreens;
        std::function<QWidget *(QWidget *parent)> longPressMenu;
        std::function<QWidget *(QWidget *parent)> setupLongPressMenu;
        std::function<StandbySlider(BaseScreen *window)> standbySlider;
    };

    // Neither the alert store nor the dimming controller is owned.
    BaseScreen(ES_Alerts *alerts, DimmingController *dimmingController, QWidget *parent = nullptr,
        const Parts &parts = Parts());
    ~BaseScreen() override;

    AlarmWidget *alarmWidget() const { return m_alarmWidget; }
    // The setup side's communication monitor; while the setup side has none, one that waits hidden.
    CommunicationInformationTable *communicationInformationTable() const { return m_communicationTable; }
    KeyBoardScreen *keyboardScreen() const { return m_keyboardScreen; }
    PasswordWidget *passwordWidget() const { return m_passwordWidget; }
    CustomDialog *customDialog() const;
    QWidget *setupScreens() const { return m_setupScreens; }
    QWidget *runtimeScreens() const { return m_runtimeScreens; }
    // Null until the part is given.
    QWidget *longPressMenu() const { return m_longPressMenu; }
    QWidget *setupLongPressScreen() const { return m_setupLongPressMenu; }
    QPushButton *transducerButton() const;
    void moveUnitButton(const QPoint &position);
    // Whether the left title shows the text whole (a live value in it is shown whole or as not valid).
    bool leftTitleFits(const QString &text) const;

    // The widgets the standby slider wrapper drives.
    struct StandbySliderWidgets
    {
        QSlider *slider;
        QPushButton *increaseButton;
        QPushButton *decreaseButton;
        QLabel *valueLabel;
    };
    StandbySliderWidgets standbySliderWidgets() const;
    QWidget *standbySliderHolder() const;

    // While set, the config button of a sub-page that runs its own way back only emits
    // configButtonClicked() (a hold still goes on to the runtime side).
    void setConfigButtonRedirected(bool redirected) { m_configRedirected = redirected; }
    bool isConfigButtonRedirected() const { return m_configRedirected; }
    bool isUnitButtonLocked() const { return m_unitButtonLocked; }

    // Asks the runtime side to read its page settings again.
    void reinitializeRuntimePages();

    // The start page ("0"): the runtime system page and the setup menu page the navigation shows, and
    // the runtime system page shown once at start. Process-wide.
    static QString startPageIndex();
    static void setStartPageIndex(const QString &index);
    static QString initialPageIndex();
    static void setInitialPageIndex(const QString &index);

    // Applies a brightness: raised to the alarm level while an alert needs attention (unless forced),
    // darkened by the overlay below 50, then handed to the dimming controller.
    void applyBrightness(int value, bool force);
    // Stores the value as the standby brightness in standby, else as the normal brightness, and applies
    // it; with alarmFloor the alarm level is applied instead when the normal brightness is below it.
    void storeBrightness(int value, bool alarmFloor);
    // Applies the stored normal brightness again; the system object calls it once at start.
    void applyNormalBrightness();
    double currentBrightness() const;
    int normalBrightness() const { return m_normalBrightness; }
    int standbyBrightness() const { return m_standbyBrightness; }
    // The alpha last written into the overlay's style sheet.
    int overlayAlpha() const { return m_overlayAlpha; }
    bool isAlarmActive() const { return m_alarmActive; }
    void setAlarmActive(bool active) { m_alarmActive = active; }
    // Raises a normal brightness below the alarm level to it, stores it and reports it as a percentage.
    void increaseBrightnessToAlarmLevel();

    // Enters (true) or leaves (false) the standby screen; a repeated call changes nothing.
    void setStandbyMode(bool on);
    bool isStandby() const { return m_standby; }
    QPushButton *standbyButton() const { return m_standbyButton; }

    // The window's timers; tests shorten them.
    void setTimerIntervals(int clockMs, int configHoldMs, int inactivityMs, int unitLockMs);
    bool isInactivityTimerActive() const;
    int inactivityInterval() const;
    int configHoldInterval() const;
    int clockInterval() const;
    int unitLockInterval() const { return m_unitLockMs; }
    // Where the clock takes its time from: by default the ship's time when known (a null time shows the
    // clock as unknown).
    void setClockSource(std::function<QTime()> source) { m_clockSource = std::move(source); }

signals:
    // Declared for the screens; nothing emits them.
    void screenChanged(QString screen_name);
    void widgetInfoChanged(QString info, double data);
    // A push button or an on-screen key was pressed: the system object gives a key click.
    void buzzerTouchBeep();
    void aboutToClose();
    void brightnessManuallyChangedToAlarmLevel(int brightness);
    // The standby screen was tapped: the system should return to normal operation.
    void systemWakeUpSignal();
    // The config button while redirected (see setConfigButtonRedirected).
    void configButtonClicked();

public slots:
    void raiseBrightnessWidget();
    void repaintClockLabel();
    void unitChanged(QString value);
    void on_config_button_pressed();
    void on_config_button_released();
    void adjustBrightnessToAlarmState(bool alarm_active);
    void enableUnitButton();
    void on_unit_button_released();
    void goToMainSetupScreen();
    void goToRuntimeScreen();
    void goToSetupMenu(int index);
    void goToHigherLevelSetupScreen();
    void goDirectlyToRuntimeScreen();
    void goToDiagnosticSetupScreen();
    void on_stacked_basescreen_currentChanged(int index);
    void standbyButtonPressed();
    void standbyButtonReleased();
    void reloadUpAndDownArrowIcons(enum_ColorPalette color_enum);
    void slotEnteredInnerMenu(QStackedWidget *stack);
    // Shows the widget of that object name: every stack above it, up to the main stack, turns to the
    // page that holds it. An unknown name changes nothing.
    void navigateDirect(QString path);

private slots:
    // The setup side's left title, with a live value: plain text cut to the title.
    void showLeftTitle(const QString &text);
    // The titles of a side reach the right title only while that side is shown.
    void showTitleIfSetupVisible(const QString &text);
    void showTitleIfRuntimeVisible(const QString &text);
    void hideSliderHolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createParts(const Parts &parts);
    QWidget *replacePage(int index, const std::function<QWidget *(QWidget *)> &make);
    QWidget *createMenu(const std::function<QWidget *(QWidget *)> &make, const QString &name);
    void createOverlayWidgets();
    void initializeScreenState();
    void connectSignals();
    void placeAlarmWidget();
    void writeOverlayAlpha(int alpha);
    void navigateOneLevelUp();
    QStackedWidget *sideStack(QWidget *side, const char *name) const;
    void showClockText(const QString &text);

    Ui::BaseScreen *m_ui;
    ES_Alerts *m_alerts;
    QPointer<DimmingController> m_dimmingController;
    AlarmWidget *m_alarmWidget = nullptr;
    CommunicationInformationTable *m_communicationTable = nullptr;
    KeyBoardScreen *m_keyboardScreen = nullptr;
    PasswordWidget *m_passwordWidget = nullptr;
    QWidget *m_setupScreens = nullptr;
    QWidget *m_runtimeScreens = nullptr;
    QWidget *m_longPressMenu = nullptr;
    QWidget *m_setupLongPressMenu = nullptr;
    StandbySlider m_standbySlider;

    int m_normalBrightness = initialNormalBrightness;
    int m_standbyBrightness = initialStandbyBrightness;
    int m_overlayAlpha = 0;
    bool m_alarmActive = false;
    bool m_standby = false;
    QPushButton *m_standbyButton = nullptr;
    QTimer *m_standbyHoldTimer = nullptr;

    QTime m_currentTime;
    bool m_colonPhase = true;
    QString m_clockSuffix;
    std::function<QTime()> m_clockSource;
    QTimer *m_clockTimer = nullptr;
    QTimer *m_configHoldTimer = nullptr;
    QTimer *m_inactivityTimer = nullptr;
    int m_unitLockMs = unitLockMs;

    bool m_unitButtonLocked = false;
    bool m_configRedirected = false;
    QPointer<QStackedWidget> m_innerMenuStack;
};

#endif // BASESCREEN_H
