#ifndef LOCALDIMMINGSETUP_H
#define LOCALDIMMINGSETUP_H

#include "data/SerializableClass.h"

// One dimming preset of the display (day, twilight, night, off): the colour palette of the screens,
// the backlight level 0 to 255 and the echogram colours of pages A to C. Every write stores and emits.
class LocalDimmingSetup : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int ColorPalette READ ColorPalette WRITE setColorPalette NOTIFY ColorPaletteChanged)
    Q_CLASSINFO("ColorPalette",
        "type=enum name=ColorPalette enumList=Bright_Green;Green;Pale_Green;Bright_Yellow;Yellow;Pale_Yellow "
        "isLocal=true")
    Q_PROPERTY(int Brightness READ Brightness WRITE setBrightness NOTIFY BrightnessChanged)
    Q_CLASSINFO("Brightness", "type=value name=Brightness validator=int;0;255 defaultValue=128")
    Q_PROPERTY(int EchogramColorPageA READ EchogramColorPageA WRITE setEchogramColorPageA NOTIFY
            EchogramColorPageAChanged)
    Q_CLASSINFO("EchogramColorPageA",
        "type=enum name=EchogramColorPageA enumList=Brown;Orange;Yellow;Grey isLocal=true")
    Q_PROPERTY(int EchogramColorPageB READ EchogramColorPageB WRITE setEchogramColorPageB NOTIFY
            EchogramColorPageBChanged)
    Q_CLASSINFO("EchogramColorPageB",
        "type=enum name=EchogramColorPageB enumList=Brown;Orange;Yellow;Grey isLocal=true")
    Q_PROPERTY(int EchogramColorPageC READ EchogramColorPageC WRITE setEchogramColorPageC NOTIFY
            EchogramColorPageCChanged)
    Q_CLASSINFO("EchogramColorPageC",
        "type=enum name=EchogramColorPageC enumList=Brown;Orange;Yellow;Grey isLocal=true")

public:
    LocalDimmingSetup(QObject *parent, const QString &name);

    int ColorPalette() const { return m_ColorPalette; }
    int Brightness() const { return m_Brightness; }
    int EchogramColorPageA() const { return m_EchogramColorPageA; }
    int EchogramColorPageB() const { return m_EchogramColorPageB; }
    int EchogramColorPageC() const { return m_EchogramColorPageC; }

    void setColorPalette(int value);
    void setBrightness(int value);
    void setEchogramColorPageA(int value);
    void setEchogramColorPageB(int value);
    void setEchogramColorPageC(int value);

signals:
    void ColorPaletteChanged(int value);
    void BrightnessChanged(int value);
    void EchogramColorPageAChanged(int value);
    void EchogramColorPageBChanged(int value);
    void EchogramColorPageCChanged(int value);

private:
    int m_ColorPalette = 0;
    int m_Brightness = 0;
    int m_EchogramColorPageA = 0;
    int m_EchogramColorPageB = 0;
    int m_EchogramColorPageC = 0;
};

// "DimmingSetupContainer": holds the four presets; no settings of its own.
class LocalDimmingSetupContainer : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(LocalDimmingSetup *DayDimmingSetup READ DayDimmingSetup)
    Q_PROPERTY(LocalDimmingSetup *TwilightDimmingSetup READ TwilightDimmingSetup)
    Q_PROPERTY(LocalDimmingSetup *NightDimmingSetup READ NightDimmingSetup)
    Q_PROPERTY(LocalDimmingSetup *OffDimmingSetup READ OffDimmingSetup)

public:
    // Creates the presets "DayDimmingSetup", "TwilightDimmingSetup", "NightDimmingSetup" and
    // "OffDimmingSetup", in this order.
    LocalDimmingSetupContainer(QObject *parent, const QString &name);

    LocalDimmingSetup *DayDimmingSetup() const { return m_DayDimmingSetup; }
    LocalDimmingSetup *TwilightDimmingSetup() const { return m_TwilightDimmingSetup; }
    LocalDimmingSetup *NightDimmingSetup() const { return m_NightDimmingSetup; }
    LocalDimmingSetup *OffDimmingSetup() const { return m_OffDimmingSetup; }

private:
    LocalDimmingSetup *m_DayDimmingSetup;
    LocalDimmingSetup *m_TwilightDimmingSetup;
    LocalDimmingSetup *m_NightDimmingSetup;
    LocalDimmingSetup *m_OffDimmingSetup;
};

#endif // LOCALDIMMINGSETUP_H
