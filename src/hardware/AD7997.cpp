#include "hardware/AD7997.h"

#include "common/BuildConfiguration.h"

AD7997::~AD7997() = default;

float AD7997::voltage(int reading) const
{
    static const float fixedReadings[8] = { 24.0f, 5.5f, 5.0f, 5.0f, 3.3f, 0.0f, 0.0f, 0.0f };
    if (reading < 1 || reading > 8 || !BuildConfiguration::instance()->isWindows)
        return 0.0f;
    return fixedReadings[reading - 1];
}

bool AD7997::isVoltageWithinLimits(int reading) const
{
    return reading >= 1 && reading <= 8 && BuildConfiguration::instance()->isWindows;
}

float AD7997::rawReading(int) const
{
    return 0.0f;
}
