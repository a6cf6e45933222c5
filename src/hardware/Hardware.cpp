#include "hardware/Hardware.h"

#include "comms/NmeaPorts.h"
#include "hardware/AD7997.h"
#include "hardware/DimmingController.h"
#include "hardware/GpioContainer.h"
#include "hardware/supplyVoltageChannels.h"
#include "platform/ESStorageDeviceController.h"
#include "platform/EthernetInterfaces.h"

#include <QDebug>

Hardware::Hardware(QObject *parent)
    : QObject(parent)
{
}

Hardware::~Hardware()
{
    delete m_dimmingController;
    delete m_ethernetInterfaces;
    delete m_nmeaPorts;
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
    m_dimmingController = new DimmingController(this);
    m_ethernetInterfaces = new EthernetInterfaces(this, interfaceName);
    m_nmeaPorts = new NmeaPorts(this);
    m_gpioContainer = new GpioContainer(this);
    m_supplyVoltages = new supplyVoltageChannels;
    // Creating the storage controller starts its device polling.
    m_storageController = new ESStorageDeviceController(this);

    // Every start call is made before the result is judged.
    const bool brightness = m_dimmingController->setDefaultBrightness();
    const bool network = m_ethernetInterfaces->init();
    const bool ports = m_nmeaPorts->openPorts();
    const bool result = brightness && network && ports;

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

SerialReader *Hardware::serialReader1() const
{
    return m_nmeaPorts ? m_nmeaPorts->serialReader1() : nullptr;
}

SerialReader *Hardware::serialReader2() const
{
    return m_nmeaPorts ? m_nmeaPorts->serialReader2() : nullptr;
}

SerialReader *Hardware::serialReader3() const
{
    return m_nmeaPorts ? m_nmeaPorts->serialReader3() : nullptr;
}
