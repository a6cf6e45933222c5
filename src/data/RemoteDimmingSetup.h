#ifndef REMOTEDIMMINGSETUP_H
#define REMOTEDIMMINGSETUP_H

#include "data/SerializableClass.h"

// "DimmingSetup": the state of remote dimming by DDC sentences. The preset and the palette are kept
// twice, as the DDC letter ("D" day, "K" twilight, "N" night, "O" off) and as its index 0 to 3 for
// the enumerations of the screens; the object keeps each letter and its index in step. OperationMode
// stores and emits on every write, the other settings only on a new value, which is what ends the
// exchange between a letter and its index after one step each way.
class RemoteDimmingSetup : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int OperationMode READ OperationMode WRITE setOperationMode NOTIFY OperationModeChanged)
    Q_CLASSINFO("OperationMode",
        "type=enum name=OperationMode nameToDisplay=Operation_Mode enumList=RX;RX/TX;TX isLocal=true")
    Q_PROPERTY(QString DimmingPreset READ DimmingPreset WRITE setDimmingPreset NOTIFY DimmingPresetChanged)
    Q_CLASSINFO("DimmingPreset",
        "type=value name=DimmingPreset showStatus=true isNumeric=false defaultValue=D validator=regex;[DKNO] "
        "isLocal=true")
    Q_PROPERTY(int BrightnessPercentage READ BrightnessPercentage WRITE setBrightnessPercentage NOTIFY
            BrightnessPercentageChanged)
    Q_CLASSINFO("BrightnessPercentage",
        "type=value name=BrightnessPercentage showStatus=true validator=int;0;99 defaultValue=50 "
        "isLocal=true")
    Q_PROPERTY(QString ColorPalette READ ColorPalette WRITE setColorPalette NOTIFY ColorPaletteChanged)
    Q_CLASSINFO("ColorPalette",
        "type=value name=ColorPalette showStatus=true isNumeric=false defaultValue=D validator=regex;[DKNO] "
        "isLocal=true")
    Q_PROPERTY(int CurrentBrightnessPercentage READ CurrentBrightnessPercentage WRITE
            setCurrentBrightnessPercentage NOTIFY CurrentBrightnessPercentageChanged)
    Q_CLASSINFO("CurrentBrightnessPercentage",
        "type=value name=CurrentBrightnessPercentage showStatus=true validator=int;0;99 defaultValue=50 "
        "isLocal=true")
    Q_PROPERTY(int DimmingPresetEnum READ DimmingPresetEnum WRITE setDimmingPresetEnum NOTIFY
            DimmingPresetEnumChanged)
    Q_CLASSINFO("DimmingPresetEnum",
        "type=enum name=DimmingPresetEnum nameToDisplay=Dimming_Preset enumList=Day;Twilight;Night;Off "
        "showStatus=true isNumeric=false isLocal=true")
    Q_PROPERTY(
        int ColorPaletteEnum READ ColorPaletteEnum WRITE setColorPaletteEnum NOTIFY ColorPaletteEnumChanged)
    Q_CLASSINFO("ColorPaletteEnum",
        "type=enum name=ColorPaletteEnum nameToDisplay=Color_Preset enumList=Day;Twilight;Night;Off "
        "showStatus=true isNumeric=false isLocal=true")

public:
    RemoteDimmingSetup(QObject *parent, const QString &name);

    int OperationMode() const { return m_OperationMode; }
    QString DimmingPreset() const { return m_DimmingPreset; }
    int BrightnessPercentage() const { return m_BrightnessPercentage; }
    QString ColorPalette() const { return m_ColorPalette; }
    int CurrentBrightnessPercentage() const { return m_CurrentBrightnessPercentage; }
    int DimmingPresetEnum() const { return m_DimmingPresetEnum; }
    int ColorPaletteEnum() const { return m_ColorPaletteEnum; }
    // "D", "K", "N", "O" to 0 to 3, compared exactly; anything else gives -1.
    static int presetLetterToIndex(const QString &letter);
    // 0 to 3 to "D", "K", "N", "O"; any other index gives "U".
    static QString presetIndexToLetter(int index);

    void setOperationMode(int value);
    void setDimmingPreset(const QString &value);
    void setBrightnessPercentage(int value);
    void setColorPalette(const QString &value);
    void setCurrentBrightnessPercentage(int value);
    void setDimmingPresetEnum(int value);
    void setColorPaletteEnum(int value);

signals:
    void OperationModeChanged(int value);
    void DimmingPresetChanged(const QString &value);
    void BrightnessPercentageChanged(int value);
    void ColorPaletteChanged(const QString &value);
    void CurrentBrightnessPercentageChanged(int value);
    void DimmingPresetEnumChanged(int value);
    void ColorPaletteEnumChanged(int value);

private:
    int m_OperationMode = 0;
    QString m_DimmingPreset;
    int m_BrightnessPercentage = 0;
    QString m_ColorPalette;
    int m_CurrentBrightnessPercentage = 0;
    int m_DimmingPresetEnum = 0;
    int m_ColorPaletteEnum = 0;
};

#endif // REMOTEDIMMINGSETUP_H
