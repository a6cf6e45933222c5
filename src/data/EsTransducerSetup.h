#ifndef ESTRANSDUCERSETUP_H
#define ESTRANSDUCERSETUP_H

#include "data/SerializableClass.h"

// One echo-sounder transducer channel ("TransducerSetup1", "TransducerSetup2"). A change of range,
// power, TVG or gain is published as a parameter mark on the settings hub.
class EsTransducerSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Position READ Position WRITE setPosition NOTIFY PositionChanged)
    Q_PROPERTY(double Draft READ Draft WRITE setDraft NOTIFY DraftChanged)
    Q_PROPERTY(double Offset READ Offset WRITE setOffset NOTIFY OffsetChanged)
    Q_PROPERTY(int PartNumber READ PartNumber WRITE setPartNumber NOTIFY PartNumberChanged)
    Q_PROPERTY(
        int SensorFrequency READ SensorFrequency WRITE setSensorFrequency NOTIFY SensorFrequencyChanged)
    Q_PROPERTY(int SensorFrequencyLow READ SensorFrequencyLow WRITE setSensorFrequencyLow NOTIFY
            SensorFrequencyLowChanged)
    Q_PROPERTY(int SensorFrequencyHigh READ SensorFrequencyHigh WRITE setSensorFrequencyHigh NOTIFY
            SensorFrequencyHighChanged)
    Q_PROPERTY(int SwitchToLowFreqBelowRange READ SwitchToLowFreqBelowRange WRITE setSwitchToLowFreqBelowRange
            NOTIFY SwitchToLowFreqBelowRangeChanged)
    Q_PROPERTY(
        int ApprovedPrimary READ ApprovedPrimary WRITE setApprovedPrimary NOTIFY ApprovedPrimaryChanged)
    Q_PROPERTY(int UseInDeepOrShallowWater READ UseInDeepOrShallowWater WRITE setUseInDeepOrShallowWater
            NOTIFY UseInDeepOrShallowWaterChanged)
    Q_PROPERTY(int MaxRange READ MaxRange WRITE setMaxRange NOTIFY MaxRangeChanged)
    Q_PROPERTY(int Range READ Range WRITE setRange NOTIFY RangeChanged)
    Q_PROPERTY(int MaxPowerPercentage READ MaxPowerPercentage WRITE setMaxPowerPercentage NOTIFY
            MaxPowerPercentageChanged)
    Q_PROPERTY(
        int PowerPercentage READ PowerPercentage WRITE setPowerPercentage NOTIFY PowerPercentageChanged)
    Q_PROPERTY(int SensorGain READ SensorGain WRITE setSensorGain NOTIFY SensorGainChanged)
    Q_PROPERTY(int SoftwareGain READ SoftwareGain WRITE setSoftwareGain NOTIFY SoftwareGainChanged)
    Q_PROPERTY(int CombinedGain READ CombinedGain WRITE setCombinedGain NOTIFY CombinedGainChanged)
    Q_PROPERTY(int SensorOutputPower READ SensorOutputPower WRITE setSensorOutputPower NOTIFY
            SensorOutputPowerChanged)
    Q_PROPERTY(
        int SensorPulseWidth READ SensorPulseWidth WRITE setSensorPulseWidth NOTIFY SensorPulseWidthChanged)
    Q_PROPERTY(int SensorSampleNumber READ SensorSampleNumber WRITE setSensorSampleNumber NOTIFY
            SensorSampleNumberChanged)
    Q_PROPERTY(int SensorSamplingResolution READ SensorSamplingResolution WRITE setSensorSamplingResolution
            NOTIFY SensorSamplingResolutionChanged)
    Q_PROPERTY(int BlankingDistanceInCm READ BlankingDistanceInCm WRITE setBlankingDistanceInCm NOTIFY
            BlankingDistanceInCmChanged)
    Q_PROPERTY(int SensorStartingPosition READ SensorStartingPosition WRITE setSensorStartingPosition NOTIFY
            SensorStartingPositionChanged)
    Q_PROPERTY(int SensorUltrasonicSpeed READ SensorUltrasonicSpeed WRITE setSensorUltrasonicSpeed NOTIFY
            SensorUltrasonicSpeedChanged)
    Q_PROPERTY(int TvgPercentage READ TvgPercentage WRITE setTvgPercentage NOTIFY TvgPercentageChanged)
    Q_PROPERTY(double TvgValue READ TvgValue WRITE setTvgValue NOTIFY TvgValueChanged)
    Q_PROPERTY(int OutputImpMatchCapacitor READ OutputImpMatchCapacitor WRITE setOutputImpMatchCapacitor
            NOTIFY OutputImpMatchCapacitorChanged)

    Q_CLASSINFO(
        "Position", "type=enum name=Position enumList=Fwd;Aft;Port;Strb;Not_Connected isProtected=true")
    Q_CLASSINFO("Draft",
        "type=value name=Draft validator=float;0.0;50.0 unit=m measurement=depth changeable=true "
        "defaultValue=2.0 isProtected=true")
    Q_CLASSINFO("Offset",
        "type=value name=Offset validator=float;0.0;50.0 unit=m measurement=depth changeable=true "
        "isProtected=true")
    Q_CLASSINFO("PartNumber",
        "type=enum name=PartNumber "
        "enumList=KT200-10;KT50-200-10;KT50-20;KT50-200-20;KT38-30;KT24-30;KT100-10;KT210-10;Other_200;Other_"
        "50;Other defaultValue=3 isProtected=true")
    Q_CLASSINFO("SensorFrequency",
        "type=enum name=SensorFrequency nameToDisplay=Frequency enumList=200;50;38;210;100;33;30;24 unit=kHz "
        "defaultValue=1 autoMode=true isProtected=false")
    Q_CLASSINFO("SensorFrequencyLow",
        "type=enum name=SensorFrequencyLow nameToDisplay=Low_Frequency enumList=200;50;38;210;100;33;30;24 "
        "unit=kHz defaultValue=1 isProtected=false")
    Q_CLASSINFO("SensorFrequencyHigh",
        "type=enum name=SensorFrequencyHigh nameToDisplay=High_Frequency enumList=200;50;38;210;100;33;30;24 "
        "unit=kHz defaultValue=1 isProtected=false")
    Q_CLASSINFO("SwitchToLowFreqBelowRange",
        "type=enumWithDifferentUnits name=SwitchToLowFreqBelowRange unit=m measurement=depth changeable=true "
        "enumList=5;10;20;50;100;150;200;250;300;350;400;450;500;550;600;650;700;750;800;850;900;950;1000 "
        "enumListMeters=5;10;20;50;100;150;200;250;300;350;400;450;500;550;600;650;700;750;800;850;900;950;"
        "1000 "
        "enumListFeet=15;30;60;150;300;450;650;800;950;1100;1300;1450;1600;1800;1950;2100;2250;2450;2600;"
        "2750;2950;3100;3250 "
        "enumListFathoms=2;5;10;25;50;80;100;130;160;190;210;240;270;300;320;350;380;410;430;460;490;510;540 "
        "defaultValue=5 isProtected=true")
    Q_CLASSINFO("ApprovedPrimary", "type=enum name=ApprovedPrimary enumList=Yes;No isProtected=true")
    Q_CLASSINFO("UseInDeepOrShallowWater",
        "type=enum name=UseInDeepOrShallowWater nameToDisplay=Use_in_Deep_or_Shallow_Water "
        "enumList=Shallow;Deep;Both defaultValue=2 isProtected=true")
    Q_CLASSINFO("MaxRange",
        "type=enumWithDifferentUnits name=MaxRange unit=m measurement=depth changeable=true "
        "enumList=200;400;500;1000;2000;3000;4000;5000 enumListMeters=200;400;500;1000;2000;3000;4000;5000 "
        "enumListFeet=650;1300;1600;3250;6500;9800;13000;16000 "
        "enumListFathoms=100;210;270;540;1000;1600;2100;2700 defaultValue=3 isProtected=true")
    Q_CLASSINFO("Range",
        "type=enumWithDifferentUnits nameToDisplay=Range name=Range unit=m measurement=depth autoMode=true "
        "changeable=true invertedNextAndPrevious=true "
        "enumList=5;10;20;50;100;150;200;250;300;350;400;450;500;550;600;650;700;750;800;850;900;950;1000;"
        "2000;3000;4000;5000;6000 "
        "enumListMeters=5;10;20;50;100;150;200;250;300;350;400;450;500;550;600;650;700;750;800;850;900;950;"
        "1000;2000;3000;4000;5000;6000 "
        "enumListFeet=15;30;60;150;300;450;650;800;950;1100;1300;1450;1600;1800;1950;2100;2250;2450;2600;"
        "2750;2950;3100;3250;6500;9800;13000;16000;19500 "
        "enumListFathoms=2;5;10;25;50;80;100;130;160;190;210;240;270;300;320;350;380;410;430;460;490;510;540;"
        "1000;1600;2100;2700;3250 defaultValue=6")
    Q_CLASSINFO("MaxPowerPercentage",
        "type=value name=MaxPowerPercentage validator=int;1;100 unit=% defaultValue=100 measurement=other "
        "changeable=false isProtected=true")
    Q_CLASSINFO("PowerPercentage",
        "type=value name=PowerPercentage nameToDisplay=Power validator=int;1;100 unit=% defaultValue=50 "
        "measurement=other changeable=false")
    Q_CLASSINFO("SensorGain",
        "type=enum name=SensorGain nameToDisplay=NotAvailableSensorGain showStatus=false "
        "enumList=2;3;4;5;6;7;8;9;10;1")
    Q_CLASSINFO("SoftwareGain",
        "type=value name=SoftwareGain nameToDisplay=NotAvailableSoftwareGain validator=int;1;10 "
        "measurement=other defaultValue=1")
    Q_CLASSINFO("CombinedGain",
        "type=enum name=CombinedGain nameToDisplay=Gain showStatus=true enumList=1;2;3;4;5;6;7;8;9;10;11;12 "
        "autoMode=true defaultValue=1")
    Q_CLASSINFO("SensorOutputPower",
        "type=value name=SensorOutputPower nameToDisplay=Output_Power showStatus=true measurement=other "
        "validator=int;0;40000 defaultValue=500")
    Q_CLASSINFO("SensorPulseWidth",
        "type=value name=SensorPulseWidth nameToDisplay=Pulse_Width autoMode=true showStatus=true "
        "measurement=other validator=int;0;12000 defaultValue=500 unit=us isProtected=true")
    Q_CLASSINFO("SensorSampleNumber",
        "type=value name=SensorSampleNumber nameToDisplay=Sample_Number showStatus=true validator=int;1;3200 "
        "defaultValue=2500 isProtected=true")
    Q_CLASSINFO("SensorSamplingResolution",
        "type=value name=SensorSamplingResolution nameToDisplay=Sampling_Resolution showStatus=true "
        "validator=int;1;1000 defaultValue=20 isProtected=true")
    Q_CLASSINFO("BlankingDistanceInCm",
        "type=value name=BlankingDistanceInCm nameToDisplay=Blanking_Distance measurement=depth unit=cm "
        "changeable=false showStatus=true validator=int;0;10000 defaultValue=0")
    Q_CLASSINFO("SensorStartingPosition",
        "type=value name=SensorStartingPosition nameToDisplay=Sample_Starting_Position showStatus=true "
        "validator=int;0;3199")
    Q_CLASSINFO("SensorUltrasonicSpeed",
        "type=value name=SensorUltrasonicSpeed nameToDisplay=Ultrasonic_Speed showStatus=true unit=m/s "
        "measurement=speed changeable=false validator=int;700;1700 defaultValue=1500")
    Q_CLASSINFO("TvgPercentage",
        "type=value name=TvgPercentage nameToDisplay=TVG showStatus=true measurement=other unit=% "
        "validator=int;0;100 defaultValue=50")
    Q_CLASSINFO("TvgValue",
        "type=value name=TvgValue nameToDisplay=TVG_Value showStatus=true measurement=other "
        "validator=int;0;20 defaultValue=10")
    Q_CLASSINFO(
        "OutputImpMatchCapacitor", "type=enum name=OutputImpMatchCapacitor enumList=3;2;1;0 defaultValue=0")

