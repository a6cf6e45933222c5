#include "nmea/NmeaChecksum.h"

#include <QByteArray>

namespace {

// Every checksum the unit writes or compares is two upper-case hexadecimal digits.
QString checksumText(unsigned char sum)
{
    static const char digits[] = "0123456789ABCDEF";
    const QChar text[2] = { QLatin1Char(digits[sum >> 4]), QLatin1Char(digits[sum & 0x0f]) };
    return QString(text, 2);
}

} // namespace

QString nmeaChecksum(const char *data, int length)
{
    unsigned char sum = 0;
    for (int i = 0; i < length; ++i)
        sum ^= static_cast<unsigned char>(data[i]);
    return checksumText(sum);
}

QString nmeaStringChecksum(const QString &text)
{
    // Latin-1 conversion maps every character outside Latin-1 to "?", one byte per character.
    unsigned char sum = 0;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        sum ^= code > 0xff ? static_cast<unsigned char>('?') : static_cast<unsigned char>(code);
    }
    return checksumText(sum);
}

QString appendNmeaChecksum(const QString &text)
{
    return text + QLatin1Char('*') + nmeaStringChecksum(text) + QLatin1String("\r\n");
}

int isNmeaChecksumValid(const QString &text)
{
    const int star = text.indexOf(QLatin1Char('*'));
    if (star < 0)
        return 1;
    if (text.length() != star + 3)
        return -2;
    const QString given = text.mid(star + 1, 2);
    return given.compare(nmeaStringChecksum(text.left(star)), Qt::CaseInsensitive) == 0 ? 0 : -1;
}
