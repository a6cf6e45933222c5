#ifndef THEMECOLORSINGLETON_H
#define THEMECOLORSINGLETON_H

#include "ui/CustomColorDefinitions.h"

#include <QObject>

// The process-wide current palette and the preview palette of the dimming setup page. Every scaling
// container, the arrow pictures, the status-list cells and the runtime pages follow colorChanged().
class ThemeColorSingleton : public QObject
{
    Q_OBJECT
public:
    // Created on first use and never destroyed.
    static ThemeColorSingleton *instance();

    enum_ColorPalette colorPalette() const { return m_colorPalette; }
    QColor currentColor() const { return CustomColorDefinitions::getColorFromColorEnum(m_colorPalette); }
    enum_ColorPalette previewColorPalette() const { return m_previewColorPalette; }
    QColor previewColor() const
    {
        return CustomColorDefinitions::getColorFromColorEnum(m_previewColorPalette);
    }

    // Store the palette and emit the change signal, also when the value is unchanged: a listener that
    // missed an earlier change recolours itself on the next set.
    void setColorPalette(enum_ColorPalette palette);
    void setPreviewColorPalette(enum_ColorPalette palette);

signals:
    void colorChanged(enum_ColorPalette palette);
    void previewColorChanged(enum_ColorPalette palette);

private:
    ThemeColorSingleton();

    enum_ColorPalette m_colorPalette = Green;
    enum_ColorPalette m_previewColorPalette = Green;
};

#endif // THEMECOLORSINGLETON_H
