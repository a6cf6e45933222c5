#ifndef ESDIAGNOSTICSSETUP_H
#define ESDIAGNOSTICSSETUP_H

#include "data/SerializableClass.h"

// Depth simulation, test alarm and the tuning of bottom and noise detection ("DiagnosticsSetup").
class ESDiagnosticsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int SimulateDepth READ SimulateDepth WRITE setSimulateDepth NOTIFY SimulateDepthChanged)
    Q_PROPERTY(int Source READ Source WRITE setSource NOTIFY SourceChanged)
    Q_PROPERTY(double Depth READ Depth WRITE setDepth NOTIFY DepthChanged)
    Q_PROPERTY(int TestAlarm READ TestAlarm WRITE setTestAlarm NOTIFY TestAlarmChanged)
    Q_PROPERTY(
        double SimulationSpeed READ SimulationSpeed WRITE setSimulationSpeed NOTIFY SimulationSpeedChanged)
    Q_PROPERTY(int BottomDetectionMaxStartingIndexAtLowRange READ BottomDetectionMaxStartingIndexAtLowRange
            WRITE setBottomDetectionMaxStartingIndexAtLowRange NOTIFY
                BottomDetectionMaxStartingIndexAtLowRangeChanged)
    Q_PROPERTY(double BottomDetectionWindowWidth READ BottomDetectionWindowWidth WRITE
            setBottomDetectionWindowWidth NOTIFY BottomDetectionWindowWidthChanged)
    Q_PROPERTY(double BottomDetectionNoiseLimitingFactor READ BottomDetectionNoiseLimitingFactor WRITE
            setBottomDetectionNoiseLimitingFactor NOTIFY BottomDetectionNoiseLimitingFactorChanged)
    Q_PROPERTY(double BottomDetectionMinimumSnr READ BottomDetectionMinimumSnr WRITE
            setBottomDetectionMinimumSnr NOTIFY BottomDetectionMinimumSnrChanged)
    Q_PROPERTY(int BottomDetectionKalmanFilter READ BottomDetectionKalmanFilter WRITE
            setBottomDetectionKalmanFilter NOTIFY BottomDetectionKalmanFilterChanged)
    Q_PROPERTY(int BottomDetectionRefineResult READ BottomDetectionRefineResult WRITE
            setBottomDetectionRefineResult NOTIFY BottomDetectionRefineResultChanged)
    Q_PROPERTY(int BottomDetectionRefineResult2 READ BottomDetectionRefineResult2 WRITE
            setBottomDetectionRefineResult2 NOTIFY BottomDetectionRefineResult2Changed)
    Q_PROPERTY(int BottomDetectionInterferenceReduction READ BottomDetectionInterferenceReduction WRITE
            setBottomDetectionInterferenceReduction NOTIFY BottomDetectionInterferenceReductionChanged)
    Q_PROPERTY(int BottomDetectionAlternativeFilter READ BottomDetectionAlternativeFilter WRITE
            setBottomDetectionAlternativeFilter NOTIFY BottomDetectionAlternativeFilterChanged)
    Q_PROPERTY(int BottomDetectionRefinementSensitivity READ BottomDetectionRefinementSensitivity WRITE
            setBottomDetectionRefinementSensitivity NOTIFY BottomDetectionRefinementSensitivityChanged)
    Q_PROPERTY(double BottomDetectionMaxDepthTest READ BottomDetectionMaxDepthTest WRITE
            setBottomDetectionMaxDepthTest NOTIFY BottomDetectionMaxDepthTestChanged)
    Q_PROPERTY(int BottomDetectionAboutToLoseBottomLimit READ BottomDetectionAboutToLoseBottomLimit WRITE
            setBottomDetectionAboutToLoseBottomLimit NOTIFY BottomDetectionAboutToLoseBottomLimitChanged)
    Q_PROPERTY(int BottomDetectionLostBottomLimit READ BottomDetectionLostBottomLimit WRITE
            setBottomDetectionLostBottomLimit NOTIFY BottomDetectionLostBottomLimitChanged)
    Q_PROPERTY(int BottomDetectionMinNumberOfNonZeroWindows READ BottomDetectionMinNumberOfNonZeroWindows
            WRITE setBottomDetectionMinNumberOfNonZeroWindows NOTIFY
                BottomDetectionMinNumberOfNonZeroWindowsChanged)
    Q_PROPERTY(int NoiseDetectionDisplayNoiseRemoval READ NoiseDetectionDisplayNoiseRemoval WRITE
            setNoiseDetectionDisplayNoiseRemoval NOTIFY NoiseDetectionDisplayNoiseRemovalChanged)
    Q_PROPERTY(int NoiseDetectionNumberOfLevels READ NoiseDetectionNumberOfLevels WRITE
            setNoiseDetectionNumberOfLevels NOTIFY NoiseDetectionNumberOfLevelsChanged)
    Q_PROPERTY(int NoiseDetectionMinNumberOfLevels READ NoiseDetectionMinNumberOfLevels WRITE
            setNoiseDetectionMinNumberOfLevels NOTIFY NoiseDetectionMinNumberOfLevelsChanged)
    Q_PROPERTY(int NoiseDetectionGroupWidth READ NoiseDetectionGroupWidth WRITE setNoiseDetectionGroupWidth
            NOTIFY NoiseDetectionGroupWidthChanged)
    Q_PROPERTY(double NoiseDetectionMinPercentageOfGroups READ NoiseDetectionMinPercentageOfGroups WRITE
            setNoiseDetectionMinPercentageOfGroups NOTIFY NoiseDetectionMinPercentageOfGroupsChanged)
    Q_PROPERTY(double NoiseDetectionMultiplyingFactor READ NoiseDetectionMultiplyingFactor WRITE
            setNoiseDetectionMultiplyingFactor NOTIFY NoiseDetectionMultiplyingFactorChanged)
    Q_PROPERTY(double NoiseDetectionMultiplyingFactorAtLessThan25m READ
            NoiseDetectionMultiplyingFactorAtLessThan25m WRITE setNoiseDetectionMultiplyingFactorAtLessThan25m
                NOTIFY NoiseDetectionMultiplyingFactorAtLessThan25mChanged)
    Q_PROPERTY(double NoiseDetectionMultiplyingFactorAtLessThan50m READ
            NoiseDetectionMultiplyingFactorAtLessThan50m WRITE setNoiseDetectionMultiplyingFactorAtLessThan50m
                NOTIFY NoiseDetectionMultiplyingFactorAtLessThan50mChanged)
    Q_PROPERTY(double NoiseDetectionMultiplyingFactorAtLessThan100m READ
            NoiseDetectionMultiplyingFactorAtLessThan100m WRITE
                setNoiseDetectionMultiplyingFactorAtLessThan100m NOTIFY
                    NoiseDetectionMultiplyingFactorAtLessThan100mChanged)
    Q_PROPERTY(int NoiseDetectionMaxNoiseLevel READ NoiseDetectionMaxNoiseLevel WRITE
            setNoiseDetectionMaxNoiseLevel NOTIFY NoiseDetectionMaxNoiseLevelChanged)
    Q_PROPERTY(int NoiseDetectionUseDifferentTresholds READ NoiseDetectionUseDifferentTresholds WRITE
            setNoiseDetectionUseDifferentTresholds NOTIFY NoiseDetectionUseDifferentTresholdsChanged)
    Q_PROPERTY(int NoiseDetectionCutOutBegining READ NoiseDetectionCutOutBegining WRITE
            setNoiseDetectionCutOutBegining NOTIFY NoiseDetectionCutOutBeginingChanged)
    Q_PROPERTY(int FileLoggingImportance READ FileLoggingImportance WRITE setFileLoggingImportance NOTIFY
            FileLoggingImportanceChanged)

    Q_CLASSINFO("SimulateDepth",
        "type=enum name=SimulateDepth nameToDisplay=Simulate_Depth showStatus=true "
        "enumList=off;Fixed;Changing;From_File defaultValue=3")
    Q_CLASSINFO("Source",
        "type=enum name=Source nameToDisplay=Source showStatus=true enumList=TQ_55;Transciever*;External*")
    Q_CLASSINFO("Depth",
        "type=value name=Depth unit=m nameToDisplay=Depth showStatus=true measurement=depth changeable=true "
        "validator=float;1.0;6000.0")
    Q_CLASSINFO(
        "TestAlarm", "type=enum name=TestAlarm nameToDisplay=Test_Alarm showStatus=true enumList=off;ON")
    Q_CLASSINFO("SimulationSpeed",
        "type=value name=SimulationSpeed nameToDisplay=Simulation_Speed showStatus=true measurement=other "
        "validator=float;0.0;50.0 defaultValue=1.0 unit=x")
    Q_CLASSINFO("BottomDetectionMaxStartingIndexAtLowRange",
        "type=value name=BottomDetectionMaxStartingIndexAtLowRange measurement=other validator=int;1;1000 "
        "defaultValue=150")
    Q_CLASSINFO("BottomDetectionWindowWidth",
        "type=value name=BottomDetectionWindowWidth measurement=other validator=float;0.1;10 "
        "defaultValue=1.2")
    Q_CLASSINFO("BottomDetectionNoiseLimitingFactor",
        "type=value name=BottomDetectionNoiseLimitingFactor measurement=other validator=float;0;10 "
        "defaultValue=1.0")
    Q_CLASSINFO("BottomDetectionMinimumSnr",
        "type=value name=BottomDetectionMinimumSnr measurement=other unit=dB validator=float;0;50 "
        "defaultValue=12.0")
    Q_CLASSINFO("BottomDetectionKalmanFilter", "type=enum name=BottomDetectionKalmanFilter enumList=ON;off")
    Q_CLASSINFO("BottomDetectionRefineResult", "type=enum name=BottomDetectionRefineResult enumList=ON;off")
    Q_CLASSINFO("BottomDetectionRefineResult2", "type=enum name=BottomDetectionRefineResult2 enumList=ON;off")
    Q_CLASSINFO("BottomDetectionInterferenceReduction",
        "type=enum name=BottomDetectionInterferenceReduction enumList=ON;off")
    Q_CLASSINFO(
        "BottomDetectionAlternativeFilter", "type=enum name=BottomDetectionAlternativeFilter enumList=ON;off")
    Q_CLASSINFO("BottomDetectionRefinementSensitivity",
        "type=enum name=BottomDetectionRefinementSensitivity enumList=Very_Low;Low;Medium;High;Very_High "
        "defaultValue=2")
    Q_CLASSINFO("BottomDetectionMaxDepthTest",
        "type=value name=BottomDetectionMaxDepthTest measurement=depth unit=m validator=float;0.0;10000.0 "
        "defaultValue=10000.0")
    Q_CLASSINFO("BottomDetectionAboutToLoseBottomLimit",
        "type=value name=BottomDetectionAboutToLoseBottomLimit measurement=other validator=int;0;10 "
        "defaultValue=3")
    Q_CLASSINFO("BottomDetectionLostBottomLimit",
        "type=value name=BottomDetectionLostBottomLimit measurement=other validator=int;4;12 defaultValue=6")
    Q_CLASSINFO("BottomDetectionMinNumberOfNonZeroWindows",
        "type=value name=BottomDetectionMinNumberOfNonZeroWindows measurement=other validator=int;1;8 "
        "defaultValue=3")
    Q_CLASSINFO("NoiseDetectionDisplayNoiseRemoval",
        "type=enum name=NoiseDetectionDisplayNoiseRemoval enumList=ON;off defaultValue=0")
    Q_CLASSINFO("NoiseDetectionNumberOfLevels",
        "type=value name=NoiseDetectionNumberOfLevels measurement=other validator=int;1;5000 "
        "defaultValue=4000")
    Q_CLASSINFO("NoiseDetectionMinNumberOfLevels",
        "type=value name=NoiseDetectionMinNumberOfLevels measurement=other validator=int;1;5000 "
        "defaultValue=200")
    Q_CLASSINFO("NoiseDetectionGroupWidth",
        "type=value name=NoiseDetectionGroupWidth measurement=other validator=int;1;50 defaultValue=10")
    Q_CLASSINFO("NoiseDetectionMinPercentageOfGroups",
        "type=value name=NoiseDetectionMinPercentageOfGroups measurement=other validator=float;0.05;0.95 "
        "defaultValue=0.45")
    Q_CLASSINFO("NoiseDetectionMultiplyingFactor",
        "type=value name=NoiseDetectionMultiplyingFactor measurement=other validator=float;0.01;30.0 "
        "defaultValue=1.0")
    Q_CLASSINFO("NoiseDetectionMultiplyingFactorAtLessThan25m",
        "type=value name=NoiseDetectionMultiplyingFactorAtLessThan25m measurement=other "
        "validator=float;0.01;30.0 defaultValue=12.0")
    Q_CLASSINFO("NoiseDetectionMultiplyingFactorAtLessThan50m",
        "type=value name=NoiseDetectionMultiplyingFactorAtLessThan50m measurement=other "
        "validator=float;0.01;30.0 defaultValue=6.0")
    Q_CLASSINFO("NoiseDetectionMultiplyingFactorAtLessThan100m",
        "type=value name=NoiseDetectionMultiplyingFactorAtLessThan100m measurement=other "
        "validator=float;0.01;30.0 defaultValue=2.0")
    Q_CLASSINFO("NoiseDetectionMaxNoiseLevel",
        "type=value name=NoiseDetectionMaxNoiseLevel measurement=other validator=int;1;10000 "
        "defaultValue=1000")
    Q_CLASSINFO("NoiseDetectionUseDifferentTresholds",
        "type=enum name=NoiseDetectionUseDifferentTresholds enumList=Always;Bottom_Lost;Never defaultValue=1")
    Q_CLASSINFO("NoiseDetectionCutOutBegining",
        "type=enum name=NoiseDetectionCutOutBegining enumList=Always;Deep_Range;Never defaultValue=2")
    Q_CLASSINFO("FileLoggingImportance", "type=enum name=FileLoggingImportance enumList=None;Low;Medium;High")

