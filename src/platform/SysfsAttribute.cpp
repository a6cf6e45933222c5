#include "platform/SysfsAttribute.h"

#include "platform/PlatformPaths.h"

#include <QDebug>
#include <QFile>

bool SysfsAttribute::write(const QString &systemPath, const QByteArray &text)
{
    // ExistingOnly: a device attribute is never created; writing where it is missing means the device or
    // the line is not there, and a stray regular file would hide that.
    QFile file(PlatformPaths::path(systemPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly)) {
        qDebug().noquote() << "Cannot open device file for writing: " + file.fileName() + ": "
                + file.errorString();
        return false;
    }
    const qint64 written = file.write(text);
    // sysfs reports a refused value when the data is handed over, which QFile does on flush or close.
    const bool flushed = file.flush();
    if (written != text.size() || !flushed) {
        qDebug().noquote() << "Cannot write device file: " + file.fileName() + ": " + file.errorString();
        return false;
    }
    return true;
}

bool SysfsAttribute::read(const QString &systemPath, QByteArray *text)
{
    text->clear();
    QFile file(PlatformPaths::path(systemPath));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Cannot open device file for reading: " + file.fileName() + ": "
                + file.errorString();
        return false;
    }
    const QByteArray data = file.read(MaximumLength);
    if (file.error() != QFileDevice::NoError) {
        qDebug().noquote() << "Cannot read device file: " + file.fileName() + ": " + file.errorString();
        return false;
    }
    *text = data.trimmed();
    return true;
}

int SysfsAttribute::readInt(const QString &systemPath, int fallback)
{
    QByteArray text;
    if (!read(systemPath, &text))
        return fallback;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        qDebug().noquote() << "Device file holds no number: " + PlatformPaths::path(systemPath) + ": \""
                + QString::fromLatin1(text) + "\"";
        return fallback;
    }
    return value;
}
