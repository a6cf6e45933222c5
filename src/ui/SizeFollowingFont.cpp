#include "ui/SizeFollowingFont.h"

#include <QFontInfo>
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