public:
    ESDiagnosticsSetup(QObject *parent, const QString &name);

    int SimulateDepth() const { return m_SimulateDepth; }
    int Source() const { return m_Source; }
    double Depth() const { return m_Depth; }
    int TestAlarm() const { return m_TestAlarm; }
    double SimulationSpeed() const { return m_SimulationSpeed; }
    int BottomDetectionMaxStartingIndexAtLowRange() const
    {
        return m_BottomDetectionMaxStartingIndexAtLowRange;
    }
    double BottomDetectionWindowWidth() const { return m_BottomDetectionWindowWidth; }
    double BottomDetectionNoiseLimitingFactor() const { return m_BottomDetectionNoiseLimitingFactor; }
    double BottomDetectionMinimumSnr() const { return m_BottomDetectionMinimumSnr; }
    int BottomDetectionKalmanFilter() const { return m_BottomDetectionKalmanFilter; }
    int BottomDetectionRefineResult() const { return m_BottomDetectionRefineResult; }
    int BottomDetectionRefineResult2() const { return m_BottomDetectionRefineResult2; }
    int BottomDetectionInterferenceReduction() const { return m_BottomDetectionInterferenceReduction; }
    int BottomDetectionAlternativeFilter() const { return m_BottomDetectionAlternativeFilter; }
    int BottomDetectionRefinementSensitivity() const { return m_BottomDetectionRefinementSensitivity; }
    double BottomDetectionMaxDepthTest() const { return m_BottomDetectionMaxDepthTest; }
    int BottomDetectionAboutToLoseBottomLimit() const { return m_BottomDetectionAboutToLoseBottomLimit; }
    int BottomDetectionLostBottomLimit() const { return m_BottomDetectionLostBottomLimit; }
    int BottomDetectionMinNumberOfNonZeroWindows() const
    {
        return m_BottomDetectionMinNumberOfNonZeroWindows;
    }
    int NoiseDetectionDisplayNoiseRemoval() const { return m_NoiseDetectionDisplayNoiseRemoval; }
    int NoiseDetectionNumberOfLevels() const { return m_NoiseDetectionNumberOfLevels; }
    int NoiseDetectionMinNumberOfLevels() const { return m_NoiseDetectionMinNumberOfLevels; }
    int NoiseDetectionGroupWidth() const { return m_NoiseDetectionGroupWidth; }
    double NoiseDetectionMinPercentageOfGroups() const { return m_NoiseDetectionMinPercentageOfGroups; }
    double NoiseDetectionMultiplyingFactor() const { return m_NoiseDetectionMultiplyingFactor; }
    double NoiseDetectionMultiplyingFactorAtLessThan25m() const
    {
        return m_NoiseDetectionMultiplyingFactorAtLessThan25m;
    }
    double NoiseDetectionMultiplyingFactorAtLessThan50m() const
    {
        return m_NoiseDetectionMultiplyingFactorAtLessThan50m;
    }
    double NoiseDetectionMultiplyingFactorAtLessThan100m() const
    {
        return m_NoiseDetectionMultiplyingFactorAtLessThan100m;
    }
    int NoiseDetectionMaxNoiseLevel() const { return m_NoiseDetectionMaxNoiseLevel; }
    int NoiseDetectionUseDifferentTresholds() const { return m_NoiseDetectionUseDifferentTresholds; }
    int NoiseDetectionCutOutBegining() const { return m_NoiseDetectionCutOutBegining; }
    int FileLoggingImportance() const { return m_FileLoggingImportance; }

