#include "ui/ThemeColorSingleton.h"

ThemeColorSingleton *ThemeColorSingleton::instance()
{
    static ThemeColorSingleton *const singleton = new ThemeColorSingleton;
    return singleton;
}

ThemeColorSingleton::ThemeColorSingleton()
    : QObject(nullptr)
{
    qRegisterMetaType<enum_ColorPalette>("enum_ColorPalette");
}

void ThemeColorSingleton::setColorPalette(enum_ColorPalette palette)
{
    m_colorPalette = palette;
    emit colorChanged(palette);
}

void ThemeColorSingleton::setPreviewColorPalette(enum_ColorPalette palette)
{
    m_previewColorPalette = palette;
    emit previewColorChanged(palette);
}
