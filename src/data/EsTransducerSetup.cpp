#include "data/EsTransducerSetup.h"

#include "common/SignalEmitter.h"
#include <QDebug>

EsTransducerSetup::EsTransducerSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void EsTransducerSetup::setPosition(int value)
{
    m_Position = value;
    emit PositionChanged(m_Position);
}

void EsTransducerSetup::setDraft(double value)
{
    m_Draft = value;
    emit DraftChanged(m_Draft);
}

void EsTransducerSetup::setOffset(double value)
{
    m_Offset = value;
    emit OffsetChanged(m_Offset);
}

void EsTransducerSetup::setPartNumber(int value)
{
    m_PartNumber = value;
    emit PartNumberChanged(m_PartNumber);
}

void EsTransducerSetup::setSensorFrequency(int value)
{
    m_SensorFrequency = value;
    emit SensorFrequencyChanged(m_SensorFrequency);
}

void EsTransducerSetup::setSensorFrequencyLow(int value)
{
    m_SensorFrequencyLow = value;
    emit SensorFrequencyLowChanged(m_SensorFrequencyLow);
}

void EsTransducerSetup::setSensorFrequencyHigh(int value)
{
    m_SensorFrequencyHigh = value;
    emit SensorFrequencyHighChanged(m_SensorFrequencyHigh);
}

void EsTransducerSetup::setSwitchToLowFreqBelowRange(int value)
{
    m_SwitchToLowFreqBelowRange = value;
    emit SwitchToLowFreqBelowRangeChanged(m_SwitchToLowFreqBelowRange);
}

void EsTransducerSetup::setApprovedPrimary(int value)
{
    m_ApprovedPrimary = value;
    emit ApprovedPrimaryChanged(m_ApprovedPrimary);
}

void EsTransducerSetup::setUseInDeepOrShallowWater(int value)
{
    m_UseInDeepOrShallowWater = value;
    emit UseInDeepOrShallowWaterChanged(m_UseInDeepOrShallowWater);
}

void EsTransducerSetup::setMaxRange(int value)
{
    m_MaxRange = value;
    emit MaxRangeChanged(m_MaxRange);
}

void EsTransducerSetup::setMaxPowerPercentage(int value)
{
    m_MaxPowerPercentage = value;
    emit MaxPowerPercentageChanged(m_MaxPowerPercentage);
}

void EsTransducerSetup::setSensorGain(int value)
{
    m_SensorGain = value;
    emit SensorGainChanged(m_SensorGain);
}

void EsTransducerSetup::setSoftwareGain(int value)
{
    m_SoftwareGain = value;
    emit SoftwareGainChanged(m_SoftwareGain);
}

void EsTransducerSetup::setSensorOutputPower(int value)
{
    m_SensorOutputPower = value;
    emit SensorOutputPowerChanged(m_SensorOutputPower);
}

void EsTransducerSetup::setSensorPulseWidth(int value)
{
    m_SensorPulseWidth = value;
    emit SensorPulseWidthChanged(m_SensorPulseWidth);
}

void EsTransducerSetup::setSensorSampleNumber(int value)
{
    m_SensorSampleNumber = value;
    emit SensorSampleNumberChanged(m_SensorSampleNumber);
}

void EsTransducerSetup::setSensorSamplingResolution(int value)
{
    m_SensorSamplingResolution = value;
    emit SensorSamplingResolutionChanged(m_SensorSamplingResolution);
}

void EsTransducerSetup::setBlankingDistanceInCm(int value)
{
    m_BlankingDistanceInCm = value;
    emit BlankingDistanceInCmChanged(m_BlankingDistanceInCm);
}

void EsTransducerSetup::setSensorStartingPosition(int value)
{
    m_SensorStartingPosition = value;
    emit SensorStartingPositionChanged(m_SensorStartingPosition);
}

void EsTransducerSetup::setSensorUltrasonicSpeed(int value)
{
    m_SensorUltrasonicSpeed = value;
    emit SensorUltrasonicSpeedChanged(m_SensorUltrasonicSpeed);
}

void EsTransducerSetup::setTvgValue(double value)
{
    m_TvgValue = value;
    emit TvgValueChanged(m_TvgValue);
}

