#ifndef SIZEFOLLOWINGFONT_H
#define SIZEFOLLOWINGFONT_H

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

    bool isCaptured() const { return m_captured; }
    double basePointSize() const { return m_basePointSize; }

private:
    void capture(QWidget *widget);

    bool m_captured = false;
    double m_basePointSize = 0;
};

#endif // SIZEFOLLOWINGFONT_H
