#include "hardware/DimmingController.h"

#include "common/BuildConfiguration.h"
#include "platform/PlatformPaths.h"
#include "platform/SysfsAttribute.h"

#include <QtGlobal>

DimmingController::DimmingController(QObject *parent)
    : QObject(parent)
{
}

bool DimmingController::setDefaultBrightness()
{
    m_brightness = 128;
    applyBrightness();
    return true;
}

void DimmingController::applyBrightness()
{
    if (!BuildConfiguration::instance()->isLinux)
        return;
    // The level goes to the file as text; no command line is ever built from it.
    SysfsAttribute::write(PlatformPaths::backlightBrightness(), QByteArray::number(m_brightness) + '\n');
}

void DimmingController::setBrightness(int dimming)
{
    const int level = qBound(0, dimming, 255);
    if (level == m_brightness)
        return;
    m_brightness = level;
    applyBrightness();
}

void DimmingController::increaseBrightness(int delta)
{
    // 64-bit sum: a delta near the int limits must clamp, not wrap.
    setBrightness(static_cast<int>(qBound<qint64>(-1, qint64(m_brightness) + delta, 256)));
}

void DimmingController::increaseBrightness()
{
    increaseBrightness(1);
}

void DimmingController::decreaseBrightness(int delta)
{
    setBrightness(static_cast<int>(qBound<qint64>(-1, qint64(m_brightness) - delta, 256)));
}

void DimmingController::decreaseBrightness()
{
    decreaseBrightness(1);
}
