#include "ui/SizeFollowingFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QString>
#include <QWidget>

#include <algorithm>

void SizeFollowingFont::capture(QWidget *widget)
{
    if (widget->baseSize().isNull())
        widget->setBaseSize(widget->size());
    // The font's real point size: a font set in pixels (as the window's scaling container sets them) has
    // no point size of its own.
    const QFont font = widget->font();
    m_basePointSize = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    m_captured = true;
}

void SizeFollowingFont::apply(QWidget *widget)
{
    if (!m_captured)
        capture(widget);
    const QSize base = widget->baseSize();
    // A widget that had no size when its base was taken has nothing to scale from.
    if (base.width() <= 0 || base.height() <= 0)
        return;
    const float factor = std::min(
        float(widget->width()) / float(base.width()), float(widget->height()) / float(base.height()));
    const float pointSize = std::max(1.0f, factor * float(m_basePointSize));
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    widget->setFont(font);
}

void SizeFollowingFont::setBasePointSizeF(QWidget *widget, double pointSize)
{
    m_basePointSize = pointSize;
    apply(widget);
}

QFont SizeFollowingFont::fittedToWidth(const QFont &font, const QString &text, int width)
{
    QFont fitted = font;
    const bool inPixels = font.pixelSize() > 0;
    const double step = inPixels ? 1.0 : 0.5;
    double size = inPixels ? font.pixelSize() : QFontInfo(font).pointSizeF();
    const double smallest = size / 2;
    while (QFontMetrics(fitted).horizontalAdvance(text) > width && size - step >= smallest) {
        size -= step;
        if (inPixels)
            fitted.setPixelSize(int(size));
        else
            fitted.setPointSizeF(size);
    }
    return fitted;
}
