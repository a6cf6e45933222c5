#ifndef SIZEFOLLOWINGFONT_H
#define SIZEFOLLOWINGFONT_H

#include <QFont>

class QString;
class QWidget;

// The font rule of the self-sizing labels and buttons: the first time it is applied the widget's size
// becomes its base size (unless one was set) and its font's point size the base point size (also for a
// font set in pixels, as the window's scaling container sets them); from then on
// the point size is the base point size times the smaller of the two ratios of current to base size, at
// least 1 point.
class SizeFollowingFont
{
public:
    void apply(QWidget *widget);
    // A base point size set before the first application is replaced by the font's own size then.
    void setBasePointSizeF(QWidget *widget, double pointSize);

    // The font, or when `text` is wider than `width` pixels in it, a copy at the largest smaller size in
    // which the text fits: in steps of half a point, or of a pixel for a font set in pixels (as the
    // window's scaling container sets them), and never below half the given size. The caller decides
    // what to do with a text that does not fit even then.
    static QFont fittedToWidth(const QFont &font, const QString &text, int width);

    bool isCaptured() const { return m_captured; }
    double basePointSize() const { return m_basePointSize; }

private:
    void capture(QWidget *widget);

    bool m_captured = false;
    double m_basePointSize = 0;
};

#endif // SIZEFOLLOWINGFONT_H
