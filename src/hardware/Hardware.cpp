#include "hardware/Hardware.h"

#include "hardware/AD7997.h"
#include "hardware/DimmingController.h"
#include "hardware/GpioContainer.h"
#include "hardware/supplyVoltageChannels.h"

#include <QDebug>

Hardware::Hardware(QObject *parent)
    : QObject(parent)
{
}

Hardware::~Hardware()
{
    delete m_dimmingController;
    delete m_gpioContainer;
    delete m_supplyVoltages;
    delete m_ad7997;
}

bool Hardware::init(const QString &interfaceName)
{
    if (m_initialized) {
        qDebug() << "Hardware already initialised";
        return m_initResult;
    }
    m_initialized = true;
    // The interface name goes to the network interfaces, which are created here with it.
    Q_UNUSED(interfaceName)

    m_dimmingController = new DimmingController(this);
    // EthernetInterfaces (interface name) is created here.
    // NmeaPorts is created here.
    m_gpioContainer = new GpioContainer(this);
    m_supplyVoltages = new supplyVoltageChannels;
    // ESStorageDeviceController is created here; creating it starts its device polling.

    // Every start call is made before the result is judged.
    bool result = m_dimmingController->setDefaultBrightness();
    // EthernetInterfaces::init and NmeaPorts::openPorts join the result here.

    if (!result) {
        const QString marks(28, QLatin1Char('!'));
        const QString line(81, QLatin1Char('!'));
        qDebug().noquote() << line;
        qDebug().noquote() << marks + "  Hardware init failed   " + marks;
        qDebug().noquote() << marks + "  Check Hardware!        " + marks;
        qDebug().noquote() << line;
    }
    m_initResult = result;
    return result;
}
