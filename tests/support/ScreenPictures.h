#ifndef SCREENPICTURES_H
#define SCREENPICTURES_H

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

// Pictures of screens for people to look at, and pixel checks on rendered screens.
namespace ScreenPictures {

// The test's picture folder: "pictures/<test program>/" in the build folder, kept after the run (the
// test itself runs in a temporary folder that is removed).
inline QString folder()
{
    const QString path = QStringLiteral(TESSARY_BINARY_DIR "/pictures/") + QCoreApplication::applicationName()
        + QLatin1Char('/');
    QDir().mkpath(path);
    return path;
}

// Renders the widget and saves it as "<name>.png" in the picture folder; returns the rendering.
inline QImage save(QWidget *widget, const QString &name)
{
    const QImage image = widget->grab().toImage();
    image.save(folder() + name + QStringLiteral(".png"));
    return image;
}

// How many pixels of the rectangle are within `tolerance` of the colour in each channel.
inline int pixelsNear(const QImage &image, const QRect &rect, const QColor &color, int tolerance = 30)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - color.red()) < tolerance && qAbs(c.green() - color.green()) < tolerance
                && qAbs(c.blue() - color.blue()) < tolerance)
                ++count;
        }
    }
    return count;
}

// Whether the pixel is within `tolerance` of the colour in each channel.
inline bool isNear(const QImage &image, const QPoint &point, const QColor &color, int tolerance = 30)
{
    return pixelsNear(image, QRect(point, QSize(1, 1)), color, tolerance) == 1;
}

} // namespace ScreenPictures

#endif // SCREENPICTURES_H
