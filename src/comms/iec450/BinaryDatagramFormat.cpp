#include "comms/iec450/BinaryDatagramFormat.h"

#include <QRegularExpression>

namespace {
const int fixedHeaderLength = 38;
const int version = 2;
const int maxDatagramSize = 1460;
} // namespace

int binaryHeaderLength()
{
    return fixedHeaderLength;
}

int binaryVersion()
{
    return version;
}

int maxBinaryDatagramSize()
{
    return maxDatagramSize;
}

int maxBinaryPayloadSize()
{
    return maxDatagramSize - fixedHeaderLength;
}

QByteArray toBigEndian(qint32 value, int width)
{
    const quint32 bits = static_cast<quint32>(value);
    QByteArray bytes;
    if (width <= 0)
        return bytes;
    bytes.reserve(width);
    for (int i = width - 1; i >= 0; --i)
        bytes.append(i < 4 ? static_cast<char>((bits >> (8 * i)) & 0xff) : '\0');
    return bytes;
}

qint32 fromBigEndian(const QByteArray &bytes)
{
    const QByteArray tail = bytes.right(4);
    quint32 bits = 0;
    for (const char byte : tail)
        bits = (bits << 8) | static_cast<unsigned char>(byte);
    return static_cast<qint32>(bits);
}

qint32 readBigEndian(const QByteArray &data, int offset, int width)
{
    QByteArray field = data.mid(offset, width);
    if (field.size() < width)
        field.append(QByteArray(width - field.size(), '\0'));
    return fromBigEndian(field);
}

bool isValidSfi(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("[a-zA-Z]{2,2}[0-9]{4,4}"));
    return pattern.match(text).hasMatch();
}

bool isValidDestinationSfi(const QString &text)
{
    return text == QLatin1String("XXXXXX") || isValidSfi(text);
}
