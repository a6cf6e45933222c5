#ifndef STORAGEDEVICECONTROLLER_H
#define STORAGEDEVICECONTROLLER_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Watches the mount table ("/etc/mtab") once a second for the panel's removable devices, the USB stick
// mounted on "/media/usb0" and the SD card on "/media/sd0", reports when one is mounted or removed and
// builds the folder the product writes to on a device: mount point + "/korvane" + "/" + product name +
// "_" + serial number. Every file-system path goes through the platform layer's root folder, so a test
// gives the controller its own mount table and mount points.
//
// The product name and the serial number become a folder name, so they are checked: letters, digits,
// "-", "_" and "." only, at most 32 characters. A refused serial number leaves the folder as it was;
// nothing set here can lead outside the maker's folder.
class StorageDeviceController : public QObject
{
    Q_OBJECT
public:
    enum StorageDevice { UsbStick = 0, SdCard = 1 };
    Q_ENUM(StorageDevice)

    // Reads of at most maxMountTableLineLength bytes per check; a line longer than that is skipped.
    static constexpr int maxMountTableLines = 4096;
    static constexpr int maxMountTableLineLength = 4096;

    // Checks the mount table once and starts polling it. A product name that cannot be a folder name
    // is a programming error and throws.
    explicit StorageDeviceController(const QString &productName, QObject *parent = nullptr);

    bool isPresent(StorageDevice device) const;
    bool isUsbPresent() const { return m_usbPresent; }
    bool isSdPresent() const { return m_sdPresent; }
    // The product's folder on the device (0 USB, any other value SD).
    QString deviceFolder(StorageDevice device) const;
    QString productFolder() const { return m_productFolder; }
    QString serialNumber() const { return m_serialNumber; }
    // The poll of the mount table; 1000 ms unless changed (tests shorten it).
    int pollInterval() const { return m_pollTimer.interval(); }
    void setPollInterval(int msec) { m_pollTimer.setInterval(msec); }

    // Whether a text may be used as the product name or the serial number in a folder name.
    static bool isValidFolderNamePart(const QString &text);

signals:
    void devicePresenceChanged(StorageDeviceController::StorageDevice dev, bool present);

public slots:
    void setProductSerialNumber(QString ser_num);
    void setProductSerialNumber(int ser_num);
    // The serial numbers of the settings are unsigned; they keep their unsigned value in the folder.
    void setProductSerialNumber(uint ser_num);
    void checkForDevices();

private:
    // The mount points listed in the mount table, or an empty list when it cannot be read (*ok false).
    QStringList readMountPoints(bool *ok) const;
    void rebuildProductFolder();

    QString m_usbMountPoint;
    QString m_sdMountPoint;
    QString m_makerFolder;
    QString m_productFolder;
    QString m_serialNumber;
    bool m_usbPresent = false;
    bool m_sdPresent = false;
    QTimer m_pollTimer;
    QString m_productName;
};

#endif // STORAGEDEVICECONTROLLER_H