public:
    EsTransducerSetup(QObject *parent, const QString &name);

    int Position() const { return m_Position; }
    double Draft() const { return m_Draft; }
    double Offset() const { return m_Offset; }
    int PartNumber() const { return m_PartNumber; }
    int SensorFrequency() const { return m_SensorFrequency; }
    int SensorFrequencyLow() const { return m_SensorFrequencyLow; }
    int SensorFrequencyHigh() const { return m_SensorFrequencyHigh; }
    int SwitchToLowFreqBelowRange() const { return m_SwitchToLowFreqBelowRange; }
    int ApprovedPrimary() const { return m_ApprovedPrimary; }
    int UseInDeepOrShallowWater() const { return m_UseInDeepOrShallowWater; }
    int MaxRange() const { return m_MaxRange; }
    int Range() const { return m_Range; }
    int MaxPowerPercentage() const { return m_MaxPowerPercentage; }
    int PowerPercentage() const { return m_PowerPercentage; }
    int SensorGain() const { return m_SensorGain; }
    int SoftwareGain() const { return m_SoftwareGain; }
    int CombinedGain() const { return m_CombinedGain; }
    int SensorOutputPower() const { return m_SensorOutputPower; }
    int SensorPulseWidth() const { return m_SensorPulseWidth; }
    int SensorSampleNumber() const { return m_SensorSampleNumber; }
    int SensorSamplingResolution() const { return m_SensorSamplingResolution; }
    int BlankingDistanceInCm() const { return m_BlankingDistanceInCm; }
    int SensorStartingPosition() const { return m_SensorStartingPosition; }
    int SensorUltrasonicSpeed() const { return m_SensorUltrasonicSpeed; }
    int TvgPercentage() const { return m_TvgPercentage; }
    double TvgValue() const { return m_TvgValue; }
    int OutputImpMatchCapacitor() const { return m_OutputImpMatchCapacitor; }

    // The gain factor of the current CombinedGain; 1 outside its twelve options.
    float combinedGainFactor() const;
    // Splits CombinedGain into SensorGain and SoftwareGain and sends each setting it writes.
    // Without overwriteSoftwareGain the software gain is written only for the options that need
    // it (3 and 4, which then also set the sensor gain to its option "2"); with it, the software
    // gain is written for every option and the sensor gain is left alone for those two.
    // A CombinedGain outside its twelve options (a damaged received value) changes nothing.
    void applyCombinedGain(bool overwriteSoftwareGain);
    // 200 for SensorFrequency 0, 50 for 1, otherwise 0.
    int sensorFrequencyKHz() const;
    static int sensorFrequencyKHz(int frequencyIndex);

    // CombinedGain written by the automatic gain function: its mark carries "_auto".
    void setCombinedGainAuto(int value);
    // CombinedGain written without publishing a mark.
    void setCombinedGainWithoutMark(int value);

