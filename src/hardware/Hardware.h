#ifndef HARDWARE_H
#define HARDWARE_H

#include <QObject>

class AD7997;
class DimmingController;
class ESStorageDeviceController;
class EthernetInterfaces;
class GpioContainer;
class NmeaPorts;
class SerialReader;
struct supplyVoltageChannels;

// Owns the panel's platform parts and starts them for the network interface the user chose. Every display
// build creates it; on a platform without the devices the parts keep their logic and leave the devices
// alone.
class Hardware : public QObject
{
    Q_OBJECT

public:
    explicit Hardware(QObject *parent = nullptr);
    ~Hardware() override;

    // Creates the parts and starts them; true when every part started. A part that fails does not stop the
    // others; the failure is reported by a debug banner. A second call creates nothing and answers the
    // result of the first.
    bool init(const QString &interfaceName);

    DimmingController *dimmingController() const { return m_dimmingController; }
    GpioContainer *gpioContainer() const { return m_gpioContainer; }
    supplyVoltageChannels *supplyVoltages() const { return m_supplyVoltages; }
    // Never set: nothing in the system creates the converter object.
    AD7997 *ad7997() const { return m_ad7997; }
    EthernetInterfaces *ethernetInterfaces() const { return m_ethernetInterfaces; }
    NmeaPorts *nmeaPorts() const { return m_nmeaPorts; }
    ESStorageDeviceController *storageController() const { return m_storageController; }
    // The readers of the serial ports 0 to 2; null before init.
    SerialReader *serialReader1() const;
    SerialReader *serialReader2() const;
    SerialReader *serialReader3() const;

private:
    DimmingController *m_dimmingController = nullptr;
    EthernetInterfaces *m_ethernetInterfaces = nullptr;
    NmeaPorts *m_nmeaPorts = nullptr;
    GpioContainer *m_gpioContainer = nullptr;
    supplyVoltageChannels *m_supplyVoltages = nullptr;
    AD7997 *m_ad7997 = nullptr;
    // A Qt child: deleted with Hardware's children.
    ESStorageDeviceController *m_storageController = nullptr;

    bool m_initialized = false;
    bool m_initResult = false;
};

#endif // HARDWARE_H