public slots:
    void setSimulateDepth(int value);
    void setSource(int value);
    void setDepth(double value);
    void setTestAlarm(int value);
    void setSimulationSpeed(double value);
    void setBottomDetectionMaxStartingIndexAtLowRange(int value);
    void setBottomDetectionWindowWidth(double value);
    void setBottomDetectionNoiseLimitingFactor(double value);
    void setBottomDetectionMinimumSnr(double value);
    void setBottomDetectionKalmanFilter(int value);
    void setBottomDetectionRefineResult(int value);
    void setBottomDetectionRefineResult2(int value);
    void setBottomDetectionInterferenceReduction(int value);
    void setBottomDetectionAlternativeFilter(int value);
    void setBottomDetectionRefinementSensitivity(int value);
    void setBottomDetectionMaxDepthTest(double value);
    void setBottomDetectionAboutToLoseBottomLimit(int value);
    void setBottomDetectionLostBottomLimit(int value);
    void setBottomDetectionMinNumberOfNonZeroWindows(int value);
    void setNoiseDetectionDisplayNoiseRemoval(int value);
    void setNoiseDetectionNumberOfLevels(int value);
    void setNoiseDetectionMinNumberOfLevels(int value);
    void setNoiseDetectionGroupWidth(int value);
    void setNoiseDetectionMinPercentageOfGroups(double value);
    void setNoiseDetectionMultiplyingFactor(double value);
    void setNoiseDetectionMultiplyingFactorAtLessThan25m(double value);
    void setNoiseDetectionMultiplyingFactorAtLessThan50m(double value);
    void setNoiseDetectionMultiplyingFactorAtLessThan100m(double value);
    void setNoiseDetectionMaxNoiseLevel(int value);
    void setNoiseDetectionUseDifferentTresholds(int value);
    void setNoiseDetectionCutOutBegining(int value);
    void setFileLoggingImportance(int value);