public slots:
    void setPosition(int value);
    void setDraft(double value);
    void setOffset(double value);
    void setPartNumber(int value);
    void setSensorFrequency(int value);
    void setSensorFrequencyLow(int value);
    void setSensorFrequencyHigh(int value);
    void setSwitchToLowFreqBelowRange(int value);
    void setApprovedPrimary(int value);
    void setUseInDeepOrShallowWater(int value);
    void setMaxRange(int value);
    void setRange(int value);
    void setMaxPowerPercentage(int value);
    void setPowerPercentage(int value);
    void setSensorGain(int value);
    void setSoftwareGain(int value);
    void setCombinedGain(int value);
    void setSensorOutputPower(int value);
    void setSensorPulseWidth(int value);
    void setSensorSampleNumber(int value);
    void setSensorSamplingResolution(int value);
    void setBlankingDistanceInCm(int value);
    void setSensorStartingPosition(int value);
    void setSensorUltrasonicSpeed(int value);
    void setTvgPercentage(int value);
    void setTvgValue(double value);
    void setOutputImpMatchCapacitor(int value);

signals:
    void PositionChanged(int Position);
    void DraftChanged(double Draft);
    void OffsetChanged(double Offset);
    void PartNumberChanged(int PartNumber);
    void SensorFrequencyChanged(int SensorFrequency);
    void SensorFrequencyLowChanged(int SensorFrequencyLow);
    void SensorFrequencyHighChanged(int SensorFrequencyHigh);
    void SwitchToLowFreqBelowRangeChanged(int SwitchToLowFreqBelowRange);
    void ApprovedPrimaryChanged(int ApprovedPrimary);
    void UseInDeepOrShallowWaterChanged(int UseInDeepOrShallowWater);
    void MaxRangeChanged(int MaxRange);
    void RangeChanged(int Range);
    void MaxPowerPercentageChanged(int MaxPowerPercentage);
    void PowerPercentageChanged(int PowerPercentage);
    void SensorGainChanged(int SensorGain);
    void SoftwareGainChanged(int SoftwareGain);
    void CombinedGainChanged(int CombinedGain);
    void SensorOutputPowerChanged(int SensorOutputPower);
    void SensorPulseWidthChanged(int SensorPulseWidth);
    void SensorSampleNumberChanged(int SensorSampleNumber);
    void SensorSamplingResolutionChanged(int SensorSamplingResolution);
    void BlankingDistanceInCmChanged(int BlankingDistanceInCm);
    void SensorStartingPositionChanged(int SensorStartingPosition);
    void SensorUltrasonicSpeedChanged(int SensorUltrasonicSpeed);
    void TvgPercentageChanged(int TvgPercentage);
    void TvgValueChanged(double TvgValue);
    void OutputImpMatchCapacitorChanged(int OutputImpMatchCapacitor);

