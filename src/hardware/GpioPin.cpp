#include "hardware/GpioPin.h"

#include "common/BuildConfiguration.h"
#include "platform/SysfsGpio.h"

namespace {

bool hasLines()
{
    return BuildConfiguration::instance()->isLinux;
}

} // namespace

GpioPin::GpioPin(const QString &name, const QString &number)
    : m_name(name)
    , m_number(number)
{
    exportLine();
    setEdge(QStringLiteral("both"));
}

void GpioPin::exportLine()
{
    if (hasLines())
        SysfsGpio::exportLine(m_number);
}

void GpioPin::setEdge(const QString &edge)
{
    if (hasLines())
        SysfsGpio::setEdge(m_number, edge);
}

void GpioPin::setDirection(int direction)
{
    if (hasLines())
        SysfsGpio::setDirection(m_number, direction == 1);
}

void GpioPin::setValue(bool high)
{
    if (hasLines())
        SysfsGpio::setValue(m_number, high);
}

int GpioPin::readValue() const
{
    return hasLines() ? SysfsGpio::value(m_number) : 0;
}