void EsTransducerSetup::setOutputImpMatchCapacitor(int value)
{
    m_OutputImpMatchCapacitor = value;
    emit OutputImpMatchCapacitorChanged(m_OutputImpMatchCapacitor);
}

void EsTransducerSetup::setRange(int value)
{
    const bool changed = m_Range != value;
    m_Range = value;
    emit RangeChanged(m_Range);
    if (changed)
        publishMark(QStringLiteral("Range"));
}

void EsTransducerSetup::setPowerPercentage(int value)
{
    const bool changed = m_PowerPercentage != value;
    m_PowerPercentage = value;
    emit PowerPercentageChanged(m_PowerPercentage);
    if (changed)
        publishMark(QStringLiteral("PowerPercentage"));
}

void EsTransducerSetup::setTvgPercentage(int value)
{
    const bool changed = m_TvgPercentage != value;
    m_TvgPercentage = value;
    emit TvgPercentageChanged(m_TvgPercentage);
    if (changed)
        publishMark(QStringLiteral("TvgPercentage"));
}

void EsTransducerSetup::setCombinedGain(int value)
{
    storeCombinedGain(value, true, QString());
}

// A gain chosen by the automatic function: its mark says so.
void EsTransducerSetup::setCombinedGainAuto(int value)
{
    storeCombinedGain(value, true, QStringLiteral("_auto"));
}

void EsTransducerSetup::setCombinedGainWithoutMark(int value)
{
    storeCombinedGain(value, false, QString());
}

void EsTransducerSetup::storeCombinedGain(int value, bool withMark, const QString &suffix)
{
    const bool changed = m_CombinedGain != value;
    m_CombinedGain = value;
    emit CombinedGainChanged(m_CombinedGain);
    if (withMark && changed)
        publishMark(QStringLiteral("CombinedGain"), suffix);
}

// The mark is the single-change text of the new value, built by the base only: a mark is
// published, not sent as a setup change.
void EsTransducerSetup::publishMark(const QString &propertyName, const QString &suffix)
{
    const QString text = SerializableClass::serializeSinglePropertyByName(propertyName) + suffix;
    emit SerializableClass::signalEmitter()->signalMarkString(text);
}

float EsTransducerSetup::combinedGainFactor() const
{
    static const float factors[] = { 0.25f, 1, 3, 6, 10, 20, 30, 40, 60, 80, 120, 157 };
    if (m_CombinedGain < 0 || m_CombinedGain >= int(sizeof(factors) / sizeof(factors[0])))
        return 1;
    return factors[m_CombinedGain];
}

// Each setting changed here is sent to the junction box at once, since the junction box
// drives the sensor with it.
void EsTransducerSetup::applyCombinedGain(bool overwriteSoftwareGain)
{
    const int g = m_CombinedGain;
    // Options "1" to "12"; an index beyond them (a damaged received value) would give a sensor
    // gain outside its own options.
    if (g < 0 || g > 11) {
        qDebug() << "EsTransducerSetup::applyCombinedGain: CombinedGain out of range:" << g << objectName();
        return;
    }
    auto sendSensorGain = [this](int value) {
        setSensorGain(value);
        serializeSinglePropertyByName(QStringLiteral("SensorGain"));
    };
    auto sendSoftwareGain = [this](int value) {
        setSoftwareGain(value);
        serializeSinglePropertyByName(QStringLiteral("SoftwareGain"));
    };
    switch (g) {
    case 0:
    case 1:
        if (overwriteSoftwareGain)
            sendSoftwareGain(1);
        sendSensorGain(g == 0 ? 9 : 0);
        break;
    case 2:
    case 3:
        if (!overwriteSoftwareGain)
            sendSensorGain(0);
        sendSoftwareGain(g == 2 ? 3 : 6);
        break;
    default:
        if (overwriteSoftwareGain)
            sendSoftwareGain(1);
        sendSensorGain(g - 3);
        break;
    }
}

int EsTransducerSetup::sensorFrequencyKHz() const
{
    return sensorFrequencyKHz(m_SensorFrequency);
}

int EsTransducerSetup::sensorFrequencyKHz(int frequencyIndex)
{
    switch (frequencyIndex) {
    case 0:
        return 200;
    case 1:
        return 50;
    default:
        return 0;
    }
}
