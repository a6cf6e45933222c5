#ifndef FOLDERDEVICE_H
#define FOLDERDEVICE_H

#include "nmea/NmeaChecksum.h"
#include "platform/ESStorageDeviceController.h"

#include <QString>

// A logging device for tests: the internal device is a folder the test chose (a temporary
// directory); the removable devices are absent.
class FolderDevice : public ESStorageDeviceController
{
public:
    explicit FolderDevice(const QString &root)
        : m_root(root)
    {
    }
    QString devicePath(enum_LogToDevice device) const override
    {
        return device == LogToInternal ? m_root : QString();
    }
    bool isDevicePresent(enum_LogToDevice device) const override { return device == LogToInternal; }

private:
    QString m_root;
};

// "$" + body + "*" + checksum + CR LF.
inline QString framedSentence(const QString &body)
{
    return QLatin1Char('$') + appendNmeaChecksum(body);
}

#endif // FOLDERDEVICE_H
