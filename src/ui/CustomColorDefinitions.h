#ifndef CUSTOMCOLORDEFINITIONS_H
#define CUSTOMCOLORDEFINITIONS_H

#include <QColor>
#include <QMetaType>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The six palettes of the display: greens for day use, yellows for night use. The value is the position in
// the colour tables below; the names are the values of the dynamic property "ThemeColor" that the themed
// style sheets key their rules on.
enum enum_ColorPalette {
    Bright_Green = 0,
    Green = 1,
    Pale_Green = 2,
    Bright_Yellow = 3,
    Yellow = 4,
    Pale_Yellow = 5
};
Q_DECLARE_METATYPE(enum_ColorPalette)

class CustomColorDefinitions
{
public:
    static const int paletteCount = 6;

    // The colour of a palette; a value outside 0..5 gives the colour of palette 0.
    static QColor getColorFromColorEnum(int palette);
    // The colour name of palette 0..5; any other index is a programming error and throws.
    static QString getColorName(int index);
    // "rgb(82, 255, 96)": the palette's colour as style-sheet text (palette 0 for a value outside 0..5).
    static QString getRgbString(int palette);
    // The colour of a listed name; any other name is logged and gives an invalid colour.
    static QColor getColorFromColorName(const QString &name);
    // The six names in palette order.
    static QStringList colorNames();
    // Background of a status-list value that lies outside its limits.
    static QColor limitColor();

    // The contrast ratio of two opaque colours as the accessibility guidelines (WCAG 2) define it:
    // (L1 + 0.05) / (L2 + 0.05) with L1 the larger relative luminance; 1 for equal colours, 21 for black
    // on white. Text needs at least minimumTextContrast against its background to be read.
    static double contrastRatio(const QColor &a, const QColor &b);
    static constexpr double minimumTextContrast = 4.5;

    // The image at `path` recoloured in the palette's colour: every pixel takes the palette colour and
    // keeps its own alpha, so an opaque pixel stays opaque and a transparent one transparent. Used for the
    // arrow pictures.
    static QPixmap tintedPixmap(const QString &path, int palette);
};

#endif // CUSTOMCOLORDEFINITIONS_H
