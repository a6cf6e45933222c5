#include "hardware/KW1_SPI_Device.h"

#include <QDebug>
#include <QtEndian>

namespace {

// The reading that stands for "no value" in the first field.
const qint32 noReading = -9999;

QByteArray frame(std::initializer_list<quint8> command)
{
    QByteArray bytes(KW1_SPI_Device::FrameLength, '\0');
    int i = 0;
    for (quint8 byte : command)
        bytes[i++] = static_cast<char>(byte);
    return bytes;
}

// The value in hundredths, truncated toward zero; out-of-range and non-finite values are held at the
// limits of a 32-bit integer instead of overflowing the conversion.
qint32 hundredths(float value)
{
    const double scaled = value * 100.0f;
    if (!(scaled == scaled))
        return 0;
    return static_cast<qint32>(qBound(-2147483648.0, scaled, 2147483647.0));
}

void putInt24BigEndian(QByteArray &bytes, int offset, qint32 value)
{
    bytes[offset] = static_cast<char>((value >> 16) & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
    bytes[offset + 2] = static_cast<char>(value & 0xFF);
}

} // namespace

KW1_SPI_Device::KW1_SPI_Device(int constructionValue, const QString &devicePath, QObject *parent)
    : SPI_Device(constructionValue, devicePath, parent)
{
    m_secondSetting = 0;
    m_wordSize = 8;
    m_transferFlag = 0;
}

bool KW1_SPI_Device::exchange(QByteArray *bytes)
{
    QVector<QByteArray> groups { *bytes };
    const bool transferred = transferWithSettings(groups);
    // A transport that changed the segment's length gives no frame to read from.
    if (groups.first().size() != FrameLength)
        return false;
    *bytes = groups.first();
    return transferred;
}

bool KW1_SPI_Device::synchronize()
{
    qDebug() << "**SYNC to KW1***";
    QByteArray bytes = frame({ 0x21, 0x01 });
    return exchange(&bytes);
}

bool KW1_SPI_Device::readValues()
{
    QByteArray bytes = frame({ 0x4B });
    const bool transferred = exchange(&bytes);

    int shift = 0;
    if (static_cast<quint8>(bytes.at(26)) == 0xAA) {
        shift = 0;
    } else if (static_cast<quint8>(bytes.at(27)) == 0xAA) {
        shift = 1;
    } else {
        m_readingValid = false;
        return false;
    }
    if (!transferred) {
        m_readingValid = false;
        return false;
    }

    const auto field = [&bytes, shift](int offset) {
        return qFromLittleEndian<qint32>(bytes.constData() + shift + offset);
    };
    const qint32 r0 = field(0);
    const qint32 r4 = field(4);
    const qint32 r9 = field(9);
    const qint32 r14 = field(14);
    const qint32 r18 = field(18);
    const qint32 r22 = field(22);

    if (r0 == noReading) {
        m_readingValid = false;
    } else {
        m_readingValid = true;
        m_readingA = r0 / 10.0f;
    }
    m_readingB = r4 / 10.0f;
    m_readingC = r9 / 10.0f;
    m_parameter1 = r14 / 100.0f;
    m_parameter2 = r18 / 100.0f;
    m_readingD = r22 / 10.0f;
    return true;
}

bool KW1_SPI_Device::writeParameters()
{
    const qint32 p1 = hundredths(m_parameter1);
    const qint32 p2 = hundredths(m_parameter2);
    QByteArray bytes = frame({ 0x21, 0x02 });
    putInt24BigEndian(bytes, 2, p1);
    putInt24BigEndian(bytes, 5, p2);
    return exchange(&bytes);
}

bool KW1_SPI_Device::setParameters(float parameter1, float parameter2)
{
    m_parameter1 = parameter1;
    m_parameter2 = parameter2;
    return writeParameters();
}

bool KW1_SPI_Device::setFirstParameter(float parameter1)
{
    readValues();
    m_parameter1 = parameter1;
    return writeParameters();
}
