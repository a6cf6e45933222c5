#include "platform/StorageDeviceController.h"

#include "common/LogText.h"
#include "platform/PlatformPaths.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>

namespace {
const char mountTable[] = "/etc/mtab";
} // namespace

StorageDeviceController::StorageDeviceController(const QString &productName, QObject *parent)
    : QObject(parent)
    , m_usbMountPoint(QStringLiteral("/media/usb0"))
    , m_sdMountPoint(QStringLiteral("/media/sd0"))
    , m_makerFolder(QStringLiteral("/korvane"))
    , m_serialNumber(QStringLiteral("99999"))
    , m_pollTimer(this)
    , m_productName(productName)
{
    if (!isValidFolderNamePart(productName)) {
        qDebug() << "Product name cannot name a storage folder:" << productName;
        throw "StorageDeviceController: product name cannot name a folder";
    }
    qRegisterMetaType<StorageDeviceController::StorageDevice>();
    rebuildProductFolder();
    connect(&m_pollTimer, &QTimer::timeout, this, &StorageDeviceController::checkForDevices);
    m_pollTimer.start(1000);
    checkForDevices();
}

bool StorageDeviceController::isValidFolderNamePart(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._-]{1,32}$"));
    return pattern.match(text).hasMatch();
}

bool StorageDeviceController::isPresent(StorageDevice device) const
{
    return device == UsbStick ? m_usbPresent : m_sdPresent;
}

QString StorageDeviceController::deviceFolder(StorageDevice device) const
{
    const QString &mountPoint = device == UsbStick ? m_usbMountPoint : m_sdMountPoint;
    return PlatformPaths::path(mountPoint) + m_makerFolder + m_productFolder;
}

void StorageDeviceController::setProductSerialNumber(QString ser_num)
{
    if (!isValidFolderNamePart(ser_num)) {
        qDebug() << "Serial number cannot name a storage folder, kept" << m_serialNumber << ":"
                 << logExcerpt(ser_num);
        return;
    }
    m_serialNumber = ser_num;
    rebuildProductFolder();
}

void StorageDeviceController::setProductSerialNumber(int ser_num)
{
    // The only source is an unsigned setting: a number beyond the int range arrives negative and is
    // taken back as the unsigned number it came from.
    setProductSerialNumber(static_cast<uint>(ser_num));
}

void StorageDeviceController::setProductSerialNumber(uint ser_num)
{
    setProductSerialNumber(QString::number(ser_num));
}

void StorageDeviceController::rebuildProductFolder()
{
    m_productFolder = QLatin1Char('/') + m_productName + QLatin1Char('_') + m_serialNumber;
}

QStringList StorageDeviceController::readMountPoints(bool *ok) const
{
    *ok = false;
    QFile file(PlatformPaths::path(QLatin1String(mountTable)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    *ok = true;
    QStringList mountPoints;
    // The system's table is a kernel file that reports no size, so the end is the first empty read,
    // never atEnd().
    for (int lines = 0; lines < maxMountTableLines; ++lines) {
        const QByteArray line = file.readLine(maxMountTableLineLength);
        if (line.isEmpty())
            break;
        if (!line.endsWith('\n')) {
            // Either the last line of the table or a line longer than any mount entry: a longer line
            // is skipped with all of its rest.
            bool tooLong = false;
            QByteArray rest = file.readLine(maxMountTableLineLength);
            while (!rest.isEmpty() && ++lines < maxMountTableLines) {
                tooLong = true;
                if (rest.endsWith('\n'))
                    break;
                rest = file.readLine(maxMountTableLineLength);
            }
            if (tooLong)
                continue;
        }
        // Device, mount point, type, options ... separated by blanks; a line without a mount point
        // (blank, or one field) is skipped, and the lines after it are still read.
        const QStringList fields = QString::fromLocal8Bit(line).simplified().split(QLatin1Char(' '));
        if (fields.size() < 2)
            continue;
        mountPoints.append(fields.at(1));
    }
    return mountPoints;
}

void StorageDeviceController::checkForDevices()
{
    const bool usbWasPresent = m_usbPresent;
    const bool sdWasPresent = m_sdPresent;
    bool ok = false;
    const QStringList mountPoints = readMountPoints(&ok);
    if (ok) {
        m_usbPresent = mountPoints.contains(m_usbMountPoint);
        m_sdPresent = mountPoints.contains(m_sdMountPoint);
    }
    if (m_usbPresent != usbWasPresent)
        emit devicePresenceChanged(UsbStick, m_usbPresent);
    if (m_sdPresent != sdWasPresent)
        emit devicePresenceChanged(SdCard, m_sdPresent);
}
