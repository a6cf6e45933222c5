#ifndef BRIGHTNESSSLIDERWRAPPER_H
#define BRIGHTNESSSLIDERWRAPPER_H

#include <QPointer>
#include <QTimer>
#include <QWidget>

class BaseScreen;
class QLabel;
class QPushButton;
class QSlider;
class SliderPressFilter;

// Turns a vertical slider (0 to 255), an increase and a decrease button and a value label into the
// display's brightness control. Every value the slider takes is applied through the main window (the
// BaseScreen among the wrapper's ancestors) and shown in percent. A held button repeats: one step at the
// press, then after 400 ms every 70 ms with a step growing to 5. Unless built always visible, slider and
// label hide themselves 2.4 s after the last activity; the variant of the standby screen then announces
// sliderHidden(), the others publish the brightness for remote dimming and choose the dimming preset
// whose brightness band holds it.
//
// The widgets are not owned: they belong to the form that shows them. Without a main window among its
// ancestors (a wrapper not placed in the window) nothing is applied and the slider's own value counts
// as the current brightness.
class BrightnessSliderWrapper : public QWidget
{
    Q_OBJECT

public:
    static const int repeatDelayMs = 400;
    static const int repeatIntervalMs = 70;
    static const int inactivityTickMs = 300;
    static const int inactivityTickLimit = 8;
    static const int maximumStep = 5;

    BrightnessSliderWrapper(QSlider *slider, QPushButton *increaseButton, QPushButton *decreaseButton,
        QLabel *valueLabel, bool alwaysVisible, QWidget *parent = nullptr, bool standbySlider = false);

    // Puts a value into the slider; the flags apply to the brightness it stores: `force` stores it even
    // when it equals the current brightness, `alarmFloor` (always-visible wrapper only) keeps the alarm
    // level while an alert needs attention.
    void setSliderValue(int value, bool force, bool alarmFloor);
    void showSlider();
    // The main window's current brightness (the slider's value without a main window).
    double currentBrightness() const;
    void restartInactivityTimer();

    int step() const { return m_step; }

signals:
    void valueChanged(int value);
    void sliderHidden();

public slots:
    void increaseButtonPressed();
    void decreaseButtonPressed();
    void resetBrightnessStep();
    void sliderValueChanged(int value);
    void hideBrightnessSlider();
    void increaseBrightnessStep();
    void noActivityTimout();
    // Chooses the dimming preset letter whose band holds `brightness` ("O" below Off's brightness, "N"
    // below Night's, "K" below Twilight's, else "D") and makes it the remote preset and palette.
    void updateColorSchemeToMatchBrightness(int brightness);
    // Publishes the current brightness in percent for remote dimming.
    void updateSetupValue();

private:
    BaseScreen *mainWindow() const;
    void stepBrightness(int direction);
    void showSliderAndLabel();

    QPointer<QSlider> m_slider;
    QPointer<QPushButton> m_increaseButton;
    QPointer<QPushButton> m_decreaseButton;
    QPointer<QLabel> m_valueLabel;
    SliderPressFilter *m_pressFilter;
    bool m_alwaysVisible;
    bool m_standbySlider;
    int m_step = 1;
    QTimer m_repeatTimer;
    QTimer m_inactivityTimer;
    int m_inactivityTicks = 0;
    bool m_force = false;
    bool m_alarmFloor = true;
};

#endif // BRIGHTNESSSLIDERWRAPPER_H
