#include "platform/SysfsGpio.h"

#include "common/TextChecks.h"
#include "platform/PlatformPaths.h"
#include "platform/SysfsAttribute.h"

#include <QDebug>
#include <QFileInfo>

namespace {

bool checkLine(const QString &number)
{
    if (SysfsGpio::isValidLineNumber(number))
        return true;
    qDebug().noquote() << "Invalid GPIO line number: \"" + number + "\"";
    return false;
}

} // namespace

bool SysfsGpio::isValidLineNumber(const QString &number)
{
    // Digits only: the number becomes part of a device path and of what is written to "export".
    return number.size() <= 4 && isAsciiDigits(number);
}

QString SysfsGpio::lineFile(const QString &number, const QString &file)
{
    return PlatformPaths::gpioFolder() + "/gpio" + number + "/" + file;
}

bool SysfsGpio::exportLine(const QString &number)
{
    if (!checkLine(number))
        return false;
    if (QFileInfo(PlatformPaths::path(PlatformPaths::gpioFolder() + "/gpio" + number)).isDir())
        return true;
    return SysfsAttribute::write(PlatformPaths::gpioFolder() + "/export", number.toLatin1());
}

bool SysfsGpio::setEdge(const QString &number, const QString &edge)
{
    if (!checkLine(number))
        return false;
    if (edge != QLatin1String("both") && edge != QLatin1String("rising") && edge != QLatin1String("falling")
        && edge != QLatin1String("none")) {
        qDebug().noquote() << "Invalid GPIO edge: \"" + edge + "\"";
        return false;
    }
    return SysfsAttribute::write(lineFile(number, "edge"), edge.toLatin1());
}

bool SysfsGpio::setDirection(const QString &number, bool output)
{
    if (!checkLine(number))
        return false;
    return SysfsAttribute::write(lineFile(number, "direction"), output ? "out" : "in");
}

bool SysfsGpio::setValue(const QString &number, bool high)
{
    if (!checkLine(number))
        return false;
    return SysfsAttribute::write(lineFile(number, "value"), high ? "1" : "0");
}

int SysfsGpio::value(const QString &number)
{
    if (!checkLine(number))
        return 0;
    return SysfsAttribute::readInt(lineFile(number, "value"), 0) != 0 ? 1 : 0;
}
