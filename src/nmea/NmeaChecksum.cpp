#include "nmea/NmeaChecksum.h"

#include <QByteArray>

namespace {

// Every checksum the unit writes or compares is two upper-case hexadecimal digits.
const char checksumDigits[] = "0123456789ABCDEF";

QString checksumText(unsigned char sum)
{
    const QChar text[2] = { QLatin1Char(checksumDigits[sum >> 4]), QLatin1Char(checksumDigits[sum & 0x0f]) };
    return QString(text, 2);
}

unsigned char stringChecksum(QStringView text)
{
    // Latin-1 conversion maps every character outside Latin-1 to "?", one byte per character.
    unsigned char sum = 0;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        sum ^= code > 0xff ? static_cast<unsigned char>('?') : static_cast<unsigned char>(code);
    }
    return sum;
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
    return checksumText(stringChecksum(text));
}

bool isNmeaStringChecksum(QStringView text, QStringView given)
{
    const unsigned char sum = stringChecksum(text);
    return given.size() == 2 && given.at(0) == QLatin1Char(checksumDigits[sum >> 4])
        && given.at(1) == QLatin1Char(checksumDigits[sum & 0x0f]);
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