private:
    int m_Position = 0;
    double m_Draft = 0.0;
    double m_Offset = 0.0;
    int m_PartNumber = 0;
    int m_SensorFrequency = 0;
    int m_SensorFrequencyLow = 0;
    int m_SensorFrequencyHigh = 0;
    int m_SwitchToLowFreqBelowRange = 0;
    int m_ApprovedPrimary = 0;
    int m_UseInDeepOrShallowWater = 0;
    int m_MaxRange = 0;
    int m_Range = 0;
    int m_MaxPowerPercentage = 0;
    int m_PowerPercentage = 0;
    int m_SensorGain = 0;
    int m_SoftwareGain = 0;
    int m_CombinedGain = 0;
    int m_SensorOutputPower = 0;
    int m_SensorPulseWidth = 0;
    int m_SensorSampleNumber = 0;
    int m_SensorSamplingResolution = 0;
    int m_BlankingDistanceInCm = 0;
    int m_SensorStartingPosition = 0;
    int m_SensorUltrasonicSpeed = 0;
    int m_TvgPercentage = 0;
    double m_TvgValue = 0.0;
    int m_OutputImpMatchCapacitor = 0;
    void publishMark(const QString &propertyName, const QString &suffix = QString());
    void storeCombinedGain(int value, bool withMark, const QString &suffix);
};

#endif // ESTRANSDUCERSETUP_H
