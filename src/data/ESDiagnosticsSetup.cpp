#include "data/ESDiagnosticsSetup.h"

ESDiagnosticsSetup::ESDiagnosticsSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESDiagnosticsSetup::setSimulateDepth(int value)
{
    m_SimulateDepth = value;
    emit SimulateDepthChanged(m_SimulateDepth);
}

void ESDiagnosticsSetup::setSource(int value)
{
    m_Source = value;
    emit SourceChanged(m_Source);
}

void ESDiagnosticsSetup::setDepth(double value)
{
    m_Depth = value;
    emit DepthChanged(m_Depth);
}

void ESDiagnosticsSetup::setTestAlarm(int value)
{
    m_TestAlarm = value;
    emit TestAlarmChanged(m_TestAlarm);
}

void ESDiagnosticsSetup::setSimulationSpeed(double value)
{
    m_SimulationSpeed = value;
    emit SimulationSpeedChanged(m_SimulationSpeed);
}

void ESDiagnosticsSetup::setBottomDetectionMaxStartingIndexAtLowRange(int value)
{
    m_BottomDetectionMaxStartingIndexAtLowRange = value;
    emit BottomDetectionMaxStartingIndexAtLowRangeChanged(m_BottomDetectionMaxStartingIndexAtLowRange);
}

void ESDiagnosticsSetup::setBottomDetectionWindowWidth(double value)
{
    m_BottomDetectionWindowWidth = value;
    emit BottomDetectionWindowWidthChanged(m_BottomDetectionWindowWidth);
}

void ESDiagnosticsSetup::setBottomDetectionNoiseLimitingFactor(double value)
{
    m_BottomDetectionNoiseLimitingFactor = value;
    emit BottomDetectionNoiseLimitingFactorChanged(m_BottomDetectionNoiseLimitingFactor);
}

void ESDiagnosticsSetup::setBottomDetectionMinimumSnr(double value)
{
    m_BottomDetectionMinimumSnr = value;
    emit BottomDetectionMinimumSnrChanged(m_BottomDetectionMinimumSnr);
}

void ESDiagnosticsSetup::setBottomDetectionKalmanFilter(int value)
{
    m_BottomDetectionKalmanFilter = value;
    emit BottomDetectionKalmanFilterChanged(m_BottomDetectionKalmanFilter);
}

void ESDiagnosticsSetup::setBottomDetectionRefineResult(int value)
{
    m_BottomDetectionRefineResult = value;
    emit BottomDetectionRefineResultChanged(m_BottomDetectionRefineResult);
}

void ESDiagnosticsSetup::setBottomDetectionRefineResult2(int value)
{
    m_BottomDetectionRefineResult2 = value;
    emit BottomDetectionRefineResult2Changed(m_BottomDetectionRefineResult2);
}

void ESDiagnosticsSetup::setBottomDetectionInterferenceReduction(int value)
{
    m_BottomDetectionInterferenceReduction = value;
    emit BottomDetectionInterferenceReductionChanged(m_BottomDetectionInterferenceReduction);
}

void ESDiagnosticsSetup::setBottomDetectionAlternativeFilter(int value)
{
    m_BottomDetectionAlternativeFilter = value;
    emit BottomDetectionAlternativeFilterChanged(m_BottomDetectionAlternativeFilter);
}

void ESDiagnosticsSetup::setBottomDetectionRefinementSensitivity(int value)
{
    m_BottomDetectionRefinementSensitivity = value;
    emit BottomDetectionRefinementSensitivityChanged(m_BottomDetectionRefinementSensitivity);
}

void ESDiagnosticsSetup::setBottomDetectionMaxDepthTest(double value)
{
    m_BottomDetectionMaxDepthTest = value;
    emit BottomDetectionMaxDepthTestChanged(m_BottomDetectionMaxDepthTest);
}

void ESDiagnosticsSetup::setBottomDetectionAboutToLoseBottomLimit(int value)
{
    m_BottomDetectionAboutToLoseBottomLimit = value;
    emit BottomDetectionAboutToLoseBottomLimitChanged(m_BottomDetectionAboutToLoseBottomLimit);
}

void ESDiagnosticsSetup::setBottomDetectionLostBottomLimit(int value)
{
    m_BottomDetectionLostBottomLimit = value;
    emit BottomDetectionLostBottomLimitChanged(m_BottomDetectionLostBottomLimit);
}

