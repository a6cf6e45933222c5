#include "comms/iec450/BinaryImageDescriptor.h"

#include "comms/iec450/BinaryDatagramFormat.h"

namespace {

const int dataTypeLengthOffset = 12;
const int dataTypeOffset = 13;

// Latin-1 text up to its first NUL byte.
QString descriptorTextUpToNul(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul >= 0 ? bytes.left(nul) : bytes);
}

} // namespace

BinaryImageDescriptor::BinaryImageDescriptor(
    qint32 image_size, const QString &information, const QString &data_type, int status)
    : m_imageSize(image_size)
    , m_information(information)
    , m_dataType(data_type)
    , m_status(status)
    , m_code(descriptorCode)
{
    const QByteArray dataTypeBytes = data_type.toLatin1() + '\0';
    const QByteArray informationBytes = information.toLatin1() + '\0';
    m_dataTypeLength = dataTypeBytes.size();
    m_informationLength = informationBytes.size();
    m_descriptorLength = fixedLength + m_dataTypeLength + m_informationLength;

    m_bytes.reserve(m_descriptorLength);
    m_bytes.append(toBigEndian(m_descriptorLength, 4));
    m_bytes.append(toBigEndian(m_imageSize, 4));
    m_bytes.append(toBigEndian(m_status, 2));
    m_bytes.append(toBigEndian(m_code, 2));
    m_bytes.append(toBigEndian(m_dataTypeLength, 1));
    m_bytes.append(dataTypeBytes);
    m_bytes.append(toBigEndian(m_informationLength, 2));
    m_bytes.append(informationBytes);
}

BinaryImageDescriptor::BinaryImageDescriptor(const QByteArray &bytes)
    : m_descriptorLength(readBigEndian(bytes, 0, 4))
    , m_imageSize(readBigEndian(bytes, 4, 4))
    , m_status(readBigEndian(bytes, 8, 2))
    , m_dataTypeLength(readBigEndian(bytes, dataTypeLengthOffset, 1))
    , m_code(readBigEndian(bytes, 10, 2))
    , m_bytes(bytes)
{
    m_dataType = descriptorTextUpToNul(bytes.mid(dataTypeOffset, m_dataTypeLength));
    m_informationLength = readBigEndian(bytes, dataTypeOffset + m_dataTypeLength, 2);
    // The information length does not bound the text: it runs to its NUL or to the end of the bytes.
    m_information = descriptorTextUpToNul(bytes.mid(fixedLength + m_dataTypeLength));
}

bool BinaryImageDescriptor::isWellFormed(const QByteArray &bytes)
{
    const qint32 length = readBigEndian(bytes, 0, 4);
    if (length < fixedLength || length > bytes.size())
        return false;
    const int dataTypeLength = readBigEndian(bytes, dataTypeLengthOffset, 1);
    return fixedLength + dataTypeLength <= length;
}
