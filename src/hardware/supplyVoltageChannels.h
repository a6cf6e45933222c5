#ifndef SUPPLYVOLTAGECHANNELS_H
#define SUPPLYVOLTAGECHANNELS_H

#include <QString>

// How the panel's supply voltages are read from the analogue inputs of the industrial I/O device: the raw
// count of a channel is in the file prefix + channel + suffix, and its voltage is count x countScale x the
// channel's factor (the factor undoes the voltage divider in front of the input).
struct supplyVoltageChannels
{
    // Volts per count of a 12-bit converter with a 3.3 V reference (3.3 / 4095).
    float countScale = 0.000805860793f;
    QString channel1 = QStringLiteral("11");
    float channel1Factor = 12.0204086f;
    QString channel2 = QStringLiteral("10");
    float channel2Factor = 2.0f;
    QString channel3 = QStringLiteral("6");
    float channel3Factor = 1.33163273f;
    QString pathPrefix = QStringLiteral("/sys/bus/iio/devices/iio:device0/in_voltage");
    QString pathSuffix = QStringLiteral("_raw");

    // Largest count of the 12-bit converter; a file holding more (or a negative count) is not a reading.
    static constexpr int MaximumCount = 4095;

    // The system path of the raw count of a channel text ("11").
    QString rawCountPath(const QString &channel) const { return pathPrefix + channel + pathSuffix; }
    // count x countScale x factor.
    float voltageFromCount(int count, float factor) const { return float(count) * countScale * factor; }
    // The voltage of channel 1, 2 or 3 read from its file on the "LINUX" platform. 0 V on a platform
    // without the device, for another channel number, and when the file is missing, unreadable or holds
    // no count of the converter (with a debug line).
    float voltage(int channelNumber) const;
};

#endif // SUPPLYVOLTAGECHANNELS_H
