#ifndef PIXELCOUNT_H
#define PIXELCOUNT_H

#include "ui/CustomColorDefinitions.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>
#include <QtGlobal>

// How many pixels of the picture lie within `tolerance` of the colour (sum of the channel differences):
// what a person would see of that colour, robust against antialiased edges.
inline int pixelsNear(const QImage &image, const QColor &colour, int tolerance = 30)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green())
                    + qAbs(c.blue() - colour.blue())
                < tolerance)
                ++n;
        }
    }
    return n;
}

// The colour most pixels of the picture have: the face of a key or a button around its text.
inline QColor mostFrequentColour(const QImage &image)
{
    QHash<QRgb, int> counts;
    QRgb most = 0;
    int mostCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int count = ++counts[image.pixel(x, y)];
            if (count > mostCount) {
                mostCount = count;
                most = image.pixel(x, y);
            }
        }
    }
    return QColor(most);
}

// How many pixels of the picture stand out from the background by at least the contrast that text needs:
// the readable part of a text or a symbol drawn on it.
inline int pixelsReadableOn(const QImage &image, const QColor &background)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (CustomColorDefinitions::contrastRatio(image.pixelColor(x, y), background)
                >= CustomColorDefinitions::minimumTextContrast)
                ++n;
        }
    }
    return n;
}

// What a rendered button or key shows of its text or symbol: the face, the most frequent colour `inset`
// pixels in from each side (within a frame and rounded corners), and how many pixels stand out from it
// by the contrast text needs.
struct ReadableFace
{
    QColor face;
    int readable = 0;

    QString describe(const QString &what) const
    {
        return QStringLiteral("\"%1\" on %2: %3 readable pixels").arg(what, face.name()).arg(readable);
    }
};

inline ReadableFace readableFace(QWidget *widget, int inset = 0)
{
    const QImage picture = widget->grab().toImage();
    const QImage inside = picture.copy(picture.rect().adjusted(inset, inset, -inset, -inset));
    ReadableFace result;
    result.face = mostFrequentColour(inside);
    result.readable = pixelsReadableOn(inside, result.face);
    return result;
}

#endif // PIXELCOUNT_H
