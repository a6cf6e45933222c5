#include "platform/ESStorageDeviceController.h"

#include "common/BuildConfiguration.h"
#include "platform/PlatformPaths.h"

#include <QCoreApplication>

namespace {
const char internalRoot[] = "/opt";
} // namespace

ESStorageDeviceController::ESStorageDeviceController(QObject *parent)
    : StorageDeviceController(QStringLiteral("TVR200"), parent)
{
    qRegisterMetaType<enum_LogToDevice>("enum_LogToDevice");
    // Connected after the first check of the base constructor: a device mounted at start-up is read
    // through the presence queries, not announced.
    connect(this, &StorageDeviceController::devicePresenceChanged, this,
        &ESStorageDeviceController::devicePresenceChangedSlot);
}

QString ESStorageDeviceController::rootPath() const
{
    return QCoreApplication::applicationDirPath();
}

QString ESStorageDeviceController::devicePath(enum_LogToDevice device) const
{
    if (BuildConfiguration::instance()->isWindows)
        return QCoreApplication::applicationDirPath();
    switch (device) {
    case LogToInternal:
        return PlatformPaths::path(QLatin1String(internalRoot));
    case LogToUsb:
        return deviceFolder(UsbStick);
    case LogToSd:
        return deviceFolder(SdCard);
    }
    return QString();
}

bool ESStorageDeviceController::isDevicePresent(enum_LogToDevice device) const
{
    if (BuildConfiguration::instance()->isWindows)
        return true;
    switch (device) {
    case LogToInternal:
        return true;
    case LogToUsb:
        return isUsbPresent();
    case LogToSd:
        return isSdPresent();
    }
    return false;
}

void ESStorageDeviceController::devicePresenceChangedSlot(
    StorageDeviceController::StorageDevice dev, bool present)
{
    emit esDevicePresenceChanged(dev == SdCard ? LogToSd : LogToUsb, present);
}
