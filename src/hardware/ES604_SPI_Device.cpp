#include "hardware/ES604_SPI_Device.h"

#include <QDebug>

namespace {

QByteArray word(quint8 first, quint8 second)
{
    QByteArray bytes(2, '\0');
    bytes[0] = static_cast<char>(first);
    bytes[1] = static_cast<char>(second);
    return bytes;
}

// A parameter as its low byte and its second byte; higher bits are not sent.
QByteArray parameterWord(int value)
{
    return word(static_cast<quint8>(value & 0xFF), static_cast<quint8>((value >> 8) & 0xFF));
}

enum Command {
    Filler = 0,
    PingCh1 = 1,
    ParametersCh1 = 2,
    MeasurementCh1 = 3,
    PingCh2 = 4,
    ParametersCh2 = 5,
    MeasurementCh2 = 6,
    AdditionalData = 7,
    Reset = 8,
};

enum Reply {
    Acknowledge = 0,
    MeasurementEnd = 2,
    MeasurementStart = 3,
    AdditionalEnd = 4,
    AdditionalStart = 5,
};

} // namespace

ES604_SPI_Device::ES604_SPI_Device(int constructionValue, const QString &devicePath, QObject *parent)
    : SPI_Device(constructionValue, devicePath, parent)
{
}

QByteArray ES604_SPI_Device::commandWord(int index)
{
    static const quint8 firstBytes[9] = { 0xFF, 0xEF, 0xEE, 0xED, 0xDF, 0xDE, 0xDD, 0x0D, 0x00 };
    if (index < 0 || index > 8)
        throw "ES604_SPI_Device::commandWord: no such command";
    return word(firstBytes[index], 0xFF);
}

QByteArray ES604_SPI_Device::replyWord(int index)
{
    static const quint8 firstBytes[6] = { 0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xF9 };
    if (index < 0 || index > 5)
        throw "ES604_SPI_Device::replyWord: no such reply";
    return word(firstBytes[index], 0xFF);
}

void ES604_SPI_Device::setChannel(int value)
{
    if (value != 1 && value != 2) {
        qDebug() << "Invalid value for ES channel!";
        return;
    }
    m_channel = value;
}

bool ES604_SPI_Device::allAcknowledged(const QVector<QByteArray> &words)
{
    const QByteArray ack = replyWord(Acknowledge);
    for (int i = 1; i < words.size(); ++i) {
        if (words.at(i) != ack)
            return false;
    }
    return true;
}

bool ES604_SPI_Device::startPing(int channel)
{
    QVector<QByteArray> words;
    if (channel == 0)
        words << commandWord(PingCh1);
    else if (channel == 1)
        words << commandWord(PingCh2);
    else
        words << commandWord(PingCh1) << commandWord(PingCh2);
    words << commandWord(Filler);
    const bool transferred = transferWithSettings(words);
    return transferred && allAcknowledged(words);
}

bool ES604_SPI_Device::writeChannelParameters(int channelIndex, int frequency, int pulseWidth,
    int outputPower, int gain, int startingPosition, int numberOfPoints, int samplingResolution,
    int ultrasonicSpeed, int capacitor)
{
    if (numberOfPoints < 1 || numberOfPoints > MaximumNumberOfPoints) {
        qDebug().noquote() << "Number of points out of range: " + QString::number(numberOfPoints);
        return false;
    }
    QVector<QByteArray> words;
    if (channelIndex != 0) {
        words << commandWord(ParametersCh2);
        m_ch2Points = numberOfPoints;
        m_ch2Start = startingPosition;
    } else {
        words << commandWord(ParametersCh1);
        m_ch1Points = numberOfPoints;
        m_ch1Start = startingPosition;
    }
    for (int value : { frequency, pulseWidth, outputPower, gain, startingPosition, numberOfPoints,
             samplingResolution, ultrasonicSpeed, capacitor })
        words << parameterWord(value);
    words << commandWord(Filler);

    const bool transferred = transferWithSettings(words);
    const bool result = transferred && allAcknowledged(words);
    qDebug().noquote() << QString(56, QLatin1Char('X')) + " Set params:  " + (result ? "true" : "false");
    return result;
}

QByteArray ES604_SPI_Device::readFramed(
    const QByteArray &command, int points, const QByteArray &startWord, const QByteArray &endWord)
{
    QVector<QByteArray> words;
    words.reserve(points + 3);
    words << command;
    const QByteArray filler = commandWord(Filler);
    for (int i = 0; i < points + 2; ++i)
        words << filler;

    const bool transferred = transferWithSettings(words);
    const bool valid
        = transferred && words.size() == points + 3 && words.at(1) == startWord && words.last() == endWord;
    if (!valid)
        return QByteArray(2 * points, '\0');
    QByteArray samples;
    samples.reserve(2 * points);
    for (int i = 2; i <= points + 1; ++i) {
        // A transport that changed a segment's length broke the frame; its bytes are not samples.
        if (words.at(i).size() != 2)
            return QByteArray(2 * points, '\0');
        samples += words.at(i);
    }
    return samples;
}

QByteArray ES604_SPI_Device::readMeasurement(int channelIndex)
{
    if (channelIndex == 1)
        return readFramed(
            commandWord(MeasurementCh2), m_ch2Points, replyWord(MeasurementStart), replyWord(MeasurementEnd));
    return readFramed(
        commandWord(MeasurementCh1), m_ch1Points, replyWord(MeasurementStart), replyWord(MeasurementEnd));
}

QByteArray ES604_SPI_Device::readAdditionalData()
{
    return readFramed(commandWord(AdditionalData), AdditionalDataLength, replyWord(AdditionalStart),
        replyWord(AdditionalEnd));
}

bool ES604_SPI_Device::resetTransceiver()
{
    QVector<QByteArray> words { commandWord(Reset), commandWord(Filler) };
    // The board's answer decides, not the transfer's own result.
    transferWithSettings(words);
    return words.at(1) == replyWord(Acknowledge);
}
