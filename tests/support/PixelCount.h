#ifndef PIXELCOUNT_H
#define PIXELCOUNT_H

#include <QColor>
#include <QImage>
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

#endif // PIXELCOUNT_H
