#ifndef KW1_SPI_DEVICE_H
#define KW1_SPI_DEVICE_H

#include "hardware/SPI_Device.h"

// The speed-log board. Every exchange is one 50-byte segment: the command bytes, then zero bytes. Values
// are read as 32-bit little-endian integers behind a marker byte 0xAA and written as 24-bit big-endian
// integers in hundredths.
class KW1_SPI_Device : public SPI_Device
{
    Q_OBJECT

public:
    static constexpr int FrameLength = 50;

    KW1_SPI_Device(int constructionValue, const QString &devicePath, QObject *parent = nullptr);

    bool synchronize();
    // Reads every value; false (and the reading invalid) when the transfer fails or the marker is missing.
    bool readValues();
    bool writeParameters();
    bool setParameters(float parameter1, float parameter2);
    // Refreshes parameter 2 from the board first, then writes both.
    bool setFirstParameter(float parameter1);

    float readingA() const { return m_readingA; }
    float readingB() const { return m_readingB; }
    bool isReadingValid() const { return m_readingValid; }
    float readingC() const { return m_readingC; }
    void setReadingC(float value) { m_readingC = value; }
    float parameter1() const { return m_parameter1; }
    float parameter2() const { return m_parameter2; }
    float readingD() const { return m_readingD; }

private:
    bool exchange(QByteArray *frame);

    float m_readingA = 0;
    float m_readingB = 0;
    bool m_readingValid = false;
    float m_readingC = 0;
    float m_parameter1 = 0;
    float m_parameter2 = 0;
    float m_readingD = 0;
};

#endif // KW1_SPI_DEVICE_H
