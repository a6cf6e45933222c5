#ifndef BASESCREEN_H
#define BASESCREEN_H

#include <QPointer>
#include <QString>
#include <QWidget>

class AlarmWidget;
class CommunicationInformationTable;
class DimmingController;
class ES_Alerts;
class QPushButton;
class QTimer;

namespace Ui {
class BaseScreen;
}

// The one full-screen main window of the display unit, designed for 800 x 480 and scaled by its
// "custom_layout" container. It carries the product name in its title bar and the overlays that lie over
// every page: the alarm panel over the alert store, and the dimming overlay "brightness_widget", which
// darkens the picture below brightness 50 and always stays on top (it lets every touch through).
//
// It keeps the display's brightness (0 to 255) for normal operation and for standby and applies it to the
// DimmingController; while an alert needs attention (the alarm panel says so) the display is kept at
// least at the alarm level. In standby a black button covers the window; a tap on it asks the system to
// wake up.
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

    // Neither the alert store nor the dimming controller is owned.
    BaseScreen(ES_Alerts *alerts, DimmingController *dimmingController, QWidget *parent = nullptr);
    ~BaseScreen() override;

    AlarmWidget *alarmWidget() const { return m_alarmWidget; }
    CommunicationInformationTable *communicationInformationTable() const { return m_communicationTable; }

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

signals:
    // A push button of the window was pressed: the system object gives a key click.
    void buzzerTouchBeep();
    void aboutToClose();
    void brightnessManuallyChangedToAlarmLevel(int brightness);
    // The standby screen was tapped: the system should return to normal operation.
    void systemWakeUpSignal();

public slots:
    void raiseBrightnessWidget();
    void adjustBrightnessToAlarmState(bool alarm_active);
    void standbyButtonPressed();
    void standbyButtonReleased();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createOverlayWidgets();
    void placeAlarmWidget();
    void writeOverlayAlpha(int alpha);

    Ui::BaseScreen *m_ui;
    ES_Alerts *m_alerts;
    QPointer<DimmingController> m_dimmingController;
    AlarmWidget *m_alarmWidget = nullptr;
    CommunicationInformationTable *m_communicationTable = nullptr;

    int m_normalBrightness = initialNormalBrightness;
    int m_standbyBrightness = initialStandbyBrightness;
    int m_overlayAlpha = 0;
    bool m_alarmActive = false;
    bool m_standby = false;
    QPushButton *m_standbyButton = nullptr;
    QTimer *m_standbyHoldTimer = nullptr;
};

#endif // BASESCREEN_H
