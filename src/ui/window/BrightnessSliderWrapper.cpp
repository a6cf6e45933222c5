#include "ui/window/BrightnessSliderWrapper.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "ui/widgets/SliderPressFilter.h"
#include "ui/window/BaseScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

BrightnessSliderWrapper::BrightnessSliderWrapper(QSlider *slider, QPushButton *increaseButton,
    QPushButton *decreaseButton, QLabel *valueLabel, bool alwaysVisible, QWidget *parent, bool standbySlider)
    : QWidget(parent)
    , m_slider(slider)
    , m_increaseButton(increaseButton)
    , m_decreaseButton(decreaseButton)
    , m_valueLabel(valueLabel)
    , m_pressFilter(new SliderPressFilter(this))
    , m_alwaysVisible(alwaysVisible)
    , m_standbySlider(standbySlider)
{
    // The wrapper itself shows nothing.
    hide();
    m_pressFilter->setSlider(slider);
    m_repeatTimer.setSingleShot(true);
    m_repeatTimer.setInterval(repeatDelayMs);
    connect(&m_repeatTimer, &QTimer::timeout, this, &BrightnessSliderWrapper::increaseBrightnessStep);
    if (!m_alwaysVisible) {
        m_inactivityTimer.setInterval(inactivityTickMs);
        connect(&m_inactivityTimer, &QTimer::timeout, this, &BrightnessSliderWrapper::noActivityTimout);
    }
    connect(slider, &QSlider::valueChanged, this, &BrightnessSliderWrapper::sliderValueChanged);
    connect(increaseButton, &QPushButton::pressed, this, &BrightnessSliderWrapper::increaseButtonPressed);
    connect(decreaseButton, &QPushButton::pressed, this, &BrightnessSliderWrapper::decreaseButtonPressed);
    connect(increaseButton, &QPushButton::released, this, &BrightnessSliderWrapper::resetBrightnessStep);
    connect(decreaseButton, &QPushButton::released, this, &BrightnessSliderWrapper::resetBrightnessStep);
}

BaseScreen *BrightnessSliderWrapper::mainWindow() const
{
    for (QObject *object = parent(); object; object = object->parent()) {
        if (auto *window = qobject_cast<BaseScreen *>(object))
            return window;
    }
    return nullptr;
}

double BrightnessSliderWrapper::currentBrightness() const
{
    if (const BaseScreen *window = mainWindow())
        return window->currentBrightness();
    return m_slider ? m_slider->value() : 0;
}

void BrightnessSliderWrapper::restartInactivityTimer()
{
    m_inactivityTimer.start();
    m_inactivityTicks = 0;
}

void BrightnessSliderWrapper::setSliderValue(int value, bool force, bool alarmFloor)
{
    m_force = force;
    m_alarmFloor = alarmFloor;
    if (!m_slider)
        return;
    if (m_slider->value() == value)
        sliderValueChanged(value);
    else
        m_slider->setValue(value);
}

void BrightnessSliderWrapper::showSliderAndLabel()
{
    for (QWidget *widget : { static_cast<QWidget *>(m_slider), static_cast<QWidget *>(m_valueLabel) }) {
        if (widget) {
            widget->show();
            widget->raise();
        }
    }
}

void BrightnessSliderWrapper::showSlider()
{
    showSliderAndLabel();
    if (!m_alwaysVisible)
        restartInactivityTimer();
}

void BrightnessSliderWrapper::sliderValueChanged(int value)
{
    const int current = int(currentBrightness());
    if (value != current || m_force) {
        if (BaseScreen *window = mainWindow())
            window->storeBrightness(value, m_alwaysVisible ? m_alarmFloor : false);
        m_force = false;
    }
    if (m_valueLabel)
        m_valueLabel->setText(QString::number(int(value / 2.56)) + QLatin1Char('%'));
    if (!m_alwaysVisible)
        restartInactivityTimer();
    emit valueChanged(value);
}

void BrightnessSliderWrapper::stepBrightness(int direction)
{
    int brightness = int(currentBrightness());
    if (direction > 0 && brightness <= 254)
        brightness = qMin(brightness + m_step, 255);
    else if (direction < 0 && brightness > 0)
        brightness = qMax(brightness - m_step, 0);
    m_repeatTimer.start();
    showSliderAndLabel();
    setSliderValue(brightness, false, true);
    if (!m_alwaysVisible)
        restartInactivityTimer();
}

void BrightnessSliderWrapper::increaseButtonPressed()
{
    stepBrightness(+1);
}

void BrightnessSliderWrapper::decreaseButtonPressed()
{
    stepBrightness(-1);
}

void BrightnessSliderWrapper::increaseBrightnessStep()
{
    m_repeatTimer.setInterval(repeatIntervalMs);
    if (m_step < maximumStep)
        ++m_step;
    if (m_increaseButton && m_increaseButton->isDown())
        increaseButtonPressed();
    if (m_decreaseButton && m_decreaseButton->isDown())
        decreaseButtonPressed();
}

void BrightnessSliderWrapper::resetBrightnessStep()
{
    m_step = 1;
    m_repeatTimer.stop();
    m_repeatTimer.setInterval(repeatDelayMs);
    if (!m_standbySlider && !m_alwaysVisible)
        updateColorSchemeToMatchBrightness(int(currentBrightness()));
}

void BrightnessSliderWrapper::hideBrightnessSlider()
{
    if (m_slider)
        m_slider->hide();
    if (m_valueLabel)
        m_valueLabel->hide();
}

void BrightnessSliderWrapper::noActivityTimout()
{
    ++m_inactivityTicks;
    if (!m_standbySlider) {
        const bool held = (m_increaseButton && m_increaseButton->isDown())
            || (m_decreaseButton && m_decreaseButton->isDown());
        if (!held)
            updateColorSchemeToMatchBrightness(int(currentBrightness()));
    }
    if (m_inactivityTicks < inactivityTickLimit)
        return;
    hideBrightnessSlider();
    if (m_standbySlider)
        emit sliderHidden();
    else
        updateSetupValue();
    m_inactivityTicks = 0;
    m_inactivityTimer.stop();
}

void BrightnessSliderWrapper::updateSetupValue()
{
    RemoteDimmingSetup *remote = ESDataClass::instance()->localSetup()->DimmingSetup();
    const int percent = int(int(currentBrightness()) / 2.56);
    if (remote->CurrentBrightnessPercentage() != percent)
        remote->setCurrentBrightnessPercentage(percent);
}

// Day's own brightness is not consulted: everything from Twilight's brightness up is day.
void BrightnessSliderWrapper::updateColorSchemeToMatchBrightness(int brightness)
{
    ESLocalSetup *local = ESDataClass::instance()->localSetup();
    const LocalDimmingSetupContainer *presets = local->DimmingSetupContainer();
    QString letter = QStringLiteral("D");
    if (brightness < presets->OffDimmingSetup()->Brightness())
        letter = QStringLiteral("O");
    else if (brightness < presets->NightDimmingSetup()->Brightness())
        letter = QStringLiteral("N");
    else if (brightness < presets->TwilightDimmingSetup()->Brightness())
        letter = QStringLiteral("K");
    RemoteDimmingSetup *remote = local->DimmingSetup();
    if (remote->DimmingPreset() != letter)
        remote->setDimmingPreset(letter);
    if (remote->ColorPalette() != letter)
        remote->setColorPalette(letter);
}
