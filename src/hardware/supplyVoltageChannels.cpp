#include "hardware/supplyVoltageChannels.h"

#include "common/BuildConfiguration.h"
#include "platform/SysfsAttribute.h"

#include <QDebug>

float supplyVoltageChannels::voltage(int channelNumber) const
{
    QString channel;
    float factor = 0.0f;
    switch (channelNumber) {
    case 1:
        channel = channel1;
        factor = channel1Factor;
        break;
    case 2:
        channel = channel2;
        factor = channel2Factor;
        break;
    case 3:
        channel = channel3;
        factor = channel3Factor;
        break;
    default:
        qDebug().noquote() << "No supply-voltage channel " + QString::number(channelNumber);
        return 0.0f;
    }
    if (!BuildConfiguration::instance()->isLinux)
        return 0.0f;

    const int count = SysfsAttribute::readInt(rawCountPath(channel), 0);
    if (count < 0 || count > MaximumCount) {
        qDebug().noquote() << "Supply-voltage count out of range on channel " + channel + ": "
                + QString::number(count);
        return 0.0f;
    }
    return voltageFromCount(count, factor);
}
