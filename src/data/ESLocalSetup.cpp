#include "data/ESLocalSetup.h"

#include "common/ClassInformation.h"

ESLocalSetup::ESLocalSetup(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
    , m_RuntimeScreenSetupA(new ESRuntimeScreenSetup(this, QStringLiteral("RuntimeScreenSetupA")))
    , m_RuntimeScreenSetupB(new ESRuntimeScreenSetup(this, QStringLiteral("RuntimeScreenSetupB")))
    , m_RuntimeScreenSetupC(new ESRuntimeScreenSetup(this, QStringLiteral("RuntimeScreenSetupC")))
    , m_RuntimeScreenSetupD(new ESRuntimeScreenSetup(this, QStringLiteral("RuntimeScreenSetupD")))
    , m_DisplaySetup(new CU_R207_Setup(this, QStringLiteral("DisplaySetup")))
    , m_OtherLocalSettings(new ESOtherLocalSettings(this, QStringLiteral("OtherLocalSettings")))
    , m_DimmingSetupContainer(new LocalDimmingSetupContainer(this, QStringLiteral("DimmingSetupContainer")))
    , m_DimmingSetup(new RemoteDimmingSetup(this, QStringLiteral("DimmingSetup")))
{
    initializeValidity(true);
    setDefaultValuesFromClassInfo_RecursivelyForAllChildren({});
    loadAllChildrenFromFiles({});
    forceSoftwareVersionDefault();
}

void ESLocalSetup::applyCustomDefaults()
{
    m_RuntimeScreenSetupB->setShowPage(1);
    m_RuntimeScreenSetupB->setInformation5(17);

    struct Preset
    {
        LocalDimmingSetup *setup;
        int brightness;
        int colorPalette;
        int echogramColor;
    };
    const Preset presets[] = {
        { m_DimmingSetupContainer->DayDimmingSetup(), 205, 4, 0 },
        { m_DimmingSetupContainer->TwilightDimmingSetup(), 129, 2, 1 },
        { m_DimmingSetupContainer->NightDimmingSetup(), 6, 5, 3 },
        { m_DimmingSetupContainer->OffDimmingSetup(), 1, 5, 3 },
    };
    for (const Preset &preset : presets) {
        preset.setup->setBrightness(preset.brightness);
        preset.setup->setColorPalette(preset.colorPalette);
        preset.setup->setEchogramColorPageA(preset.echogramColor);
        preset.setup->setEchogramColorPageB(preset.echogramColor);
        preset.setup->setEchogramColorPageC(preset.echogramColor);
    }
}

void ESLocalSetup::forceSoftwareVersionDefault()
{
    const ClassInfoEntry *entry
        = ClassInformation::of(&CU_R207_Setup::staticMetaObject).entry("SoftwareVersion");
    if (entry) {
        for (const ClassInfoItem *item : entry->itemsContaining(QStringLiteral("defaultValue")))
            m_DisplaySetup->setSoftwareVersion(item->value);
    }
    m_DisplaySetup->setCalibrateTouchScreen(0);
}

ESRuntimeScreenSetup *ESLocalSetup::runtimeScreenSetup(QChar letter) const
{
    switch (letter.unicode()) {
    case 'A':
        return m_RuntimeScreenSetupA;
    case 'B':
        return m_RuntimeScreenSetupB;
    case 'C':
        return m_RuntimeScreenSetupC;
    case 'D':
        return m_RuntimeScreenSetupD;
    default:
        return nullptr;
    }
}
