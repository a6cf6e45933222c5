#ifndef ESSTORAGEDEVICECONTROLLER_H
#define ESSTORAGEDEVICECONTROLLER_H

#include "platform/StorageDeviceController.h"

#include <QMetaType>
#include <QObject>
#include <QString>

// The logging devices, as the communication-logging setting lists them ("Internal;USB;SD").
enum enum_LogToDevice : int { LogToInternal = 0, LogToUsb = 1, LogToSd = 2 };
Q_DECLARE_METATYPE(enum_LogToDevice)

// The product's storage devices for logs and saved setups, named as the logging settings name them:
// where each device's root folder is and whether it is present, and a signal when a removable device
// (USB stick or SD card) comes or goes. The folders on the removable devices carry the product name
// "TVR200" and the serial number given by the system object.
class ESStorageDeviceController : public StorageDeviceController
{
    Q_OBJECT
public:
    explicit ESStorageDeviceController(QObject *parent = nullptr);

    // The root folder for files on the device: on the "WINDOWS" platform the application's directory for
    // every device; otherwise "/opt" for the internal device and the product folder on the USB stick or
    // the SD card. Empty for a value that names no device.
    virtual QString devicePath(enum_LogToDevice device) const;
    // On the "WINDOWS" platform every device is present; otherwise the internal device always is, the
    // removable ones while the mount table lists them, and a value that names no device never.
    virtual bool isDevicePresent(enum_LogToDevice device) const;
    // The application's directory.
    QString rootPath() const;

signals:
    // A removable device was mounted or removed: 1 the USB stick, 2 the SD card.
    void esDevicePresenceChanged(enum_LogToDevice dev, bool present);

private slots:
    void devicePresenceChangedSlot(StorageDeviceController::StorageDevice dev, bool present);
};

#endif // ESSTORAGEDEVICECONTROLLER_H