signals:
    void SimulateDepthChanged(int SimulateDepth);
    void SourceChanged(int Source);
    void DepthChanged(double Depth);
    void TestAlarmChanged(int TestAlarm);
    void SimulationSpeedChanged(double SimulationSpeed);
    void BottomDetectionMaxStartingIndexAtLowRangeChanged(int BottomDetectionMaxStartingIndexAtLowRange);
    void BottomDetectionWindowWidthChanged(double BottomDetectionWindowWidth);
    void BottomDetectionNoiseLimitingFactorChanged(double BottomDetectionNoiseLimitingFactor);
    void BottomDetectionMinimumSnrChanged(double BottomDetectionMinimumSnr);
    void BottomDetectionKalmanFilterChanged(int BottomDetectionKalmanFilter);
    void BottomDetectionRefineResultChanged(int BottomDetectionRefineResult);
    void BottomDetectionRefineResult2Changed(int BottomDetectionRefineResult2);
    void BottomDetectionInterferenceReductionChanged(int BottomDetectionInterferenceReduction);
    void BottomDetectionAlternativeFilterChanged(int BottomDetectionAlternativeFilter);
    void BottomDetectionRefinementSensitivityChanged(int BottomDetectionRefinementSensitivity);
    void BottomDetectionMaxDepthTestChanged(double BottomDetectionMaxDepthTest);
    void BottomDetectionAboutToLoseBottomLimitChanged(int BottomDetectionAboutToLoseBottomLimit);
    void BottomDetectionLostBottomLimitChanged(int BottomDetectionLostBottomLimit);
    void BottomDetectionMinNumberOfNonZeroWindowsChanged(int BottomDetectionMinNumberOfNonZeroWindows);
    void NoiseDetectionDisplayNoiseRemovalChanged(int NoiseDetectionDisplayNoiseRemoval);
    void NoiseDetectionNumberOfLevelsChanged(int NoiseDetectionNumberOfLevels);
    void NoiseDetectionMinNumberOfLevelsChanged(int NoiseDetectionMinNumberOfLevels);
    void NoiseDetectionGroupWidthChanged(int NoiseDetectionGroupWidth);
    void NoiseDetectionMinPercentageOfGroupsChanged(double NoiseDetectionMinPercentageOfGroups);
    void NoiseDetectionMultiplyingFactorChanged(double NoiseDetectionMultiplyingFactor);
    void NoiseDetectionMultiplyingFactorAtLessThan25mChanged(
        double NoiseDetectionMultiplyingFactorAtLessThan25m);
    void NoiseDetectionMultiplyingFactorAtLessThan50mChanged(
        double NoiseDetectionMultiplyingFactorAtLessThan50m);
    void NoiseDetectionMultiplyingFactorAtLessThan100mChanged(
        double NoiseDetectionMultiplyingFactorAtLessThan100m);
    void NoiseDetectionMaxNoiseLevelChanged(int NoiseDetectionMaxNoiseLevel);
    void NoiseDetectionUseDifferentTresholdsChanged(int NoiseDetectionUseDifferentTresholds);
    void NoiseDetectionCutOutBeginingChanged(int NoiseDetectionCutOutBegining);
    void FileLoggingImportanceChanged(int FileLoggingImportance);

