#include "data/LocalDimmingSetup.h"

LocalDimmingSetup::LocalDimmingSetup(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
{
}

void LocalDimmingSetup::setColorPalette(int value)
{
    m_ColorPalette = value;
    emit ColorPaletteChanged(value);
}

void LocalDimmingSetup::setBrightness(int value)
{
    m_Brightness = value;
    emit BrightnessChanged(value);
}

void LocalDimmingSetup::setEchogramColorPageA(int value)
{
    m_EchogramColorPageA = value;
    emit EchogramColorPageAChanged(value);
}

void LocalDimmingSetup::setEchogramColorPageB(int value)
{
    m_EchogramColorPageB = value;
    emit EchogramColorPageBChanged(value);
}

void LocalDimmingSetup::setEchogramColorPageC(int value)
{
    m_EchogramColorPageC = value;
    emit EchogramColorPageCChanged(value);
}

LocalDimmingSetupContainer::LocalDimmingSetupContainer(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
    , m_DayDimmingSetup(new LocalDimmingSetup(this, QStringLiteral("DayDimmingSetup")))
    , m_TwilightDimmingSetup(new LocalDimmingSetup(this, QStringLiteral("TwilightDimmingSetup")))
    , m_NightDimmingSetup(new LocalDimmingSetup(this, QStringLiteral("NightDimmingSetup")))
    , m_OffDimmingSetup(new LocalDimmingSetup(this, QStringLiteral("OffDimmingSetup")))
{
}
