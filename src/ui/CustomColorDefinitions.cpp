#include "ui/CustomColorDefinitions.h"

#include <QDebug>
#include <QImage>
#include <QVector>

#include <cmath>

namespace {

const char *const colorNameTable[CustomColorDefinitions::paletteCount]
    = { "Bright_Green", "Green", "Pale_Green", "Bright_Yellow", "Yellow", "Pale_Yellow" };
const QRgb colorTable[CustomColorDefinitions::paletteCount] = { qRgb(82, 255, 96), qRgb(82, 225, 96),
    qRgb(82, 190, 96), qRgb(215, 190, 0), qRgb(195, 175, 0), qRgb(175, 160, 0) };

int validPalette(int palette)
{
    return palette >= 0 && palette < CustomColorDefinitions::paletteCount ? palette : 0;
}

// The relative luminance of an sRGB colour: each channel linearised, then weighted for the eye.
double relativeLuminance(const QColor &color)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) + 0.0722 * linear(color.blue());
}

} // namespace

QColor CustomColorDefinitions::getColorFromColorEnum(int palette)
{
    return QColor(colorTable[validPalette(palette)]);
}

QString CustomColorDefinitions::getColorName(int index)
{
    if (index < 0 || index >= paletteCount) {
        qDebug() << "Palette index out of range in CustomColorDefinitions::getColorName():" << index;
        throw "Palette index out of range in CustomColorDefinitions::getColorName()";
    }
    return QString::fromLatin1(colorNameTable[index]);
}

QString CustomColorDefinitions::getRgbString(int palette)
{
    const QColor color = getColorFromColorEnum(palette);
    return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

QColor CustomColorDefinitions::getColorFromColorName(const QString &name)
{
    for (int i = 0; i < paletteCount; ++i) {
        if (name == QLatin1String(colorNameTable[i]))
            return QColor(colorTable[i]);
    }
    qDebug() << "Wrong color name as argument in CustomColorDefinitions::getColorFromColorName()";
    return QColor();
}

QStringList CustomColorDefinitions::colorNames()
{
    QStringList names;
    for (const char *name : colorNameTable)
        names.append(QString::fromLatin1(name));
    return names;
}

QColor CustomColorDefinitions::limitColor()
{
    return QColor(180, 180, 85);
}

double CustomColorDefinitions::contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QPixmap CustomColorDefinitions::tintedPixmap(const QString &path, int palette)
{
    const QImage source = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return QPixmap();
    // The alpha channel as an 8-bit indexed image: each pixel's index is its alpha. Its grey colour table
    // then becomes the palette colour with the grey level as alpha ((11 r + 16 g + 5 b) >> 5 of grey i
    // is i).
    QImage alpha(source.size(), QImage::Format_Indexed8);
    const QColor color = getColorFromColorEnum(palette);
    QVector<QRgb> table(256);
    for (int i = 0; i < 256; ++i) {
        const int grey = (11 * i + 16 * i + 5 * i) >> 5;
        table[i] = qRgba(color.red(), color.green(), color.blue(), grey);
    }
    alpha.setColorTable(table);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = alpha.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = static_cast<uchar>(qAlpha(in[x]));
    }
    return QPixmap::fromImage(alpha);
}
