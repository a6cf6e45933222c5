#ifndef BINARYIMAGEDESCRIPTOR_H
#define BINARYIMAGEDESCRIPTOR_H

#include <QByteArray>
#include <QString>

// The image descriptor that opens the payload of an image's first datagram: its own length, the image
// size, status, the code 60021, and the data type and information texts, each with its length and a
// terminating NUL. Integers are big-endian.
class BinaryImageDescriptor
{
public:
    // Length of the descriptor without its two texts.
    static const int fixedLength = 15;
    // The code every descriptor carries.
    static const int descriptorCode = 60021;

    BinaryImageDescriptor() = default;
    // A descriptor for sending.
    BinaryImageDescriptor(
        qint32 image_size, const QString &information, const QString &data_type, int status);
    // A descriptor read from exactly the descriptor bytes of a received first datagram. Never fails:
    // fields beyond the end read as zero, a text without its NUL ends with the bytes.
    explicit BinaryImageDescriptor(const QByteArray &bytes);

    // Whether the length fields of descriptor bytes received from the network describe a descriptor that
    // lies inside those bytes: at least the fixed fields, the data type text and the information length
    // within the declared length, and the declared length itself within the bytes.
    static bool isWellFormed(const QByteArray &bytes);

    qint32 descriptorLength() const { return m_descriptorLength; }
    qint32 imageSize() const { return m_imageSize; }
    QString information() const { return m_information; }
    QString dataType() const { return m_dataType; }
    int status() const { return m_status; }
    int dataTypeLength() const { return m_dataTypeLength; }
    int code() const { return m_code; }
    int informationLength() const { return m_informationLength; }
    QByteArray bytes() const { return m_bytes; }

private:
    qint32 m_descriptorLength = 0;
    qint32 m_imageSize = 0;
    QString m_information;
    QString m_dataType;
    int m_status = 0;
    int m_dataTypeLength = 0;
    int m_code = 0;
    int m_informationLength = 0;
    QByteArray m_bytes;
};

#endif // BINARYIMAGEDESCRIPTOR_H
