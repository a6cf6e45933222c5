#ifndef ES604_SPI_DEVICE_H
#define ES604_SPI_DEVICE_H

#include "hardware/SPI_Device.h"

// The echo-sounder transceiver board. Every exchange is a list of two-byte words, each one segment of
// the transfer: a command word, then parameter or filler words whose answers carry the board's reply
// (acknowledge words, or measurement samples framed by start and end words).
class ES604_SPI_Device : public SPI_Device
{
    Q_OBJECT

public:
    // The number of points travels as one 16-bit parameter word and sizes every later read.
    static constexpr int MaximumNumberOfPoints = 65535;
    static constexpr int AdditionalDataLength = 5;

    ES604_SPI_Device(int constructionValue, const QString &devicePath, QObject *parent = nullptr);

    int channel() const { return m_channel; }
    // 1 or 2; any other value is refused with a debug line.
    void setChannel(int value);

    int numberOfPoints(int channelIndex) const { return channelIndex == 1 ? m_ch2Points : m_ch1Points; }
    int startingPosition(int channelIndex) const { return channelIndex == 1 ? m_ch2Start : m_ch1Start; }

    // 0 channel 1, 1 channel 2, any other value both. True when the board acknowledged every word.
    bool startPing(int channel);
    // Channel index 0 or 1 (any non-zero value is channel 2). Each value goes as a 16-bit little-endian
    // word; a number of points outside 1 to 65535 is refused before anything is sent.
    bool writeChannelParameters(int channelIndex, int frequency, int pulseWidth, int outputPower, int gain,
        int startingPosition, int numberOfPoints, int samplingResolution, int ultrasonicSpeed, int capacitor);
    // The 2N sample bytes of the channel's N points; 2N zero bytes when the frame is not valid.
    QByteArray readMeasurement(int channelIndex);
    // The 10 bytes of additional data; zero bytes when the frame is not valid.
    QByteArray readAdditionalData();
    bool resetTransceiver();

    // Command and reply words of the board.
    static QByteArray commandWord(int index);
    static QByteArray replyWord(int index);

private:
    QByteArray readFramed(
        const QByteArray &command, int points, const QByteArray &startWord, const QByteArray &endWord);
    static bool allAcknowledged(const QVector<QByteArray> &words);

    int m_channel = 1;
    int m_ch1Points = 2500;
    int m_ch1Start = 0;
    int m_ch2Points = 2500;
    int m_ch2Start = 0;
};

#endif // ES604_SPI_DEVICE_H
