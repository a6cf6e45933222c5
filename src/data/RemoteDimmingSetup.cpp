#include "data/RemoteDimmingSetup.h"

RemoteDimmingSetup::RemoteDimmingSetup(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
{
    // A letter outside "DKNO" gives the index -1, which in turn gives the letter "U"; as both setters
    // only act on a change, the exchange then stops.
    connect(this, &RemoteDimmingSetup::DimmingPresetChanged, this,
        [this](const QString &letter) { setDimmingPresetEnum(presetLetterToIndex(letter)); });
    connect(this, &RemoteDimmingSetup::ColorPaletteChanged, this,
        [this](const QString &letter) { setColorPaletteEnum(presetLetterToIndex(letter)); });
    connect(this, &RemoteDimmingSetup::ColorPaletteEnumChanged, this,
        [this](int index) { setColorPalette(presetIndexToLetter(index)); });
    connect(this, &RemoteDimmingSetup::DimmingPresetEnumChanged, this,
        [this](int index) { setDimmingPreset(presetIndexToLetter(index)); });
}

void RemoteDimmingSetup::setOperationMode(int value)
{
    m_OperationMode = value;
    emit OperationModeChanged(value);
}

void RemoteDimmingSetup::setDimmingPreset(const QString &value)
{
    if (m_DimmingPreset == value)
        return;
    m_DimmingPreset = value;
    emit DimmingPresetChanged(value);
}

void RemoteDimmingSetup::setBrightnessPercentage(int value)
{
    if (m_BrightnessPercentage == value)
        return;
    m_BrightnessPercentage = value;
    emit BrightnessPercentageChanged(value);
}

void RemoteDimmingSetup::setColorPalette(const QString &value)
{
    if (m_ColorPalette == value)
        return;
    m_ColorPalette = value;
    emit ColorPaletteChanged(value);
}

void RemoteDimmingSetup::setCurrentBrightnessPercentage(int value)
{
    if (m_CurrentBrightnessPercentage == value)
        return;
    m_CurrentBrightnessPercentage = value;
    emit CurrentBrightnessPercentageChanged(value);
}

void RemoteDimmingSetup::setDimmingPresetEnum(int value)
{
    if (m_DimmingPresetEnum == value)
        return;
    m_DimmingPresetEnum = value;
    emit DimmingPresetEnumChanged(value);
}

void RemoteDimmingSetup::setColorPaletteEnum(int value)
{
    if (m_ColorPaletteEnum == value)
        return;
    m_ColorPaletteEnum = value;
    emit ColorPaletteEnumChanged(value);
}

namespace {
const char *const presetLetters[] = { "D", "K", "N", "O" };
}

int RemoteDimmingSetup::presetLetterToIndex(const QString &letter)
{
    for (int i = 0; i < 4; ++i) {
        if (letter == QLatin1String(presetLetters[i]))
            return i;
    }
    return -1;
}

QString RemoteDimmingSetup::presetIndexToLetter(int index)
{
    if (index < 0 || index > 3)
        return QStringLiteral("U");
    return QLatin1String(presetLetters[index]);
}