private:
    int m_SimulateDepth = 0;
    int m_Source = 0;
    double m_Depth = 0.0;
    int m_TestAlarm = 0;
    double m_SimulationSpeed = 0.0;
    int m_BottomDetectionMaxStartingIndexAtLowRange = 0;
    double m_BottomDetectionWindowWidth = 0.0;
    double m_BottomDetectionNoiseLimitingFactor = 0.0;
    double m_BottomDetectionMinimumSnr = 0.0;
    int m_BottomDetectionKalmanFilter = 0;
    int m_BottomDetectionRefineResult = 0;
    int m_BottomDetectionRefineResult2 = 0;
    int m_BottomDetectionInterferenceReduction = 0;
    int m_BottomDetectionAlternativeFilter = 0;
    int m_BottomDetectionRefinementSensitivity = 0;
    double m_BottomDetectionMaxDepthTest = 0.0;
    int m_BottomDetectionAboutToLoseBottomLimit = 0;
    int m_BottomDetectionLostBottomLimit = 0;
    int m_BottomDetectionMinNumberOfNonZeroWindows = 0;
    int m_NoiseDetectionDisplayNoiseRemoval = 0;
    int m_NoiseDetectionNumberOfLevels = 0;
    int m_NoiseDetectionMinNumberOfLevels = 0;
    int m_NoiseDetectionGroupWidth = 0;
    double m_NoiseDetectionMinPercentageOfGroups = 0.0;
    double m_NoiseDetectionMultiplyingFactor = 0.0;
    double m_NoiseDetectionMultiplyingFactorAtLessThan25m = 0.0;
    double m_NoiseDetectionMultiplyingFactorAtLessThan50m = 0.0;
    double m_NoiseDetectionMultiplyingFactorAtLessThan100m = 0.0;
    int m_NoiseDetectionMaxNoiseLevel = 0;
    int m_NoiseDetectionUseDifferentTresholds = 0;
    int m_NoiseDetectionCutOutBegining = 0;
    int m_FileLoggingImportance = 0;
};

#endif // ESDIAGNOSTICSSETUP_H
