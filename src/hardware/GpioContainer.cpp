#include "hardware/GpioContainer.h"

#include "common/BuildConfiguration.h"

#include <QTimer>

GpioContainer::GpioContainer(QObject *parent)
    : QObject(parent)
    , m_pinE24(QStringLiteral("E24"), QStringLiteral("152"))
    , m_pinE23(QStringLiteral("E23"), QStringLiteral("151"))
    , m_pinD18(QStringLiteral("D18"), QStringLiteral("114"))
    , m_clickTimer(new QTimer(this))
{
    m_pinD18.setDirection(1);
    m_pinE24.setDirection(0);
    m_pinE23.setDirection(0);

    m_clickTimer->setSingleShot(true);
    m_clickTimer->setInterval(TouchBeepMs);
    connect(m_clickTimer, &QTimer::timeout, this, [this] {
        if (!m_buzzerOn)
            driveBuzzer(false);
    });
}

const char GpioContainer::NoAuxSource[] = "No_Aux";

QString GpioContainer::auxSourceOfName(const QString &lineName) const
{
    Q_UNUSED(lineName)
    return QLatin1String(NoAuxSource);
}

QString GpioContainer::auxSourceOfNumber(int lineNumber) const
{
    Q_UNUSED(lineNumber)
    return QLatin1String(NoAuxSource);
}

GpioPin *GpioContainer::pin(const QString &nameOrNumber)
{
    for (GpioPin *line : { &m_pinE24, &m_pinE23, &m_pinD18 }) {
        if (line->name() == nameOrNumber || line->number() == nameOrNumber)
            return line;
    }
    return nullptr;
}

void GpioContainer::driveBuzzer(bool on)
{
    m_pinD18.setValue(on);
}

void GpioContainer::touchBeep()
{
    if (!BuildConfiguration::instance()->isLinux || m_buzzerOn)
        return;
    driveBuzzer(true);
    m_clickTimer->start();
}

void GpioContainer::buzzerOn()
{
    if (!BuildConfiguration::instance()->isLinux)
        return;
    m_buzzerOn = true;
    m_clickTimer->stop();
    driveBuzzer(true);
}

void GpioContainer::buzzerOff()
{
    if (!BuildConfiguration::instance()->isLinux)
        return;
    m_buzzerOn = false;
    m_clickTimer->stop();
    driveBuzzer(false);
}

void GpioContainer::sounderTestOn()
{
    buzzerOn();
}

int GpioContainer::inputState(const QString &nameOrNumber)
{
    GpioPin *line = pin(nameOrNumber);
    if (!line || line == &m_pinD18)
        return 0;
    return line->readValue();
}