void ESDiagnosticsSetup::setBottomDetectionMinNumberOfNonZeroWindows(int value)
{
    m_BottomDetectionMinNumberOfNonZeroWindows = value;
    emit BottomDetectionMinNumberOfNonZeroWindowsChanged(m_BottomDetectionMinNumberOfNonZeroWindows);
}

void ESDiagnosticsSetup::setNoiseDetectionDisplayNoiseRemoval(int value)
{
    m_NoiseDetectionDisplayNoiseRemoval = value;
    emit NoiseDetectionDisplayNoiseRemovalChanged(m_NoiseDetectionDisplayNoiseRemoval);
}

void ESDiagnosticsSetup::setNoiseDetectionNumberOfLevels(int value)
{
    m_NoiseDetectionNumberOfLevels = value;
    emit NoiseDetectionNumberOfLevelsChanged(m_NoiseDetectionNumberOfLevels);
}

void ESDiagnosticsSetup::setNoiseDetectionMinNumberOfLevels(int value)
{
    m_NoiseDetectionMinNumberOfLevels = value;
    emit NoiseDetectionMinNumberOfLevelsChanged(m_NoiseDetectionMinNumberOfLevels);
}

void ESDiagnosticsSetup::setNoiseDetectionGroupWidth(int value)
{
    m_NoiseDetectionGroupWidth = value;
    emit NoiseDetectionGroupWidthChanged(m_NoiseDetectionGroupWidth);
}

void ESDiagnosticsSetup::setNoiseDetectionMinPercentageOfGroups(double value)
{
    m_NoiseDetectionMinPercentageOfGroups = value;
    emit NoiseDetectionMinPercentageOfGroupsChanged(m_NoiseDetectionMinPercentageOfGroups);
}

void ESDiagnosticsSetup::setNoiseDetectionMultiplyingFactor(double value)
{
    m_NoiseDetectionMultiplyingFactor = value;
    emit NoiseDetectionMultiplyingFactorChanged(m_NoiseDetectionMultiplyingFactor);
}

void ESDiagnosticsSetup::setNoiseDetectionMultiplyingFactorAtLessThan25m(double value)
{
    m_NoiseDetectionMultiplyingFactorAtLessThan25m = value;
    emit NoiseDetectionMultiplyingFactorAtLessThan25mChanged(m_NoiseDetectionMultiplyingFactorAtLessThan25m);
}

void ESDiagnosticsSetup::setNoiseDetectionMultiplyingFactorAtLessThan50m(double value)
{
    m_NoiseDetectionMultiplyingFactorAtLessThan50m = value;
    emit NoiseDetectionMultiplyingFactorAtLessThan50mChanged(m_NoiseDetectionMultiplyingFactorAtLessThan50m);
}

void ESDiagnosticsSetup::setNoiseDetectionMultiplyingFactorAtLessThan100m(double value)
{
    m_NoiseDetectionMultiplyingFactorAtLessThan100m = value;
    emit NoiseDetectionMultiplyingFactorAtLessThan100mChanged(
        m_NoiseDetectionMultiplyingFactorAtLessThan100m);
}

void ESDiagnosticsSetup::setNoiseDetectionMaxNoiseLevel(int value)
{
    m_NoiseDetectionMaxNoiseLevel = value;
    emit NoiseDetectionMaxNoiseLevelChanged(m_NoiseDetectionMaxNoiseLevel);
}

void ESDiagnosticsSetup::setNoiseDetectionUseDifferentTresholds(int value)
{
    m_NoiseDetectionUseDifferentTresholds = value;
    emit NoiseDetectionUseDifferentTresholdsChanged(m_NoiseDetectionUseDifferentTresholds);
}

void ESDiagnosticsSetup::setNoiseDetectionCutOutBegining(int value)
{
    m_NoiseDetectionCutOutBegining = value;
    emit NoiseDetectionCutOutBeginingChanged(m_NoiseDetectionCutOutBegining);
}

void ESDiagnosticsSetup::setFileLoggingImportance(int value)
{
    m_FileLoggingImportance = value;
    emit FileLoggingImportanceChanged(m_FileLoggingImportance);
}
